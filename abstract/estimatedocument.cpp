// SPDX-FileCopyrightText: 2026 ratebook developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The abstract handed on: its statement, and its workbook, where every amount is a formula
// that works out to the figure shown.
#include "abstract/abstractrows.h"
#include "abstract/abstractwindow.h"
#include "common/numbertext.h"
#include "kit/reportlist.h"

#include <QLabel>
#include <QLocale>

#include <algorithm>

using namespace ratebook;
using documents::WorkbookCell;
using documents::moneyCell;

namespace {

QString column(int column) { return QString(QLatin1Char(char('A' + column))); }
QString cell(int column, int row) { return ::column(column) + QString::number(row + 1); }

} // namespace

// The rows as the window shows them, the sub-heads and totals in bold, then the words.
documents::Statement AbstractWindow::statement() const
{
    documents::StatementTable table{{}, m_table->headerTexts(), m_table->rowTexts(), {}, {}, false};
    for (int column = 0; column < ColumnCount; ++column) {
        if (isFigureColumn(column))
            table.figureColumns << column;
    }
    for (int row = 0; row < m_table->topLevelItemCount(); ++row) {
        if (isBold(RowKind(m_table->topLevelItem(row)->data(0, KindRole).toInt())))
            table.boldRows << row;
    }
    return {windowTitle(), m_document->details(), QDate::currentDate(), {{tr("Rates from:"), source()}}, {table},
            {m_words->text()}};
}

// One sheet: the details, then the table with each amount ROUND(quantity*rate/per, 2), each
// subtotal and total a SUM, each add-on ROUND(base*p/100, 2), Say rounded as chosen.
documents::Workbook AbstractWindow::workbook(const documents::Statement &s) const
{
    documents::WorkbookSheet sheet{s.title, documents::statementHead(s)};
    sheet.rows << documents::boldRow(m_table->headerTexts());

    std::vector<const AbstractLine *> lines;
    for (const AbstractHead &head : m_abstract->heads) {
        for (const AbstractLine &line : head.lines)
            lines.push_back(&line);
    }
    auto nextLine = lines.cbegin();
    std::size_t head = 0;
    int firstItem = 0, totalRow = 0;
    QStringList subtotals;
    for (const AbstractRow &row : abstractRows(*m_abstract, m_inputs)) {
        const int r = int(sheet.rows.size());
        QList<WorkbookCell> cells(ColumnCount);
        cells[DescriptionColumn] = documents::textCell(row.cells[DescriptionColumn], isBold(row.kind));
        const QString above = cell(AmountColumn, totalRow) + QLatin1Char(':') + cell(AmountColumn, r - 1);
        switch (row.kind) {
        case RowKind::Head:
            firstItem = r + 1;
            break;
        case RowKind::Item:
        case RowKind::OwnItem: {
            const AbstractLine &line = **nextLine++;
            if (line.item > 0)
                cells[NoColumn] = {QString(), double(line.item), QStringLiteral("0"), false, {}};
            else
                cells[NoColumn] = documents::textCell(row.cells[NoColumn]);
            cells[QuantityColumn] = {QString(), double(line.quantity) / 1000, QStringLiteral("0.000"), false, {}};
            cells[UnitColumn] = documents::textCell(row.cells[UnitColumn]);
            const QString unit = QStringLiteral("0\" %1\"").arg(row.cells[UnitColumn]);
            cells[PerColumn] = {QString(), double(line.per), unit, false, {}};
            const QString mark = row.cells[RateColumn].section(QLatin1Char(' '), 1);
            if (line.rateKind == AbstractLine::Rate::None)
                cells[RateColumn] = documents::textCell(row.cells[RateColumn]);
            else
                cells[RateColumn] = moneyCell(line.rate, {}, mark.isEmpty() ? QString() : QLatin1Char(' ') + mark);
            if (line.amount) {
                const QString formula = QStringLiteral("ROUND(%1*%2/%3,2)")
                                            .arg(cell(QuantityColumn, r), cell(RateColumn, r), cell(PerColumn, r));
                cells[AmountColumn] = moneyCell(*line.amount, formula);
            }
            break;
        }
        case RowKind::Subtotal:
            subtotals << cell(AmountColumn, r);
            cells[AmountColumn] = moneyCell(m_abstract->heads[head++].subtotal,
                                            QStringLiteral("SUM(%1:%2)").arg(cell(AmountColumn, firstItem),
                                                                            cell(AmountColumn, r - 1)));
            break;
        case RowKind::Total:
            totalRow = r;
            cells[AmountColumn] = moneyCell(m_abstract->total, subtotals.isEmpty() ? QString()
                                                : QStringLiteral("SUM(%1)").arg(subtotals.join(QLatin1Char(','))));
            break;
        case RowKind::AddOn: {
            const AddOnLine &addOn = m_abstract->addOns[std::size_t(row.index)];
            const QString percent = QString::fromStdString(percentText(addOn.addOn.percent));
            cells[AmountColumn] = moneyCell(addOn.amount, QStringLiteral("ROUND(SUM(%1)*%2/100,2)").arg(above, percent));
            break;
        }
        case RowKind::GrandTotal:
            cells[AmountColumn] = moneyCell(m_abstract->grandTotal, QStringLiteral("SUM(%1)").arg(above));
            break;
        case RowKind::Say: {
            const int places = -int(std::to_string(m_inputs.sayTo).size() - 1);
            cells[AmountColumn] = moneyCell(*m_abstract->say, QStringLiteral("ROUND(%1,%2)")
                                                                  .arg(cell(AmountColumn, r - 1)).arg(places));
            break;
        }
        }
        sheet.rows << cells;
    }
    sheet.rows << QList<WorkbookCell>{} << QList<WorkbookCell>{{}, documents::textCell(m_words->text())};
    return {sheet};
}
