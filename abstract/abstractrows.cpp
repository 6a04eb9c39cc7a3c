// SPDX-FileCopyrightText: 2026 ratebook developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "abstract/abstractrows.h"

#include <QCoreApplication>
#include <QTreeWidget>

namespace ratebook {

namespace {

QString tr(const char *text) { return QCoreApplication::translate("Abstract", text); }

QString text(const std::string &s) { return QString::fromStdString(s); }

QString rateCell(const AbstractLine &line)
{
    switch (line.rateKind) {
    case AbstractLine::Rate::None:
        return tr("no rate");
    case AbstractLine::Rate::MaterialOnly:
        return tr("%1 (material only)").arg(money(line.rate));
    case AbstractLine::Rate::ByHand:
        return tr("%1 (by hand)").arg(money(line.rate));
    case AbstractLine::Rate::Analysed:
        break;
    }
    return money(line.rate);
}

// "RCC (1:1.5:3)", "A and B", "A, B and C".
QString listed(const std::vector<std::string> &names)
{
    QStringList all;
    for (const std::string &name : names)
        all << text(name);
    const QString last = all.takeLast();
    return all.isEmpty() ? last : tr("%1 and %2").arg(all.join(QStringLiteral(", ")), last);
}

AbstractRow row(RowKind kind, const QString &description, const QString &amount, int index = 0)
{
    QStringList cells(ColumnCount);
    cells[DescriptionColumn] = description;
    cells[AmountColumn] = amount;
    return {kind, index, cells};
}

} // namespace

QString estimateKind()
{
    return QStringLiteral("estimate");
}

QString money(Paise paise)
{
    return text(fixedText(paise, 2, true));
}

QList<AbstractRow> abstractRows(const Abstract &a, const EstimateInputs &inputs)
{
    QList<AbstractRow> rows;
    for (const AbstractHead &head : a.heads) {
        rows << row(RowKind::Head, text(head.title), {}, head.head);
        for (const AbstractLine &line : head.lines) {
            const bool own = line.item == 0;
            AbstractRow item{
                own ? RowKind::OwnItem : RowKind::Item, own ? line.own : line.item, {}};
            item.cells = QStringList{text(line.number),
                                     text(line.description),
                                     text(fixedText(line.quantity, 3)),
                                     text(line.unit),
                                     rateCell(line),
                                     text(line.perUnit()),
                                     line.amount ? money(*line.amount) : QString()};
            const std::optional<Paise> &rate = own ? inputs.ownItems[std::size_t(line.own)].rate
                                                   : inputs.typedRates[std::size_t(line.item - 1)];
            if (rate)
                item.typed = text(fixedText(*rate, 2));
            item.measured = own && inputs.ownItems[std::size_t(line.own)].measured.has_value();
            rows << item;
        }
        rows << row(RowKind::Subtotal, tr("Subtotal"), money(head.subtotal));
    }
    QString total = tr("Total");
    if (a.leftOut.size() == 1)
        total = tr("Total (leaves out %1, which has no rate)").arg(listed(a.leftOut));
    if (a.leftOut.size() > 1)
        total = tr("Total (leaves out %1, which have no rate)").arg(listed(a.leftOut));
    rows << row(RowKind::Total, total, money(a.total));
    for (std::size_t i = 0; i < a.addOns.size(); ++i) {
        const AddOnLine &addOn = a.addOns[i];
        const QString description = tr("%1 @ %2 % on %3")
                                        .arg(text(addOn.addOn.label),
                                             text(percentText(addOn.addOn.percent)),
                                             money(addOn.base));
        rows << row(RowKind::AddOn, description, money(addOn.amount), int(i));
    }
    rows << row(RowKind::GrandTotal, tr("Grand total"), money(a.grandTotal));
    if (a.say)
        rows << row(RowKind::Say, tr("Say"), money(*a.say));
    return rows;
}

bool isBold(RowKind kind)
{
    return kind != RowKind::Item && kind != RowKind::OwnItem && kind != RowKind::AddOn;
}

QTreeWidgetItem *treeItem(const AbstractRow &row)
{
    auto *item = new QTreeWidgetItem;
    item->setData(0, KindRole, int(row.kind));
    item->setData(0, IndexRole, row.index);
    if (row.kind == RowKind::Item || row.kind == RowKind::OwnItem)
        item->setFlags(item->flags() | Qt::ItemIsEditable);
    updateItem(item, row);
    return item;
}

bool sameRow(const QTreeWidgetItem *item, const AbstractRow &row)
{
    return RowKind(item->data(0, KindRole).toInt()) == row.kind
           && item->data(0, IndexRole).toInt() == row.index;
}

// Only what differs is set: a cell set to its own text would be laid out again, wrapping and all.
void updateItem(QTreeWidgetItem *item, const AbstractRow &row)
{
    for (int column = 0; column < ColumnCount; ++column) {
        if (item->text(column) != row.cells[column])
            item->setText(column, row.cells[column]);
    }
    if (row.kind != RowKind::Item && row.kind != RowKind::OwnItem)
        return;
    if (item->data(RateColumn, TypedRole).toString() != row.typed)
        item->setData(RateColumn, TypedRole, row.typed);
    if (item->data(QuantityColumn, MeasuredRole).toBool() != row.measured) {
        item->setData(QuantityColumn, MeasuredRole, row.measured);
        item->setToolTip(QuantityColumn,
                         row.measured ? tr("The net of its details of measurement") : QString());
    }
}

QString refusal(const QString &what, const QString &name, const QString &typed,
                const BadFigure &failure, int decimals)
{
    if (failure.why() == BadFigure::TooManyDecimals) {
        const QString places = decimals == 3 ? tr("three") : tr("two");
        return tr("The %1 typed for %2, \"%3\", has more than %4 decimals.")
            .arg(what, name, typed, places);
    }
    return tr("The %1 typed for %2, \"%3\", is not a number.").arg(what, name, typed);
}

} // namespace ratebook
