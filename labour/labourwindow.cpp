// SPDX-FileCopyrightText: 2026 ratebook developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "labour/labourwindow.h"

#include "kit/reportlist.h"
#include "kit/uikit.h"

#include <QHeaderView>
#include <QLabel>
#include <QVBoxLayout>

using namespace ratebook;
using documents::WorkbookCell;

namespace {

enum Column {
    NoColumn,
    DescriptionColumn,
    QuantityColumn,
    UnitColumn,
    FirstClassColumn,
    ColumnCount = FirstClassColumn + 4
};

const char *const Headers[ColumnCount] = {"No.",         "Description",     "Quantity",
                                          "Unit",        "Mason 1st class", "Mason 2nd class",
                                          "Man mazdoor", "Woman mazdoor"};
const double ColumnTwips[ColumnCount] = {500, 4500, 1150, 650, 1500, 1500, 1500, 1500};

QString text(const std::string &s) { return QString::fromStdString(s); }
QString days(Days d) { return text(fixedText(d, 2)); }
QString money(Paise p) { return text(fixedText(p, 2, true)); }

// The rows after the items: the days of each class, a day's wage, the wages, and their total.
enum TotalRow { TotalDays, WagePerDay, Wages, TotalWages };

QStringList totalRow(const Labour &labour, TotalRow row)
{
    const char *const names[] = {"Total days", "Wage per day", "Wages", "Total wages"};
    QStringList cells(ColumnCount);
    cells[DescriptionColumn] = QString::fromLatin1(names[row]);
    for (std::size_t c = 0; c < LabourClassCount && row != TotalWages; ++c) {
        const int column = FirstClassColumn + int(c);
        cells[column] = row == TotalDays ? days(labour.days[c])
                        : row == WagePerDay ? money(labour.wagePerDay[c]) : money(labour.wages[c]);
    }
    if (row == TotalWages)
        cells[ColumnCount - 1] = money(labour.totalWages);
    return cells;
}

} // namespace

LabourWindow::LabourWindow(QWidget *estimate, const documents::Document &estimateDocument)
    : QWidget(estimate, Qt::Window)
{
    setObjectName(QStringLiteral("LabourStatement"));
    setWindowTitle(QStringLiteral("Labour Statement"));
    setFont(kit::sansFont(8.25));
    m_table = new kit::ReportList(this, "ListView1", kit::sansFont(9.75));
    for (int column = 0; column < ColumnCount; ++column) {
        const bool figures = column == QuantityColumn || column >= FirstClassColumn;
        m_table->addColumn(QString::fromLatin1(Headers[column]), ColumnTwips[column],
                           figures ? Qt::AlignRight : Qt::AlignLeft);
    }
    m_table->header()->setStretchLastSection(true);
    m_table->setAccessibleName(windowTitle());
    m_notes = new QLabel(this);
    m_notes->setObjectName(QStringLiteral("notCounted"));
    m_notes->setWordWrap(true);
    const auto workbook = [this](const documents::Statement &s) {
        return documents::Workbook{workbookSheet(s)};
    };
    const auto statement = [this] { return this->statement(); };
    documents::Document::partOf(estimateDocument, m_table,
                                {.statement = statement, .workbook = workbook});
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_table, 1);
    layout->addWidget(m_notes);
    resize(kit::pixels(13600), kit::pixels(5000));
}

void LabourWindow::setItems(std::vector<LabourItem> items,
                            const std::array<Paise, LabourClassCount> &wagePerDay,
                            const QStringList &notCounted, const QString &ratesFrom)
{
    m_items = std::move(items);
    m_ratesFrom = ratesFrom;
    m_table->clear();
    try {
        m_labour = workOutLabour(m_items, wagePerDay);
    } catch (const ComputeError &) {
        m_labour.reset();
        m_notes->setText(tr("No figures: they are too large to work out."));
        return;
    }
    for (std::size_t i = 0; i < m_items.size(); ++i) {
        const LabourItem &item = m_items[i];
        QStringList cells{text(item.number), text(item.description),
                          text(fixedText(item.quantity, 3)), text(item.unit)};
        for (const std::optional<Days> &d : m_labour->lines[i])
            cells << (d ? days(*d) : QString());
        m_table->appendRow(cells);
    }
    for (const TotalRow row : {TotalDays, WagePerDay, Wages, TotalWages})
        m_table->appendRow(totalRow(*m_labour, row));
    m_notes->setText(notCounted.isEmpty()
                         ? QString()
                         : tr("Not counted, having no labour in the data sheet: %1.")
                               .arg(notCounted.join(QStringLiteral(", "))));
}

documents::Statement LabourWindow::statement() const
{
    documents::StatementTable table{{}, m_table->headerTexts(), m_table->rowTexts(), {}, {}, false};
    for (int column = QuantityColumn; column < ColumnCount; ++column) {
        if (column != UnitColumn)
            table.figureColumns << column;
    }
    for (int row = int(m_items.size()); row < m_table->topLevelItemCount(); ++row)
        table.boldRows << row;
    QStringList notes;
    if (!m_notes->text().isEmpty())
        notes << m_notes->text();
    return {windowTitle(), documents::Document::of(this)->details(), QDate::currentDate(),
            {{tr("Rates from:"), m_ratesFrom}}, {table}, notes};
}

// Figures as numbers: days to two decimals, money grouped in lakhs and crores.
documents::WorkbookSheet LabourWindow::workbookSheet(const documents::Statement &s,
                                                     const LabourSources *sources) const
{
    documents::WorkbookSheet sheet{s.title, documents::statementHead(s)};
    sheet.rows << documents::boldRow(s.tables[0].header);
    const int first = int(sheet.rows.size());
    for (qsizetype r = 0; r < s.tables[0].rows.size(); ++r) {
        const QStringList &shown = s.tables[0].rows[r];
        const bool item = r < qsizetype(m_items.size());
        QList<WorkbookCell> cells;
        for (int column = 0; column < ColumnCount; ++column) {
            const QString &cell = shown[column];
            const bool figure = column == QuantityColumn || column >= FirstClassColumn;
            if (!figure || cell.isEmpty()) {
                cells << documents::textCell(cell, !item && column == DescriptionColumn);
                continue;
            }
            // Days and quantities are shown ungrouped, to the decimals their cells take.
            const bool paise = !item && r - qsizetype(m_items.size()) != TotalDays;
            cells << (paise ? documents::moneyCell(parseFixed(cell.toStdString(), 2))
                            : documents::typedCell(cell));
        }
        sheet.rows << cells;
    }
    if (sources && m_labour)
        addFormulas(sheet, first, *sources);
    for (const QString &note : s.notes)
        sheet.rows << QList<WorkbookCell>{} << QList<WorkbookCell>{{}, documents::textCell(note)};
    return sheet;
}

// The days as formulas of the quantities, their sums, a day's wage of each class, the wages
// and their total; the items' rows from `first`.
void LabourWindow::addFormulas(documents::WorkbookSheet &sheet, int first,
                               const LabourSources &sources) const
{
    using documents::cellName;
    const int totals = first + int(m_labour->lines.size());
    for (std::size_t i = 0; i < m_labour->lines.size(); ++i) {
        const LabourItem &item = m_items[i];
        QList<WorkbookCell> &cells = sheet.rows[first + qsizetype(i)];
        const QString quantity = sources.quantity(text(item.number));
        cells[QuantityColumn].formula = quantity;
        for (const LabourTerm &term : item.perUnit) {
            cells[FirstClassColumn + int(term.worker - FirstLabourClass)].formula
                = QStringLiteral("ROUND(ROUND(%1,3)*%2/%3,2)")
                      .arg(quantity, QString::number(term.perUnit, 'g', 15))
                      .arg(item.per);
        }
    }
    QStringList wages;
    for (std::size_t c = 0; c < LabourClassCount; ++c) {
        const int column = FirstClassColumn + int(c);
        const QString days = QStringLiteral("%1:%2").arg(cellName(column, first),
                                                         cellName(column, totals - 1));
        sheet.rows[totals + TotalDays][column].formula = QStringLiteral("SUM(%1)").arg(days);
        sheet.rows[totals + WagePerDay][column].formula
            = QStringLiteral("ROUND(%1,2)").arg(sources.wagePerDay[c]);
        sheet.rows[totals + Wages][column].formula
            = QStringLiteral("ROUND(%1*%2,2)")
                  .arg(cellName(column, totals + TotalDays), cellName(column, totals + WagePerDay));
        wages << cellName(column, totals + Wages);
    }
    sheet.rows[totals + TotalWages][ColumnCount - 1].formula
        = QStringLiteral("SUM(%1)").arg(wages.join(QLatin1Char(',')));
}
