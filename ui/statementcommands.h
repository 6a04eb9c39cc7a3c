// SPDX-FileCopyrightText: 2026 ratebook developers
// SPDX-License-Identifier: GPL-3.0-or-later
// "Print…", "Export PDF…" and "Export to spreadsheet…" in a table's context menu: each
// refuses an empty table, asks once per window for the name of work and the place, and
// hands on the statement of what the window shows. Their dialogs are replaceable.
#pragma once

#include "ui/modules.h"
#include "ui/statement.h"

#include <functional>

namespace ratebook::ui {

class ReportList;

// Tests answer these without a modal loop; an empty member means the real dialog.
struct StatementDialogs
{
    // The name of work and the place, prefilled; false when cancelled.
    std::function<bool(QWidget *parent, WorkDetails &details)> askDetails;
    // The file to write; empty when cancelled.
    std::function<QString(QWidget *parent, const QString &caption, const QString &suggested, const QString &filter)> saveFileName;
    PrintDialog print;
};
// Returns the dialogs it replaces.
StatementDialogs setStatementDialogs(StatementDialogs dialogs);

// `describe` gives the statement's title and inputs; the table gives its rows as shown.
void addStatementCommands(ReportList *table, WorkDetails &details, std::function<Statement()> describe);

} // namespace ratebook::ui
