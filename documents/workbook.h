// SPDX-FileCopyrightText: 2026 ratebook developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A statement as the spreadsheet export writes it: a sheet a table, the first headed by the
// title and the details; inputs as typed, each figure a number and its unit in a column of
// its own.
#pragma once

#include "documents/statement.h"

#include <optional>

namespace ratebook::documents {

// A blank cell has neither text nor number; a formula works out to its number, or, without
// one, to its text.
struct WorkbookCell
{
    QString text;
    std::optional<double> number; // with a formula, the value it works out to
    QString format;                // the number's format, such as "0.00"
    bool bold = false;
    QString formula = {}; // "ROUND(C7*E7/F7,2)", without the "="
    bool money = false;   // grouped in lakhs and crores whatever it comes to
};

struct WorkbookSheet
{
    QString name;
    QList<QList<WorkbookCell>> rows;
};

using Workbook = QList<WorkbookSheet>;

// An input as typed: a number when the program reads it as one, shown with every decimal
// typed ("0.125" stays 0.125, "1e3" is 1000); else the text.
WorkbookCell typedCell(const QString &typed);
WorkbookCell textCell(const QString &text, bool bold = false);
// A sum of money, to the paisa: grouped in lakhs and crores whatever it comes to, negatives
// too, also once a spreadsheet has worked it out again; `words` stand after the figure, such
// as " (by hand)".
WorkbookCell moneyCell(std::int64_t paise, const QString &formula = {}, const QString &words = {});
QList<WorkbookCell> boldRow(const QStringList &texts);
// A spreadsheet's name of a cell: column 0 row 0 is A1.
QString cellName(int column, int row);
// The title, the details and each field of the statement, then an empty row.
QList<QList<WorkbookCell>> statementHead(const Statement &s);

Workbook statementWorkbook(const Statement &statement);

} // namespace ratebook::documents
