// SPDX-FileCopyrightText: 2026 ratebook developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The data sheet: nine local costs typed under a key filter, and the rate table that
// "&Unit Cost" fills from them.
#pragma once

#include "datasheet/unitrates.h"
#include "documents/document.h"
#include "kit/workwindow.h"

#include <array>

class QLineEdit;
class QPushButton;

namespace ratebook::kit {
class ReportList;
}

class datasheet1 : public WorkWindow
{
    Q_OBJECT

public:
    datasheet1();

    void Form_Load();
    short checktextbox();
    // What its files keep and its statement shows; an opened file's costs go in through
    // the handlers a user's typing runs, then the analysis runs as "&Unit Cost" would.
    static ratebook::documents::DocumentTerms document();
    // The rates "&Unit Cost" works out of these costs, keyed by box name; or, thrown as a
    // std::runtime_error, the message it gives instead.
    static std::array<ratebook::UnitRate, ratebook::RateItemCount>
    ratesFor(const QMap<QString, QString> &costs);
    // The statement it prints of these costs, once their rates are worked out.
    static ratebook::documents::Statement
    statementFor(const QMap<QString, QString> &costs,
                 const ratebook::documents::WorkDetails &details);

protected:
    bool keyPreview(QWidget *target, QKeyEvent *event) override;

private:
    static constexpr int InputCount = 9;

    void costInput_KeyPress(int input, int &keyAscii);
    void costInput_Change(int input);
    void unitcost_Click();
    void close_Click();
    QString outOfDate() const;

    std::array<QLineEdit *, InputCount> m_inputs{};
    QPushButton *m_unitCost;
    QPushButton *m_close;
    ratebook::kit::ReportList *m_table;
    ratebook::CostTexts m_ratedCosts; // what the rows on screen were worked out from
};
