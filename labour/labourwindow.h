// SPDX-FileCopyrightText: 2026 ratebook developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The labour statement: the mandays of each class the estimate's items need, the days summed
// and the wages they cost, and the items it does not count; live as the estimate changes.
#pragma once

#include "documents/document.h"
#include "labour/labour.h"

#include <QWidget>

class QLabel;

namespace ratebook::kit {
class ReportList;
}

// Where a whole estimate's workbook holds what the labour is worked out of: each item's
// quantity, by its No., and a day's wage of each class.
struct LabourSources
{
    std::function<QString(const QString &number)> quantity;
    std::array<QString, ratebook::LabourClassCount> wagePerDay;
};

class LabourWindow : public QWidget
{
    Q_OBJECT

public:
    // A window of `estimate`'s, sharing its name of work and place; Save… saves the whole.
    LabourWindow(QWidget *estimate, const ratebook::documents::Document &estimateDocument);

    // The items counted, the wages at the costs used, and the names of those not counted.
    void setItems(std::vector<ratebook::LabourItem> items,
                  const std::array<ratebook::Paise, ratebook::LabourClassCount> &wagePerDay,
                  const QStringList &notCounted, const QString &ratesFrom);
    // As printed: also a part of the whole estimate, where it has lines.
    ratebook::documents::Statement statement() const;
    bool hasLines() const { return m_labour && !m_labour->lines.empty(); }
    // The figures shown; none while they are too large to work out.
    const std::optional<ratebook::Labour> &labour() const { return m_labour; }
    // Its workbook's sheet of `statement`; with `sources`, each figure also a formula of them.
    ratebook::documents::WorkbookSheet
    workbookSheet(const ratebook::documents::Statement &statement,
                  const LabourSources *sources = nullptr) const;

private:
    void addFormulas(ratebook::documents::WorkbookSheet &sheet, int first,
                     const LabourSources &sources) const;

    std::vector<ratebook::LabourItem> m_items;
    std::optional<ratebook::Labour> m_labour; // none while the figures are too large
    QString m_ratesFrom;
    ratebook::kit::ReportList *m_table;
    QLabel *m_notes;
};
