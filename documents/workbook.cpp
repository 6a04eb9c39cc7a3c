// SPDX-FileCopyrightText: 2026 ratebook developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "documents/workbook.h"

#include "common/numbertext.h"
#include "documents/figure.h"

#include <QLocale>
#include <QRegularExpression>

#include <algorithm>

namespace ratebook::documents {

namespace {

// The digit patterns print two decimals.
const QString TableFormat = QStringLiteral("0.00");

} // namespace

WorkbookCell textCell(const QString &text, bool bold)
{
    return {text, std::nullopt, QString(), bold, {}};
}

QString cellName(int column, int row)
{
    return QString(QLatin1Char(char('A' + column))) + QString::number(row + 1);
}

WorkbookCell moneyCell(std::int64_t paise, const QString &formula, const QString &words)
{
    const QString format = words.isEmpty() ? QStringLiteral("##,##0.00")
                                           : QStringLiteral("##,##0.00\"%1\"").arg(words);
    return {QString(), double(paise) / 100, format, false, formula, true};
}

QList<WorkbookCell> boldRow(const QStringList &texts)
{
    QList<WorkbookCell> cells;
    for (const QString &text : texts)
        cells << textCell(text, true);
    return cells;
}

namespace {

// The places a typed number shows: its decimals, less its exponent ("1.25e1" is 12.5).
int typedDecimals(const QString &typed)
{
    static const QRegularExpression parts(QStringLiteral(R"((?:\.(\d*))?(?:[eE]([+-]?\d+))?\s*$)"));
    const QRegularExpressionMatch match = parts.match(typed);
    const qsizetype decimals = match.captured(1).size();
    const qlonglong exponent = match.captured(2).toLongLong(); // 0 when there is none, or absurd
    return int(std::clamp<qlonglong>(decimals - exponent, 0, 30));
}

// The inputs as typed: a text the arithmetic reads as a number becomes that number.
QList<WorkbookCell> typedRow(const QStringList &row)
{
    QList<WorkbookCell> cells;
    for (const QString &cell : row)
        cells << typedCell(cell);
    return cells;
}

// A column whose figures carry units is followed by a column of those units.
QList<QList<WorkbookCell>> figureRows(const StatementTable &t)
{
    const qsizetype columns = t.header.size();
    QList<QList<std::optional<Figure>>> figures;
    QList<bool> hasUnits(columns, false);
    for (const QStringList &row : t.rows) {
        QList<std::optional<Figure>> cells;
        for (qsizetype c = 0; c < columns; ++c) {
            cells << readFigure(row.value(c));
            hasUnits[c] = hasUnits[c] || (cells.back() && !cells.back()->unit.isEmpty());
        }
        figures << cells;
    }
    QList<QList<WorkbookCell>> rows{{}};
    for (qsizetype c = 0; c < columns; ++c) {
        rows[0] << textCell(t.header[c], true);
        if (hasUnits[c])
            rows[0] << textCell(QStringLiteral("Unit"), true);
    }
    for (qsizetype r = 0; r < figures.size(); ++r) {
        QList<WorkbookCell> cells;
        for (qsizetype c = 0; c < columns; ++c) {
            const std::optional<Figure> &figure = figures[r][c];
            if (figure)
                cells << WorkbookCell{QString(), figure->number, TableFormat, false, {}};
            else
                cells << textCell(t.rows[r].value(c).trimmed().isEmpty() ? QString()
                                                                         : t.rows[r].value(c));
            if (hasUnits[c])
                cells << textCell(figure ? figure->unit : QString());
        }
        rows << cells;
    }
    return rows;
}

} // namespace

WorkbookCell typedCell(const QString &typed)
{
    try {
        const double number = toNumber(typed.toStdString());
        const int decimals = typedDecimals(typed);
        QString format = QStringLiteral("0");
        if (decimals > 0)
            format += QLatin1Char('.') + QString(decimals, QLatin1Char('0'));
        return {QString(), number, format, false, {}};
    } catch (const ComputeError &) {
        return textCell(typed);
    }
}

QList<QList<WorkbookCell>> statementHead(const Statement &s)
{
    QList<QList<WorkbookCell>> rows{boldRow({s.title})};
    const QStringList labels{QStringLiteral("Name of work"), QStringLiteral("Place"),
                             QStringLiteral("Date")};
    const QStringList values{s.details.work, s.details.place,
                             QLocale().toString(s.date, QLocale::LongFormat)};
    for (int i = 0; i < 3; ++i)
        rows << QList<WorkbookCell>{textCell(labels[i], true), textCell(values[i])};
    for (const auto &[label, value] : s.fields)
        rows << QList<WorkbookCell>{textCell(QString(label).remove(QLatin1Char(':')), true),
                                    textCell(value)};
    return rows << QList<WorkbookCell>{};
}

Workbook statementWorkbook(const Statement &statement)
{
    Workbook book;
    for (const StatementTable &table : statement.tables) {
        WorkbookSheet sheet{table.title, book.isEmpty() ? statementHead(statement)
                                                        : QList<QList<WorkbookCell>>()};
        if (table.typed) {
            sheet.rows << boldRow(table.header);
            for (const QStringList &row : table.rows)
                sheet.rows << typedRow(row);
        } else {
            sheet.rows << figureRows(table);
        }
        book << sheet;
    }
    return book;
}

} // namespace ratebook::documents
