// SPDX-FileCopyrightText: 2026 ratebook developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The abstract of estimated cost: each item's quantity as the extractor shows it, times its
// rate as the data sheet shows it, per its unit of rate; a subtotal under each sub-head,
// the add-ons each on the total above it, the grand total, Say and the words. Every figure
// is an integer of paise or thousandths, so the lines add up to the total printed.
#pragma once

#include "common/money.h"
#include "datasheet/unitrates.h"
#include "extractor/materials.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace ratebook {

// A line added on the running total: contingencies, water charges, GST.
struct AddOn
{
    std::string label;
    Hundredths percent = 0;
};

struct EstimateInputs
{
    QuantityTexts quantities;                  // as the extractor's boxes hold them
    std::array<UnitRate, RateItemCount> rates; // as the data sheet works them out
    std::array<std::optional<Paise>, WorkItemCount> typedRates; // entered by hand
    std::vector<AddOn> addOns;
    int sayTo = 0; // rupees: 1, 10, 100 or 1000; 0 for no Say
};

struct AbstractLine
{
    enum class Rate { Analysed, MaterialOnly, ByHand, None };

    int item = 0; // 1 to 12
    std::string description;
    Thousandths quantity = 0;
    std::string unit;
    Rate rateKind = Rate::None;
    Paise rate = 0;
    int per = 1;
    std::optional<Paise> amount; // none without a rate
};

struct AbstractHead
{
    std::string title;
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

// "1 Cum" or "10 Sqm": what the item's rate is for.
std::string ratePer(int item);

// An item shows when its quantity, to three decimals, is not zero. Throws NotANumber (its
// input() the item's index) or TooLarge.
Abstract workOutAbstract(const EstimateInputs &inputs);

} // namespace ratebook
