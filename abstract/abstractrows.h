// SPDX-FileCopyrightText: 2026 ratebook developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The abstract as rows of text: the window's table, the statement and the workbook show the
// same rows, sub-heads, subtotals, totals and add-ons among the items.
#pragma once

#include "abstract/estimate.h"

#include <QStringList>

class QTreeWidgetItem;

namespace ratebook {

enum Column {
    NoColumn,
    DescriptionColumn,
    QuantityColumn,
    UnitColumn,
    RateColumn,
    PerColumn,
    AmountColumn,
    ColumnCount
};

inline constexpr const char *Headers[ColumnCount] = {"No.",  "Description", "Quantity", "Unit",
                                                     "Rate", "Per",         "Amount"};
inline constexpr double ColumnTwips[ColumnCount] = {500, 4500, 1150, 650, 2450, 1000, 1500};
inline bool isFigureColumn(int column)
{
    return column == QuantityColumn || column == RateColumn || column == AmountColumn;
}

enum class RowKind { Head, Item, OwnItem, Subtotal, Total, AddOn, GrandTotal, Say };

// Kept on a row in the window: its kind and the item, sub-head or add-on it is, on its first
// cell; an item's rate typed by hand, on its rate cell; whether an own item's quantity is
// measured, on its quantity cell.
inline constexpr int KindRole = Qt::UserRole;
inline constexpr int IndexRole = Qt::UserRole + 1;
inline constexpr int TypedRole = Qt::UserRole + 2;
inline constexpr int MeasuredRole = Qt::UserRole + 3;

struct AbstractRow
{
    RowKind kind;
    int index; // the item, 1 to 12; the own item, the sub-head or the add-on, from 0
    QStringList cells;
    QString typed = {};    // an item's rate as typed by hand
    bool measured = false; // an own item's quantity is its measurements' net
};

// What the grand total may be rounded to for Say, and how the window offers it.
struct SayRow
{
    int rupees;
    const char *caption;
};
inline constexpr SayRow SayChoices[] = {
    {0, "no Say"}, {1, "rupee"}, {10, "10 rupees"}, {100, "100 rupees"}, {1000, "1,000 rupees"}};

// The kind of file that keeps an estimate.
QString estimateKind();

QString money(Paise paise);
QList<AbstractRow> abstractRows(const Abstract &abstract, const EstimateInputs &inputs);
// A row of the window's table; how it shows is the table's to say.
QTreeWidgetItem *treeItem(const AbstractRow &row);
// Whether the item shows that row, the same item or sub-head or add-on, whatever its figures;
// and the figures set where they differ.
bool sameRow(const QTreeWidgetItem *item, const AbstractRow &row);
void updateItem(QTreeWidgetItem *item, const AbstractRow &row);
bool isBold(RowKind kind);

// Why a rate, quantity or percentage typed for `name` is refused; `decimals` it may have.
QString refusal(const QString &what, const QString &name, const QString &text,
                const BadFigure &failure, int decimals = 2);

} // namespace ratebook
