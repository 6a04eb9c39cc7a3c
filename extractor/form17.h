// SPDX-FileCopyrightText: 2026 ratebook developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The material extractor: twelve items of work, each a tick that locks it at "0" and a
// quantity box, and the material table that every change of a quantity rebuilds.
#pragma once

#include "documents/document.h"
#include "extractor/materials.h"
#include "kit/workwindow.h"

#include <array>
#include <functional>

class QCheckBox;
class QLineEdit;
class QPushButton;

namespace ratebook::kit {
class ReportList;
}

class Form17 : public WorkWindow
{
    Q_OBJECT

public:
    Form17();

    void Form_Load();
    // What its files keep and its statement shows; an opened file's values go in through
    // the handlers a user's change runs, then the materials are worked out as "&Get
    // Material" would.
    static ratebook::documents::DocumentTerms document();
    // The quantity boxes' texts, as the computation reads them.
    ratebook::QuantityTexts quantities() const;
    // A quantity worked out elsewhere, put in as a user would: item `item` (1 to 12) unticked,
    // so that its box is open, then the text typed over, through their own handlers.
    void enterQuantity(int item, const QString &text);

signals:
    // After any change of a quantity's text, before the materials are worked out again.
    void quantitiesChanged();

protected:
    bool keyPreview(QWidget *target, QKeyEvent *event) override;

private:
    static constexpr int ItemCount = 12;

    // Index 0 is item 1, as in the quantities the computation takes.
    void item_Click(int index);
    void item_Change(int index);
    void Check1_KeyPress();
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void desiable_Click();
    void setAllTicks(bool ticked);
    void material();
    void reportingFailures(const std::function<void()> &body);

    std::array<QCheckBox *, ItemCount> m_checks{};
    std::array<QLineEdit *, ItemCount> m_texts{};
    QPushButton *m_disableAll;
    QPushButton *m_enableAll;
    QPushButton *m_getMaterial;
    QPushButton *m_close;
    ratebook::kit::ReportList *m_table;
};
