// SPDX-FileCopyrightText: 2026 ratebook developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "abstract/estimate.h"

#include "common/numbertext.h"

#include <algorithm>
#include <iterator>

namespace ratebook {

namespace {

// Where an item's rate comes from in the rate table, and what the rate is for. Reinforced
// concrete 1:2:4 is priced by its materials alone; 1:1.5:3 and masonry in CM 1:4 have no
// row there at all.
struct Pricing
{
    int rateRow; // 0 to 9; -1 for none
    bool materialOnly;
    int per; // units of work the rate is for
};

constexpr Pricing Prices[WorkItemCount] = {
    {0, false, 1}, {1, false, 1}, {5, true, 1}, {-1, false, 1},
    {-1, false, 1}, {2, false, 1}, {3, false, 1}, {4, false, 1},
    {8, false, 10}, {9, false, 10}, {6, false, 10}, {7, false, 10},
};

struct Head
{
    const char *title;
    int firstItem;
    int lastItem;
};

constexpr Head Heads[] = {{"Concrete", 1, 4}, {"Brick masonry", 5, 8}, {"Plastering", 9, 12}};

AbstractLine line(const EstimateInputs &inputs, int item, Thousandths quantity)
{
    const std::size_t index = std::size_t(item - 1);
    const Pricing &price = Prices[index];
    AbstractLine l{item, -1, std::to_string(item), itemName(item), quantity, itemUnit(item),
                   AbstractLine::Rate::None, 0, price.per, std::nullopt};
    if (inputs.typedRates[index]) {
        l.rateKind = AbstractLine::Rate::ByHand;
        l.rate = *inputs.typedRates[index];
    } else if (price.rateRow >= 0) {
        const UnitRate &analysed = inputs.rates[std::size_t(price.rateRow)];
        l.rateKind = price.materialOnly ? AbstractLine::Rate::MaterialOnly
                                        : AbstractLine::Rate::Analysed;
        l.rate = shownUnits(price.materialOnly ? analysed.material : analysed.total.value_or(0), 2);
    }
    if (l.rateKind != AbstractLine::Rate::None)
        l.amount = amountFor(quantity, l.rate, l.per);
    return l;
}

AbstractLine ownLine(const EstimateInputs &inputs, int own)
{
    const OwnItem &item = inputs.ownItems[std::size_t(own)];
    AbstractLine l{0, own, item.number, item.description, item.quantity(), item.unit,
                   AbstractLine::Rate::None, 0, item.per, std::nullopt};
    if (item.rate) {
        l.rateKind = AbstractLine::Rate::ByHand;
        l.rate = *item.rate;
        l.amount = amountFor(l.quantity, l.rate, l.per);
    }
    return l;
}

} // namespace

int rateRowOf(int item)
{
    return Prices[item - 1].rateRow;
}

std::span<const LabourTerm> labourOf(int item)
{
    const Pricing &price = Prices[item - 1];
    if (price.rateRow < 0 || price.materialOnly)
        return {};
    return LabourPerUnit[std::size_t(price.rateRow)];
}

std::vector<std::string> standardHeads()
{
    std::vector<std::string> titles;
    for (const Head &head : Heads)
        titles.emplace_back(head.title);
    return titles;
}

Abstract workOutAbstract(const EstimateInputs &inputs)
{
    // Every box is read first, in item order, so a bad one stops the work before any sum.
    std::array<Thousandths, WorkItemCount> quantities;
    for (std::size_t i = 0; i < WorkItemCount; ++i)
        quantities[i] = shownUnits(toNumber(inputs.quantities[i], int(i)), 3);

    Abstract a;
    for (std::size_t index = 0; index < inputs.heads.size(); ++index) {
        const std::string &title = inputs.heads[index];
        AbstractHead h{title, int(index), {}, 0};
        if (const auto standard = std::ranges::find(Heads, title, &Head::title);
            standard != std::end(Heads)) {
            for (int item = standard->firstItem; item <= standard->lastItem; ++item) {
                if (quantities[std::size_t(item - 1)] != 0)
                    h.lines.push_back(line(inputs, item, quantities[std::size_t(item - 1)]));
            }
        }
        for (std::size_t own = 0; own < inputs.ownItems.size(); ++own) {
            if (inputs.ownItems[own].head == title)
                h.lines.push_back(ownLine(inputs, int(own)));
        }
        for (const AbstractLine &l : h.lines) {
            if (l.amount)
                h.subtotal = sum(h.subtotal, *l.amount);
            else
                a.leftOut.push_back(l.item > 0 ? l.description : "item " + l.number);
        }
        if (!h.lines.empty()) {
            a.total = sum(a.total, h.subtotal);
            a.heads.push_back(std::move(h));
        }
    }
    Paise running = a.total;
    for (const AddOn &addOn : inputs.addOns) {
        a.addOns.push_back({addOn, running, percentOf(running, addOn.percent)});
        running = sum(running, a.addOns.back().amount);
    }
    a.grandTotal = running;
    if (inputs.sayTo > 0)
        a.say = roundToRupees(a.grandTotal, inputs.sayTo);
    return a;
}

} // namespace ratebook
