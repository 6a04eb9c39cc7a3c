// SPDX-FileCopyrightText: 2026 ratebook developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A window's result set out to hand on: the statement that is printed and exported as
// PDF (one layout, laid out on any paged device).
#pragma once

#include "documents/workfile.h"

#include <QDate>
#include <QList>
#include <QPageSize>
#include <QStringList>

class QPagedPaintDevice;

namespace ratebook::documents {

// A table as the window shows it, every cell as shown.
struct StatementTable
{
    QString title; // the heading over it; none for none
    QStringList header;
    QList<QStringList> rows;
    QList<int> boldRows;      // sub-heads and totals
    QList<int> figureColumns; // set flush right; none given, those the figure rule finds
    bool typed = false;       // inputs as typed, which the workbook reads as numbers
};

struct Statement
{
    QString title;
    WorkDetails details;
    QDate date;
    QList<std::pair<QString, QString>> fields; // more "label: value" lines after the date
    QList<StatementTable> tables;
    QStringList notes; // under the tables: warnings, the figure in words
};

// A4, or Letter where the locale measures in US units.
QPageSize::PageSizeId localPaperSize();

// The first page of a whole estimate: what it is and what it costs, a report, the parts that
// follow with the page each starts on, and who signs it.
struct FacePage
{
    QString title; // "Estimate"
    QString work;
    QList<std::pair<QString, QString>> fields; // "label:", value
    QStringList report;                        // paragraphs
    QList<std::pair<QString, QString>> signatures; // "Prepared by", who
};

// Lays the statement out over as many pages as it needs, each numbered "Page n of N", a
// table's header again at the top of each page it runs on to.
// The device's page size and resolution are set by the caller; false if it cannot be
// painted on.
bool paintStatement(QPagedPaintDevice &device, const Statement &statement);
// The face page, then each part from a new page, as its own statement lays it out; every page
// headed by the name of work and "Page n of N" counted over them all.
bool paintBundle(QPagedPaintDevice &device, const FacePage &face, const QList<Statement> &parts);

} // namespace ratebook::documents
