// SPDX-FileCopyrightText: 2026 ratebook developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/workbook.h"

#include "common/numbertext.h"

#include <QLocale>
#include <QRegularExpression>

#include <algorithm>

namespace ratebook::ui {

namespace {

QList<WorkbookCell> boldRow(const QStringList &texts)
{
    QList<WorkbookCell> cells;
    for (const QString &text : texts)
        cells << WorkbookCell{text, std::nullopt, true};
    return cells;
}

// The inputs as typed: a text the arithmetic reads as a number becomes that number.
WorkbookCell typedCell(const QString &typed)
{
    try {
        return {QString(), toNumber(typed.toStdString()), false};
    } catch (const ComputeError &) {
        return {typed, std::nullopt, false};
    }
}

WorkbookSheet inputsSheet(const Statement &s)
{
    WorkbookSheet sheet{s.inputsTitle, {}};
    sheet.rows << boldRow({s.title});
    const QStringList labels{QStringLiteral("Name of work"), QStringLiteral("Place"), QStringLiteral("Date")};
    const QStringList values{s.details.work, s.details.place, QLocale().toString(s.date, QLocale::LongFormat)};
    for (int i = 0; i < 3; ++i)
        sheet.rows << QList<WorkbookCell>{{labels[i], std::nullopt, true}, {values[i], std::nullopt, false}};
    sheet.rows << QList<WorkbookCell>{} << boldRow(s.inputsHeader);
    for (const StatementInput &input : s.inputs)
        sheet.rows << QList<WorkbookCell>{{input.name, std::nullopt, false}, typedCell(input.text), {input.unit, std::nullopt, false}};
    return sheet;
}

// A column whose figures carry units is followed by a column of those units.
WorkbookSheet tableSheet(const Statement &s)
{
    const qsizetype columns = s.header.size();
    QList<QList<WorkbookCell>> figures;
    QList<QStringList> units;
    QList<bool> hasUnits(columns, false);
    for (const QStringList &row : s.rows) {
        QList<WorkbookCell> cells;
        QStringList rowUnits;
        for (qsizetype c = 0; c < columns; ++c) {
            QString unit;
            cells << figureCell(row.value(c), &unit);
            rowUnits << unit;
            hasUnits[c] = hasUnits[c] || !unit.isEmpty();
        }
        figures << cells;
        units << rowUnits;
    }
    WorkbookSheet sheet{s.tableTitle, {{}}};
    for (qsizetype c = 0; c < columns; ++c) {
        sheet.rows[0] << WorkbookCell{s.header[c], std::nullopt, true};
        if (hasUnits[c])
            sheet.rows[0] << WorkbookCell{QStringLiteral("Unit"), std::nullopt, true};
    }
    for (qsizetype r = 0; r < figures.size(); ++r) {
        QList<WorkbookCell> cells;
        for (qsizetype c = 0; c < columns; ++c) {
            cells << figures[r][c];
            if (hasUnits[c])
                cells << WorkbookCell{units[r][c], std::nullopt, false};
        }
        sheet.rows << cells;
    }
    return sheet;
}

} // namespace

WorkbookCell figureCell(const QString &shown, QString *unit)
{
    // Digits with a point, as the digit patterns print them, a minus before a negative
    // one, then an optional unit in brackets.
    static const QRegularExpression figure(QStringLiteral(R"(^\s*(-?\d*\.?\d+)\s*(?:\((.*)\))?\s*$)"));
    const QRegularExpressionMatch match = figure.match(shown);
    if (!match.hasMatch())
        return {shown.trimmed().isEmpty() ? QString() : shown, std::nullopt, false};
    *unit = match.captured(2).trimmed();
    return {QString(), match.captured(1).toDouble(), false};
}

Workbook statementWorkbook(const Statement &statement)
{
    return {inputsSheet(statement), tableSheet(statement)};
}

} // namespace ratebook::ui
