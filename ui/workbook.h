// SPDX-FileCopyrightText: 2026 ratebook developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A statement as the spreadsheet export writes it: a sheet of the inputs and a sheet of
// the table, each figure a number and its unit in a column of its own.
#pragma once

#include "ui/statement.h"

#include <optional>

namespace ratebook::ui {

// A blank cell has neither text nor number.
struct WorkbookCell
{
    QString text;
    std::optional<double> number;
    bool bold = false;
};

struct WorkbookSheet
{
    QString name;
    QList<QList<WorkbookCell>> rows;
};

using Workbook = QList<WorkbookSheet>;

// Splits a shown figure such as "09.20 (Cu.m)" or ".50" into its number and unit; a text
// that is not a figure stays a text.
WorkbookCell figureCell(const QString &shown, QString *unit);

Workbook statementWorkbook(const Statement &statement);

} // namespace ratebook::ui
