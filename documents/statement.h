// SPDX-FileCopyrightText: 2026 ratebook developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A window's result set out to hand on: the statement that is printed and exported as
// PDF (one layout, laid out on any paged device).
#pragma once

#include "kit/dialogs.h"

#include <QDate>
#include <QList>
#include <QPageSize>
#include <QStringList>

class QPagedPaintDevice;

namespace ratebook::documents {

// One input as the window shows it: what it is, its text as typed, and its unit.
struct StatementInput
{
    QString name;
    QString text;
    QString unit;
};

struct Statement
{
    QString title;
    QString inputsTitle; // heading over the inputs
    QStringList inputsHeader; // what, its figure, its unit
    QString tableTitle;  // heading over the table
    kit::WorkDetails details;
    QDate date;
    QList<StatementInput> inputs;
    QStringList header;      // the table's column headers
    QList<QStringList> rows; // its cells exactly as shown
};

// A4, or Letter where the locale measures in US units.
QPageSize::PageSizeId localPaperSize();

// Lays the statement out over as many pages as it needs, each numbered "Page n of N".
// The device's page size and resolution are set by the caller; false if it cannot be
// painted on.
bool paintStatement(QPagedPaintDevice &device, const Statement &statement);

} // namespace ratebook::documents
