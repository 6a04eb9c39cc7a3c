// SPDX-FileCopyrightText: 2026 ratebook developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "extractor/materials.h"

#include "common/checked.h"
#include "common/digitpattern.h"
#include "common/formula.h"

#include <span>

namespace ratebook {

namespace {

// What one unit of an item adds to a material: its quantity times `factor`, then divided
// by `divisor`, in that order, since the order decides the last bit of the total.
// Dividing by 1 leaves a double unchanged, so a plain factor needs no divisor.
struct Share
{
    int item; // 1 to 12
    double factor;
    double divisor = 1;
};

// Each list is in the order its sum is formed; reordering one changes the last bit of a
// total, and which failing box is met first.
constexpr Share Metal40[] = {{2, 0.92}, {1, 0.92}};
constexpr Share Chips20[] = {{4, 0.92}, {3, 0.92}};
constexpr Share Bricks[] = {{6, 600}, {5, 600}, {7, 600}, {8, 600}};

// Concrete 1:4:8 takes an eighth of its 0.92 cu.m of aggregate as cement, 1:5:10 a tenth.
// Mortar 1:n takes an n-th of its volume as cement: masonry uses 0.38 cu.m of mortar per
// cu.m, plaster 0.15 (12 mm) or 0.18 (20 mm) per 10 sq.m, so per sq.m 1:3 plaster
// divides by 30 and 1:5 by 50.
constexpr Share Cement[] = {
    {2, 0.92, 10}, {1, 0.92, 8}, {3, 0.23}, {4, 0.31},
    {5, 0.38, 4}, {6, 0.38, 5}, {7, 0.38, 6}, {8, 0.38, 8},
    {9, 0.15, 30}, {10, 0.18, 30}, {11, 0.15, 50}, {12, 0.18, 50},
};
// Plaster adds the same sand as cement, and 1:1.5:3 concrete 0.61 of it: both deliberate.
constexpr Share Sand[] = {
    {2, 0.46}, {1, 0.46}, {3, 0.46}, {4, 0.61},
    {5, 0.38}, {6, 0.38}, {7, 0.38}, {8, 0.38},
    {9, 0.15, 30}, {10, 0.18, 30}, {11, 0.15, 50}, {12, 0.18, 50},
};

constexpr double CubicFeetPerCubicMetre = 35.31;
constexpr double CementKgPerCubicMetre = 1440;
constexpr double KgPerBag = 50;

constexpr const char *VolumePattern = "00.00";
constexpr const char *BagPattern = "0.00";

// Each box is read again wherever a term needs it, exactly when the sum reaches that
// term: a bad box then stops the run at the same place as a left-to-right evaluation,
// and an overflow met before it wins over it.
Checked sum(std::span<const Share> shares, const QuantityTexts &quantities)
{
    auto term = [&quantities](const Share &s) {
        const int input = s.item - 1;
        const Checked quantity = toNumber(quantities[std::size_t(input)], input);
        return quantity * s.factor / s.divisor;
    };
    Checked total = term(shares.front());
    for (const Share &s : shares.subspan(1))
        total = total + term(s);
    return total;
}

// The same sum as a formula: a plain factor is written without its divisor of 1, which leaves
// a double as it is.
std::string formula(std::span<const Share> shares,
                    const std::array<std::string, WorkItemCount> &cells)
{
    std::string sum;
    for (const Share &s : shares) {
        if (!sum.empty())
            sum += '+';
        sum.append(cells[std::size_t(s.item - 1)]).append("*").append(Formula::number(s.factor));
        if (s.divisor != 1)
            sum.append("/").append(Formula::number(s.divisor));
    }
    return sum;
}

} // namespace

std::string itemName(int item)
{
    std::string name;
    for (const char *c = WorkItems[item - 1].name; *c; ++c) {
        if (*c != ' ' || (!name.empty() && name.back() != ' '))
            name += *c;
    }
    return name;
}

std::string itemUnit(int item)
{
    std::string unit;
    for (const char *c = WorkItems[item - 1].unit; *c; ++c) {
        if (*c != '(' && *c != ')' && *c != ' ')
            unit += *c;
    }
    return unit;
}

MaterialTotals materialTotals(const QuantityTexts &quantities)
{
    MaterialTotals t;
    const Checked metal40 = sum(Metal40, quantities);
    const Checked chips20 = sum(Chips20, quantities);
    const Checked bricks = sum(Bricks, quantities);
    const Checked cement = sum(Cement, quantities);
    const Checked sand = sum(Sand, quantities);
    t.metal40 = metal40.value();
    t.chips20 = chips20.value();
    t.bricks = bricks.value();
    t.cement = cement.value();
    t.sand = sand.value();
    t.metal40cft = (metal40 * CubicFeetPerCubicMetre).value();
    t.chips20cft = (chips20 * CubicFeetPerCubicMetre).value();
    t.cementcft = (cement * CubicFeetPerCubicMetre).value();
    t.sandcft = (sand * CubicFeetPerCubicMetre).value();
    t.cementbags = (cement * CementKgPerCubicMetre / KgPerBag).value();
    return t;
}

MaterialTable materialTableRows(const MaterialTotals &t)
{
    auto cell = [](double value, const char *pattern, const char *unit) {
        return formatNumber(value, pattern) + unit;
    };
    auto volume = [&cell](double cubicMetres) {
        return cell(cubicMetres, VolumePattern, " (Cu.m)");
    };
    auto cft = [&cell](double cubicFeet) { return cell(cubicFeet, VolumePattern, " (Cft)"); };
    return {{
        {volume(t.metal40), volume(t.chips20), cell(t.bricks, VolumePattern, " (Nos)"),
         volume(t.cement), volume(t.sand)},
        {"", "", "", cell(t.cementbags, BagPattern, " (50 Kg. Bags)"), ""},
        {cft(t.metal40cft), cft(t.chips20cft), "", cft(t.cementcft), cft(t.sandcft)},
    }};
}

MaterialTable materialTableRows(const QuantityTexts &quantities)
{
    return materialTableRows(materialTotals(quantities));
}

MaterialTable materialFormulas(const std::array<std::string, WorkItemCount> &cells)
{
    const auto rounded = [](const std::string &value) { return "ROUND(" + value + ",2)"; };
    const auto cft = [&](const std::string &sum) {
        return rounded("(" + sum + ")*" + Formula::number(CubicFeetPerCubicMetre));
    };
    const std::string metal40 = formula(Metal40, cells), chips20 = formula(Chips20, cells);
    const std::string cement = formula(Cement, cells), sand = formula(Sand, cells);
    const std::string bags = "(" + cement + ")*" + Formula::number(CementKgPerCubicMetre) + "/"
                             + Formula::number(KgPerBag);
    return {{
        {rounded(metal40), rounded(chips20), rounded(formula(Bricks, cells)), rounded(cement),
         rounded(sand)},
        {"", "", "", rounded(bags), ""},
        {cft(metal40), cft(chips20), "", cft(cement), cft(sand)},
    }};
}

} // namespace ratebook
