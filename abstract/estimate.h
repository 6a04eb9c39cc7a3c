// SPDX-FileCopyrightText: 2026 ratebook developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The abstract of estimated cost: each item's quantity as the extractor shows it, times its
// rate as the data sheet shows it, per its unit of rate, and the estimator's own items beside
// them; a subtotal under each sub-head, the add-ons each on the total above it, the grand
// total, Say and the words. Every figure is an integer of paise or thousandths, so the lines
// add up to the total printed.
#pragma once

#include "common/money.h"
#include "datasheet/unitrates.h"
#include "extractor/materials.h"

#include <array>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace ratebook {

// A line added on the running total: contingencies, water charges, GST.
struct AddOn
{
    std::string label;
    Hundredths percent = 0;
};

// An item of the estimator's own: it needs no materials, its rate is typed, and its quantity
// is typed or is the net of its measurement lines.
struct OwnItem
{
    std::string number; // as the estimator writes it: "13", "2.1", "DSR 2.8.1"
    std::string description;
    std::string unit; // "Cum", "Kg"
    int per = 1;      // the rate is for 1, 10, 100 or 1000 units
    std::optional<Paise> rate;
    std::string head; // the title of the sub-head it stands under
    Thousandths typed = 0;
    std::optional<Thousandths> measured = {}; // while it has measurement lines
    Thousandths quantity() const { return measured.value_or(typed); }
};

inline constexpr int PerChoices[] = {1, 10, 100, 1000};

// Concrete, Brick masonry and Plastering, where the twelve items stand.
std::vector<std::string> standardHeads();

struct EstimateInputs
{
    QuantityTexts quantities;                  // as the extractor's boxes hold them
    std::array<UnitRate, RateItemCount> rates; // as the data sheet works them out
    std::array<std::optional<Paise>, WorkItemCount> typedRates; // entered by hand
    std::vector<AddOn> addOns;
    int sayTo = 0; // rupees: 1, 10, 100 or 1000; 0 for no Say
    std::vector<std::string> heads = standardHeads(); // in their order; new ones after
    std::vector<OwnItem> ownItems; // under each sub-head in this order, after the twelve's
};

struct AbstractLine
{
    enum class Rate { Analysed, MaterialOnly, ByHand, None };

    int item = 0; // 1 to 12; 0 for an item of one's own
    int own = -1; // which of the own items
    std::string number;
    std::string description;
    Thousandths quantity = 0;
    std::string unit;
    Rate rateKind = Rate::None;
    Paise rate = 0;
    int per = 1;
    std::optional<Paise> amount; // none without a rate

    // What the rate is for: "1 Cum", "10 Sqm", "100 Kg".
    std::string perUnit() const { return std::to_string(per) + ' ' + unit; }
};

struct AbstractHead
{
    std::string title;
    int head = 0; // its place in EstimateInputs::heads
    std::vector<AbstractLine> lines;
    Paise subtotal = 0;
};

struct AddOnLine
{
    AddOn addOn;
    Paise base = 0; // the running total it is taken on
    Paise amount = 0;
};

struct Abstract
{
    std::vector<AbstractHead> heads; // only those with an item to show
    Paise total = 0;
    std::vector<std::string> leftOut; // items shown without a rate, which the total leaves out
    std::vector<AddOnLine> addOns;
    Paise grandTotal = 0;
    std::optional<Paise> say;
    Paise finalFigure() const { return say.value_or(grandTotal); }
};

// The row of the rate table whose figure prices one of the twelve items, 0 to 9; none (-1)
// for one with no row there.
int rateRowOf(int item);

// The labour a unit of rate of one of the twelve items takes, its data-sheet row's; none for one
// priced by its material alone or with no row there.
std::span<const LabourTerm> labourOf(int item);

// One of the twelve shows when its quantity, to three decimals, is not zero; an item of one's
// own always shows, since the estimator added it. Throws NotANumber (its input() the item's
// index) or TooLarge.
Abstract workOutAbstract(const EstimateInputs &inputs);

} // namespace ratebook
