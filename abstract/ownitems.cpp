// SPDX-FileCopyrightText: 2026 ratebook developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The estimator's own items in the abstract, and what moves there: each added, changed and
// removed as a whole, moved within its sub-head; sub-heads moved among those shown; add-ons
// in the order they compound. The measurements follow the items they measure.
#include "abstract/abstractwindow.h"

#include "kit/dialogs.h"
#include "kit/reportlist.h"
#include "kit/uikit.h"
#include "measurement/measurementmodel.h"
#include "measurement/measurementwindow.h"

#include <QAction>

#include <algorithm>

using namespace ratebook;

namespace {

const QStringList UnitSuggestions{QStringLiteral("Cum"),     QStringLiteral("Sqm"),
                                  QStringLiteral("Rmt"),     QStringLiteral("Kg"),
                                  QStringLiteral("Quintal"), QStringLiteral("Tonne"),
                                  QStringLiteral("Nos"),     QStringLiteral("Each")};

QString text(const std::string &s) { return QString::fromStdString(s); }

bool sameName(const QString &a, const std::string &b)
{
    return a.compare(text(b), Qt::CaseInsensitive) == 0;
}

// Moves `v[from]` to stand at `to`, the others keeping their order.
template <class T>
void moveTo(std::vector<T> &v, std::size_t from, std::size_t to)
{
    T moved = std::move(v[from]);
    v.erase(v.begin() + std::ptrdiff_t(from));
    v.insert(v.begin() + std::ptrdiff_t(to), std::move(moved));
}

} // namespace

QString AbstractWindow::nextNumber() const
{
    for (int n = int(WorkItemCount) + 1;; ++n) {
        const std::string number = std::to_string(n);
        if (std::ranges::none_of(m_inputs.ownItems,
                                 [&](const OwnItem &item) { return item.number == number; }))
            return QString::number(n);
    }
}

// Why the form cannot be taken, in `why`; else the item it describes.
std::optional<OwnItem> AbstractWindow::ownItemFrom(const kit::Form &form, std::optional<int> own,
                                                   QString *why) const
{
    const auto field = [&form](int i) { return form.fields[i].value; };
    const QString number = field(0);
    const auto taken = [&](const OwnItem &item) {
        return &item != (own ? &m_inputs.ownItems[std::size_t(*own)] : nullptr)
               && sameName(number, item.number);
    };
    bool isWorkItem = false;
    const int n = number.toInt(&isWorkItem);
    if (number.isEmpty())
        *why = tr("An item needs its No.");
    else if ((isWorkItem && n >= 1 && n <= int(WorkItemCount))
             || std::ranges::any_of(m_inputs.ownItems, taken))
        *why = tr("No. %1 is another item's: each item has a No. of its own.").arg(number);
    else if (field(1).isEmpty())
        *why = tr("Item %1 needs a description.").arg(number);
    else if (field(2).isEmpty())
        *why = tr("Item %1 needs a unit: Cum, Sqm, Kg or what it is measured in.").arg(number);
    else if (field(5).isEmpty())
        *why = tr("Item %1 needs a sub-head.").arg(number);
    if (!why->isEmpty())
        return std::nullopt;
    OwnItem item{
        number.toStdString(),  field(1).toStdString(), field(2).toStdString(), field(3).toInt(), {},
        field(5).toStdString()};
    if (own)
        item.typed = m_inputs.ownItems[std::size_t(*own)].typed;
    const auto head = std::ranges::find_if(
        m_inputs.heads, [&](const std::string &h) { return sameName(field(5), h); });
    if (head != m_inputs.heads.end())
        item.head = *head;
    try {
        if (!field(4).isEmpty())
            item.rate = parseFixed(field(4).toStdString(), 2);
    } catch (const BadFigure &e) {
        *why = refusal(tr("rate"), tr("item %1").arg(number), field(4), e);
        return std::nullopt;
    } catch (const TooLarge &) {
        *why = tr("The rate typed for item %1 is too large.").arg(number);
        return std::nullopt;
    }
    return item;
}

// "Add Item…" and "Change…": the item whole, under a sub-head there is or a new one.
void AbstractWindow::askItem(std::optional<int> own)
{
    QStringList heads;
    for (const std::string &head : m_inputs.heads)
        heads << text(head);
    const std::optional<Chosen> row = chosen();
    QString head = heads.back();
    if (row && row->kind == RowKind::Head)
        head = heads[row->index];
    if (row && row->kind == RowKind::OwnItem)
        head = text(m_inputs.ownItems[std::size_t(row->index)].head);
    OwnItem item{nextNumber().toStdString(), {}, {}, 1, {}, head.toStdString()};
    if (own)
        item = m_inputs.ownItems[std::size_t(*own)];
    kit::Form form{QStringLiteral("ownItem"), own ? tr("Change Item") : tr("Add Item"),
                   {{tr("&No.:"), text(item.number)},
                    {tr("&Description:"), text(item.description), {}, false, true},
                    {tr("&Unit:"), text(item.unit), UnitSuggestions},
                    {tr("&Per:"), QString::number(item.per), {"1", "10", "100", "1000"}, true},
                    {tr("&Rate:"), item.rate ? text(fixedText(*item.rate, 2)) : QString()},
                    {tr("&Sub-head:"), text(item.head), heads}}};
    form.refusal = [this, own](const kit::Form &answered) {
        QString why;
        ownItemFrom(answered, own, &why);
        return why;
    };
    if (!kit::dialogs().askForm(this, form))
        return;
    QString why;
    OwnItem made = *ownItemFrom(form, own, &why);
    if (std::ranges::find(m_inputs.heads, made.head) == m_inputs.heads.end())
        m_inputs.heads.push_back(made.head);
    if (own) {
        m_measurements->renameItem(text(m_inputs.ownItems[std::size_t(*own)].number),
                                   text(made.number));
        m_inputs.ownItems[std::size_t(*own)] = std::move(made);
    } else {
        m_inputs.ownItems.push_back(std::move(made));
        own = int(m_inputs.ownItems.size()) - 1;
    }
    measuredChanged(text(m_inputs.ownItems[std::size_t(*own)].number));
    dropUnusedHeads();
    itemsChanged();
    rebuild();
    choose({RowKind::OwnItem, *own});
}

void AbstractWindow::typeQuantity(int own, const QString &typed)
{
    OwnItem &item = m_inputs.ownItems[std::size_t(own)];
    const QString name = tr("item %1").arg(text(item.number));
    try {
        item.typed = typed.trimmed().isEmpty() ? 0 : parseFixed(typed.toStdString(), 3);
    } catch (const BadFigure &e) {
        kit::showMessage(this, refusal(tr("quantity"), name, typed, e, 3));
    } catch (const TooLarge &) {
        kit::showMessage(this, tr("The quantity typed for %1 is too large.").arg(name));
    }
    rebuild();
}

// A sub-head made for items of one's own goes with the last of them.
void AbstractWindow::dropUnusedHeads()
{
    const std::vector<std::string> standard = standardHeads();
    std::erase_if(m_inputs.heads, [&](const std::string &head) {
        return std::ranges::find(standard, head) == standard.end()
               && std::ranges::none_of(m_inputs.ownItems,
                                       [&](const OwnItem &item) { return item.head == head; });
    });
}

// Removing an item of one's own that has measurement lines asks first.
void AbstractWindow::removeChosen()
{
    const std::optional<Chosen> row = chosen();
    if (row && row->kind == RowKind::AddOn) {
        m_inputs.addOns.erase(m_inputs.addOns.begin() + row->index);
        return rebuild();
    }
    if (!row || row->kind != RowKind::OwnItem)
        return;
    const QString number = text(m_inputs.ownItems[std::size_t(row->index)].number);
    if (m_measurements->hasLines(number)) {
        const kit::Question question{
            tr("Remove item %1 and its details of measurement?").arg(number),
            tr("Remove Item"),
            {tr("Remove"), tr("Cancel")}};
        if (kit::ask(this, question) != 0)
            return;
        m_measurements->removeItem(number);
    }
    m_inputs.ownItems.erase(m_inputs.ownItems.begin() + row->index);
    dropUnusedHeads();
    itemsChanged();
    rebuild();
}

// An add-on among the add-ons, an item of one's own among those of its sub-head, a sub-head
// past the next one shown; it stays chosen, so it can be moved again.
void AbstractWindow::moveChosen(int by)
{
    const std::optional<Chosen> row = chosen();
    if (!row)
        return;
    const auto to = std::size_t(row->index + by);
    if (row->kind == RowKind::AddOn && to < m_inputs.addOns.size()) {
        std::swap(m_inputs.addOns[std::size_t(row->index)], m_inputs.addOns[to]);
        rebuild();
        return choose({RowKind::AddOn, int(to)});
    }
    if (row->kind == RowKind::OwnItem) {
        std::vector<OwnItem> &items = m_inputs.ownItems;
        const std::string &head = items[std::size_t(row->index)].head;
        for (int i = row->index + by; i >= 0 && i < int(items.size()); i += by) {
            if (items[std::size_t(i)].head == head) {
                std::swap(items[std::size_t(row->index)], items[std::size_t(i)]);
                itemsChanged();
                rebuild();
                return choose({RowKind::OwnItem, i});
            }
        }
    }
    if (row->kind == RowKind::Head && m_abstract) {
        const auto shown = std::ranges::find(m_abstract->heads, row->index, &AbstractHead::head);
        const auto at = shown - m_abstract->heads.begin() + by;
        if (shown == m_abstract->heads.end() || at < 0 || at >= std::ssize(m_abstract->heads))
            return;
        // The rebuild replaces the shown heads, so keep the number, not the place.
        const int next = m_abstract->heads[std::size_t(at)].head;
        moveTo(m_inputs.heads, std::size_t(row->index), std::size_t(next));
        itemsChanged();
        rebuild();
        choose({RowKind::Head, next});
    }
}

std::optional<AbstractWindow::Chosen> AbstractWindow::chosen() const
{
    const QTreeWidgetItem *item = m_table->currentItem();
    if (!item)
        return std::nullopt;
    return Chosen{RowKind(item->data(0, KindRole).toInt()), item->data(0, IndexRole).toInt()};
}

void AbstractWindow::choose(const Chosen &row)
{
    for (int r = 0; r < m_table->topLevelItemCount(); ++r) {
        QTreeWidgetItem *item = m_table->topLevelItem(r);
        if (RowKind(item->data(0, KindRole).toInt()) == row.kind
            && item->data(0, IndexRole).toInt() == row.index)
            return m_table->setCurrentItem(item);
    }
}

// The commands that act on the row chosen say what they act on.
void AbstractWindow::updateCommands()
{
    const std::optional<Chosen> row = chosen();
    const RowKind kind = row ? row->kind : RowKind::Total;
    const QString what = kind == RowKind::AddOn     ? tr(" Add-on")
                         : kind == RowKind::OwnItem ? tr(" Item")
                         : kind == RowKind::Head    ? tr(" Sub-head")
                                                    : QString();
    m_remove->setText(tr("Remove%1").arg(kind == RowKind::Head ? QString() : what));
    m_remove->setEnabled(kind == RowKind::AddOn || kind == RowKind::OwnItem);
    m_moveUp->setText(tr("Move%1 Up").arg(what));
    m_moveDown->setText(tr("Move%1 Down").arg(what));
    for (QAction *move : {m_moveUp, m_moveDown})
        move->setEnabled(!what.isEmpty());
}

// The sheet measures any item, the twelve and the estimator's own, in the abstract's order.
void AbstractWindow::itemsChanged()
{
    QList<MeasurableItem> items;
    const std::vector<std::string> standard = standardHeads();
    for (const std::string &head : m_inputs.heads) {
        const auto place = std::ranges::find(standard, head);
        if (place != standard.end()) {
            const int first = int(place - standard.begin()) * 4 + 1;
            for (int n = first; n < first + 4; ++n)
                items << MeasurableItem{QString::number(n), text(itemName(n)), text(itemUnit(n))};
        }
        for (const OwnItem &item : m_inputs.ownItems) {
            if (item.head == head)
                items << MeasurableItem{text(item.number), text(item.description), text(item.unit)};
        }
    }
    m_measurements->setItems(items);
}

// An item of one's own takes its measured net while it has one.
void AbstractWindow::measuredChanged(const QString &key)
{
    for (OwnItem &item : m_inputs.ownItems) {
        if (text(item.number) != key)
            continue;
        const std::optional<Hundredths> net = m_measurements->measured(key);
        item.measured.reset();
        if (net)
            item.measured = inThousandths(*net);
        rebuild();
    }
}

MeasurementWindow *AbstractWindow::measurementSheet()
{
    if (!m_sheet) {
        m_sheet = new MeasurementWindow(this, m_measurements, *m_document);
    }
    return m_sheet;
}

MeasurementWindow *AbstractWindow::showMeasurements()
{
    kit::showBeside(measurementSheet(), this);
    return m_sheet;
}
