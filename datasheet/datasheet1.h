// SPDX-FileCopyrightText: 2026 ratebook developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The data sheet: nine local costs typed under a key filter, and the rate table that
// "&Unit Cost" fills from them.
#pragma once

#include "ui/statement.h"
#include "ui/workdetails.h"
#include "ui/workfile.h"
#include "ui/workwindow.h"

#include <array>

class QLineEdit;
class QPushButton;

namespace ratebook::ui {
class ReportList;
}

class datasheet1 : public WorkWindow
{
    Q_OBJECT

public:
    datasheet1();

    void Form_Load();
    short checktextbox();
    // What its files hold, and putting an opened file's values in, each through the
    // handlers a user's change runs; the analysis then runs as "&Unit Cost" would.
    static ratebook::ui::WorkFileLayout fileLayout();
    void load(const ratebook::ui::WorkFile &file);

protected:
    bool keyPreview(QWidget *target, QKeyEvent *event) override;

private:
    static constexpr int InputCount = 9;

    void costInput_KeyPress(int input, int &keyAscii);
    void costInput_Change(int input);
    void unitcost_Click();
    void close_Click();
    ratebook::ui::Statement statement() const;
    void openFile(const QString &path);
    ratebook::ui::WorkFile contents() const;

    std::array<QLineEdit *, InputCount> m_inputs{};
    QPushButton *m_unitCost;
    QPushButton *m_close;
    ratebook::ui::ReportList *m_table;
    ratebook::ui::WorkDetails m_details;
};
