// SPDX-FileCopyrightText: 2026 ratebook developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The abstract handed on: its statement, the rows as the window shows them, and its sheet of
// a workbook.
#include "abstract/abstractsheet.h"
#include "abstract/abstractwindow.h"
#include "kit/reportlist.h"

#include <QCoreApplication>
#include <QLabel>

using namespace ratebook;

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
    return {
        windowTitle(), m_document->details(), QDate::currentDate(), {{tr("Rates from:"), source()}},
        {table},       {m_words->text()}};
}

namespace ratebook {

using documents::cellName;

namespace {

// A formula's text of a figure grouped in lakhs and crores, negatives too.
QString indianText(const QString &figure)
{
    QString text = QStringLiteral("TEXT(%1,\"#,##0.00\")").arg(figure);
    // Each test a size up: a lakh, a crore, a hundred crore, ten thousand crore.
    for (int groups = 2; groups <= 5; ++groups) {
        const QString pattern = QStringLiteral("##\\,").repeated(groups) + QStringLiteral("##0.00");
        text = QStringLiteral("IF(ABS(%1)>=1E%2,TEXT(%1,\"%3\"),%4)")
                   .arg(figure)
                   .arg(2 * groups + 1)
                   .arg(pattern, text);
    }
    return text;
}

QString quoted(const QString &text)
{
    return QLatin1Char('"') + QString(text).replace(QLatin1Char('"'), QStringLiteral("\"\""))
           + QLatin1Char('"');
}

// Words that say which figure they spell: should the figure change, they say they no longer
// spell it.
documents::WorkbookCell wordsCell(const QString &figureCell, Paise figure)
{
    const QString words = QString::fromStdString(rupeesInWords(figure));
    const QString shown = QCoreApplication::translate("Abstract", "In words: %1").arg(words);
    const QString stale = QCoreApplication::translate(
                              "Abstract", "In words, of %1 and not of the figure above: %2")
                              .arg(money(figure), words);
    const QString formula = QStringLiteral("IF(ROUND(%1,2)=%2,%3,%4)")
                                .arg(figureCell, QString::fromStdString(fixedText(figure, 2)),
                                     quoted(shown), quoted(stale));
    return {shown, std::nullopt, {}, false, formula};
}

} // namespace

documents::WorkbookSheet abstractSheet(const Abstract &a, const EstimateInputs &inputs,
                                       const documents::Statement &s,
                                       const AbstractSources &sources,
                                       QMap<QString, int> *quantityRows)
{
    using documents::moneyCell;
    using documents::WorkbookCell;
    documents::WorkbookSheet sheet{s.title, documents::statementHead(s)};
    sheet.rows << documents::boldRow(s.tables[0].header);
    std::vector<const AbstractLine *> lines;
    for (const AbstractHead &head : a.heads) {
        for (const AbstractLine &line : head.lines)
            lines.push_back(&line);
    }
    auto nextLine = lines.cbegin();
    std::size_t head = 0;
    int firstItem = 0, totalRow = 0;
    QStringList subtotals;
    for (const AbstractRow &row : abstractRows(a, inputs)) {
        const int r = int(sheet.rows.size());
        QList<WorkbookCell> cells(ColumnCount);
        cells[DescriptionColumn] = documents::textCell(row.cells[DescriptionColumn],
                                                       isBold(row.kind));
        const QString above = cellName(AmountColumn, totalRow) + QLatin1Char(':')
                              + cellName(AmountColumn, r - 1);
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
            cells[QuantityColumn] = sources.quantity(line);
            if (quantityRows)
                quantityRows->insert(row.cells[NoColumn], r);
            cells[UnitColumn] = documents::textCell(row.cells[UnitColumn]);
            cells[PerColumn] = {QString(),
                                double(line.per),
                                QStringLiteral("0\" %1\"").arg(row.cells[UnitColumn]),
                                false,
                                {}};
            const QString mark = row.cells[RateColumn].section(QLatin1Char(' '), 1);
            if (line.rateKind == AbstractLine::Rate::None)
                cells[RateColumn] = documents::textCell(row.cells[RateColumn]);
            else
                cells[RateColumn] = moneyCell(line.rate, sources.rate(line),
                                              mark.isEmpty() ? QString() : QLatin1Char(' ') + mark);
            if (line.amount) {
                const QString formula = QStringLiteral("ROUND(ROUND(%1,3)*%2/%3,2)")
                                            .arg(cellName(QuantityColumn, r),
                                                 cellName(RateColumn, r), cellName(PerColumn, r));
                cells[AmountColumn] = moneyCell(*line.amount, formula);
            }
            break;
        }
        case RowKind::Subtotal:
            subtotals << cellName(AmountColumn, r);
            cells[AmountColumn] = moneyCell(
                a.heads[head++].subtotal,
                QStringLiteral("SUM(%1:%2)")
                    .arg(cellName(AmountColumn, firstItem), cellName(AmountColumn, r - 1)));
            break;
        case RowKind::Total:
            totalRow = r;
            cells[AmountColumn] = moneyCell(
                a.total, subtotals.isEmpty()
                             ? QString()
                             : QStringLiteral("SUM(%1)").arg(subtotals.join(QLatin1Char(','))));
            break;
        case RowKind::AddOn: {
            const AddOnLine &addOn = a.addOns[std::size_t(row.index)];
            const QString percent = QString::fromStdString(percentText(addOn.addOn.percent));
            const QString base = QStringLiteral("SUM(%1)").arg(above);
            // The label quotes its base: it follows it.
            const QString label = quoted(
                QStringLiteral("%1 @ %2 % on ")
                    .arg(QString::fromStdString(addOn.addOn.label), percent));
            cells[DescriptionColumn].formula = label + QLatin1Char('&') + indianText(base);
            cells[AmountColumn] = moneyCell(
                addOn.amount, QStringLiteral("ROUND(%1*%2/100,2)").arg(base, percent));
            break;
        }
        case RowKind::GrandTotal:
            cells[AmountColumn] = moneyCell(a.grandTotal, QStringLiteral("SUM(%1)").arg(above));
            break;
        case RowKind::Say: {
            const int places = -int(std::to_string(inputs.sayTo).size() - 1);
            cells[AmountColumn] = moneyCell(
                *a.say,
                QStringLiteral("ROUND(%1,%2)").arg(cellName(AmountColumn, r - 1)).arg(places));
            break;
        }
        }
        sheet.rows << cells;
    }
    const QString last = cellName(AmountColumn, int(sheet.rows.size()) - 1);
    sheet.rows << QList<WorkbookCell>{}
               << QList<WorkbookCell>{{}, wordsCell(last, a.finalFigure())};
    return sheet;
}

} // namespace ratebook

// Its own: every quantity and rate the figure shown.
documents::Workbook AbstractWindow::workbook(const documents::Statement &s) const
{
    const AbstractSources figures{
        [](const AbstractLine &line) {
            return documents::WorkbookCell{
                QString(), double(line.quantity) / 1000, QStringLiteral("0.000"), false, {}};
        },
        [](const AbstractLine &) { return QString(); }};
    return {abstractSheet(*m_abstract, m_inputs, s, figures)};
}
