// SPDX-FileCopyrightText: 2026 ratebook developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The details of measurement: a window of its own over an estimate's measurement lines,
// typed as a sheet is, cell after cell; its statement and its workbook. The estimate it
// belongs to keeps the lines and saves them.
#pragma once

#include "documents/document.h"

#include <QWidget>

class MeasurementModel;
class QTreeView;

class MeasurementWindow : public QWidget
{
    Q_OBJECT

public:
    // A window of `estimate`'s, sharing its name of work and place; Save… saves the whole
    // estimate.
    MeasurementWindow(QWidget *estimate, MeasurementModel *model,
                      const ratebook::documents::Document &estimateDocument);

    // Shows the item's lines, with a first one if it has none, ready for typing.
    void measure(const QString &key);
    // Its workbook's sheet, as its Export to spreadsheet… writes it; the model's rows are its
    // last.
    ratebook::documents::WorkbookSheet workbookSheet() const;

private:
    void askItem();
    void goTo(const QModelIndex &index);
    ratebook::documents::Statement statement() const;
    ratebook::documents::Workbook workbook(const ratebook::documents::Statement &statement) const;

    MeasurementModel *m_model;
    QTreeView *m_view;
};
