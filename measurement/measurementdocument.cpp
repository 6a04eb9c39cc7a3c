// SPDX-FileCopyrightText: 2026 ratebook developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The details of measurement handed on: the statement shows the rows as the window does;
// in the workbook each line's quantity is ROUND(PRODUCT(Nos:Depth), 2) of its cells and each
// net the sum of the lines less the sum of the deductions, every formula with its value.
#include "measurement/measurementmodel.h"
#include "measurement/measurementwindow.h"

#include "kit/reportlist.h"

#include <QTreeView>

using namespace ratebook;
using documents::WorkbookCell;
using Model = MeasurementModel;

namespace {

using documents::cellName;

QString range(int column, int first, int last)
{
    return cellName(column, first) + QLatin1Char(':') + cellName(column, last);
}

WorkbookCell quantityCell(const QString &shown, const QString &formula)
{
    return {QString(), shown.toDouble(), QStringLiteral("0.00"), false, formula};
}

// SUM of the quantities from row `first` to `last`, or none when there are none.
QString sumOf(int first, int last)
{
    return first > last ? QStringLiteral("0")
                        : QStringLiteral("SUM(%1)").arg(range(Model::QuantityColumn, first, last));
}

} // namespace

documents::Statement MeasurementWindow::statement() const
{
    documents::StatementTable table{{},   kit::headerTexts(m_view), kit::rowTexts(m_view), {}, {},
                                    false};
    for (int column = Model::NosColumn; column <= Model::QuantityColumn; ++column)
        table.figureColumns << column;
    for (int row = 0; row < m_model->rowCount(); ++row) {
        if (m_model->rowKind(row) != Model::RowKind::Line)
            table.boldRows << row;
    }
    return {windowTitle(),
            documents::Document::of(this)->details(),
            QDate::currentDate(),
            {},
            {table},
            {}};
}

documents::WorkbookSheet MeasurementWindow::workbookSheet() const
{
    return workbook(statement()).front();
}

documents::Workbook MeasurementWindow::workbook(const documents::Statement &s) const
{
    documents::WorkbookSheet sheet{s.title, documents::statementHead(s)};
    sheet.rows << documents::boldRow(s.tables[0].header);
    const int top = int(sheet.rows.size()); // the sheet's row of the model's first
    int lines = 0, deductions = 0;           // where the item's lines and deductions start
    for (int row = 0; row < m_model->rowCount(); ++row) {
        const int r = top + row;
        const QStringList shown = s.tables[0].rows[row];
        QList<WorkbookCell> cells(Model::ColumnCount);
        const auto kind = m_model->rowKind(row);
        const bool bold = kind != Model::RowKind::Line;
        cells[Model::NoColumn] = documents::textCell(shown[Model::NoColumn], bold);
        cells[Model::ParticularsColumn] = documents::textCell(shown[Model::ParticularsColumn],
                                                              bold);
        cells[Model::UnitColumn] = documents::textCell(shown[Model::UnitColumn], bold);
        switch (kind) {
        case Model::RowKind::Item:
            lines = r + 1;
            deductions = -1;
            break;
        case Model::RowKind::Line:
            for (int column = Model::NosColumn; column <= Model::DepthColumn; ++column)
                cells[column] = documents::typedCell(shown[column]);
            if (!shown[Model::QuantityColumn].isEmpty()) {
                const QString product = QStringLiteral("ROUND(PRODUCT(%1:%2),2)")
                                            .arg(cellName(Model::NosColumn, r),
                                                 cellName(Model::DepthColumn, r));
                cells[Model::QuantityColumn] = quantityCell(shown[Model::QuantityColumn], product);
            }
            break;
        case Model::RowKind::Gross:
            deductions = r + 1;
            cells[Model::QuantityColumn] = quantityCell(shown[Model::QuantityColumn],
                                                        sumOf(lines, r - 1));
            break;
        case Model::RowKind::Deductions:
            cells[Model::QuantityColumn] = quantityCell(shown[Model::QuantityColumn],
                                                        sumOf(deductions, r - 1));
            break;
        case Model::RowKind::Net: {
            const int measuredEnd = deductions < 0 ? r - 1 : deductions - 2;
            QString net = sumOf(lines, measuredEnd);
            if (deductions >= 0)
                net += QLatin1Char('-') + sumOf(deductions, r - 2);
            if (!shown[Model::QuantityColumn].isEmpty())
                cells[Model::QuantityColumn] = quantityCell(shown[Model::QuantityColumn], net);
            break;
        }
        }
        sheet.rows << cells;
    }
    return {sheet};
}
