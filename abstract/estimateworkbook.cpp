// SPDX-FileCopyrightText: 2026 ratebook developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The whole estimate as one workbook that a spreadsheet works out again: the nine costs; the
// rates as formulas of them; the measurements; the abstract, its quantities the measured nets
// or the figures typed and its analysed rates those of the rates sheet; the materials and the
// labour as formulas of the abstract's quantities. Every formula carries the figure shown.
#include "abstract/abstractsheet.h"
#include "abstract/abstractwindow.h"

#include "documents/figure.h"
#include "labour/labourwindow.h"
#include "measurement/measurementmodel.h"
#include "measurement/measurementwindow.h"

#include <QCoreApplication>

using namespace ratebook;
using documents::cellName;
using documents::WorkbookCell;
using documents::WorkbookSheet;

namespace {

QString text(const std::string &s) { return QString::fromStdString(s); }
QString on(const QString &sheet, int column, int row)
{
    return sheet + QLatin1Char('!') + cellName(column, row);
}

WorkbookCell figure(double value, const QString &format, const QString &formula = {})
{
    return {QString(), value, format, false, formula};
}

double shown(double value) { return double(shownUnits(value, 2)) / 100; }

// The nine costs as numbers, and where each stands; the table of the data sheet's statement.
WorkbookSheet costsSheet(const documents::StatementTable &inputs,
                         std::array<std::string, CostInputCount> &cells)
{
    WorkbookSheet sheet{
        QStringLiteral("Costs"),
        {documents::boldRow({inputs.title}), {}, documents::boldRow(inputs.header)}};
    for (std::size_t i = 0; i < CostInputCount; ++i) {
        cells[i] = on(sheet.name, 1, int(sheet.rows.size())).toStdString();
        const QStringList &row = inputs.rows[qsizetype(i)];
        sheet.rows << QList<WorkbookCell>{documents::textCell(row[0]), documents::typedCell(row[1]),
                                          documents::textCell(row[2])};
    }
    return sheet;
}

// The ten rows of the rate table, each figure rounded as the table rounds it.
WorkbookSheet ratesSheet(const documents::StatementTable &table,
                         const std::array<UnitRate, RateItemCount> &rates,
                         const std::array<std::string, CostInputCount> &costCells, int *firstRow)
{
    WorkbookSheet sheet{QStringLiteral("Rates"),
                        {documents::boldRow({table.title}), {}, documents::boldRow(table.header)}};
    *firstRow = int(sheet.rows.size());
    const std::array<RateFormulas, RateItemCount> formulas = rateFormulas(costCells);
    const QString format = QStringLiteral("0.00");
    for (std::size_t row = 0; row < RateItemCount; ++row) {
        QList<WorkbookCell> cells{
            documents::textCell(table.rows[qsizetype(row)][0]),
            figure(shown(rates[row].material), format, text(formulas[row].material))};
        if (rates[row].labour) {
            cells << figure(shown(*rates[row].labour), format, text(formulas[row].labour))
                  << figure(shown(*rates[row].total), format, text(formulas[row].total));
        }
        sheet.rows << cells;
    }
    return sheet;
}

} // namespace

documents::Workbook AbstractWindow::wholeWorkbook()
{
    const documents::WorkDetails details = m_document->details();
    const documents::Statement rates = m_judge.statement(m_costs.texts, details);
    std::array<std::string, CostInputCount> costCells;
    int firstRate = 0;
    documents::Workbook book{costsSheet(rates.tables[0], costCells),
                             ratesSheet(rates.tables[1], m_inputs.rates, costCells, &firstRate)};

    // The measured nets, by the item they measure.
    QMap<QString, QString> nets;
    if (!m_measurements->isEmpty()) {
        book << measurementSheet()->workbookSheet();
        book.back().name = QStringLiteral("Measurements");
        const int top = int(book.back().rows.size()) - m_measurements->rowCount();
        for (int row = 0; row < m_measurements->rowCount(); ++row) {
            if (m_measurements->rowKind(row) == MeasurementModel::RowKind::Net)
                nets.insert(m_measurements->keyOf(row),
                            on(book.back().name, MeasurementModel::QuantityColumn, top + row));
        }
    }

    // One of the twelve takes its net where the extractor holds it, else the figure it holds.
    const auto net = [&](const AbstractLine &line) -> QString {
        const QString key = text(line.number);
        const std::optional<Hundredths> measured = m_measurements->measured(key);
        return measured && inThousandths(*measured) == line.quantity ? nets.value(key) : QString();
    };
    const QString abstractName = QStringLiteral("Abstract");
    const AbstractSources sources{
        [&](const AbstractLine &line) {
            const double held = line.item > 0
                                    ? toNumber(m_inputs.quantities[std::size_t(line.item - 1)])
                                    : double(line.quantity) / 1000;
            return figure(held, QStringLiteral("0.000"), net(line));
        },
        [&](const AbstractLine &line) {
            if (line.rateKind != AbstractLine::Rate::Analysed
                && line.rateKind != AbstractLine::Rate::MaterialOnly)
                return QString();
            const int column = line.rateKind == AbstractLine::Rate::MaterialOnly ? 1 : 3;
            return on(QStringLiteral("Rates"), column, firstRate + rateRowOf(line.item));
        }};
    QMap<QString, int> quantityRows;
    book << abstractSheet(*m_abstract, m_inputs, m_document->statement(), sources, &quantityRows);
    book.back().name = abstractName;
    const auto quantityOf = [&](const QString &number) {
        return on(abstractName, QuantityColumn, quantityRows.value(number));
    };

    // The materials: the twelve quantities, those of the abstract where it shows them, then the
    // material table as formulas of them.
    WorkbookSheet materials{QStringLiteral("Materials"),
                            {documents::boldRow({tr("Quantities of work")}), {}}};
    std::array<std::string, WorkItemCount> quantityCells;
    for (std::size_t i = 0; i < WorkItemCount; ++i) {
        const QString number = QString::number(i + 1);
        quantityCells[i] = on(materials.name, 2, int(materials.rows.size())).toStdString();
        const QString held = quantityRows.contains(number) ? quantityOf(number) : QString();
        materials.rows << QList<WorkbookCell>{
            figure(double(i + 1), QStringLiteral("0")),
            documents::textCell(text(itemName(int(i + 1)))),
            figure(toNumber(m_inputs.quantities[i]), QStringLiteral("0.000"), held)};
    }
    const documents::StatementTable table
        = documents::Document::of(m_extractor)->statement().tables[1];
    materials.rows << QList<WorkbookCell>{} << documents::boldRow({table.title});
    QList<WorkbookCell> header;
    for (const QString &caption : table.header)
        header << documents::textCell(caption, true) << documents::textCell(tr("Unit"), true);
    materials.rows << header;
    const MaterialTable formulas = materialFormulas(quantityCells);
    for (qsizetype r = 0; r < table.rows.size(); ++r) {
        QList<WorkbookCell> cells;
        for (qsizetype c = 0; c < table.header.size(); ++c) {
            const std::optional<documents::Figure> f = documents::readFigure(table.rows[r][c]);
            const QString format = r == 1 ? QStringLiteral("0.00") : QStringLiteral("00.00");
            if (f)
                cells << figure(f->number, format, text(formulas[std::size_t(r)][std::size_t(c)]))
                      << documents::textCell(f->unit);
            else
                cells << WorkbookCell{} << WorkbookCell{};
        }
        materials.rows << cells;
    }
    book << materials;
    book << labourSheet(quantityOf, costCells);
    return book;
}

// The labour statement's sheet, its figures formulas of the abstract's quantities and the
// costs sheet's wages.
WorkbookSheet
AbstractWindow::labourSheet(const std::function<QString(const QString &number)> &quantityOf,
                            const std::array<std::string, CostInputCount> &costCells)
{
    LabourSources sources{quantityOf, {}};
    for (std::size_t c = 0; c < LabourClassCount; ++c)
        sources.wagePerDay[c] = text(costCells[FirstLabourClass + c]);
    const LabourWindow *statement = labour();
    WorkbookSheet sheet = statement->workbookSheet(statement->statement(), &sources);
    sheet.name = QStringLiteral("Labour");
    return sheet;
}
