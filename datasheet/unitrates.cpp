// SPDX-FileCopyrightText: 2026 ratebook developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "datasheet/unitrates.h"

#include "common/checked.h"
#include "common/digitpattern.h"

#include <charconv>

namespace ratebook {

namespace {

constexpr const char *Descriptions[RateItemCount] = {
    "PCC (1:4:8) Mix/Cu.m",
    "PCC (1:5:10) Mix/Cu.m",
    "Brick Masonary With CM(1:5) Mix/Cu.m",
    "Brick Masonary With CM(1:6) Mix/Cu.m",
    "Brick Masonary With CM(1:8) Mix/Cu.m",
    "RCC (1:2:4) Mix/Cu.m",
    "Wall Plastering With CM(1:5) Mix/10 Sq.m -- 12 mm Tk",
    "Wall Plastering With CM(1:5) Mix/10 Sq.m -- 20 mm Tk",
    "Ceiling Plastering With CM(1:3) Mix/10 Sq.m -- 12 mm Tk",
    "Ceiling Plastering With CM(1:3) Mix/10 Sq.m -- 20 mm Tk",
};

constexpr const char *CostPattern = "######.#0";

UnitRate rate(Checked material, Checked labour)
{
    return {material.value(), labour.value(), (material + labour).value()};
}

} // namespace

std::array<UnitRate, RateItemCount> analyseUnitRates(const CostTexts &costs)
{
    // Each box is read where the analysis first needs it, and kept; so a labour sum meets
    // an overflow and a bad box in the order it is written.
    std::array<std::optional<Checked>, CostInputCount> read;
    auto cost = [&costs, &read](CostInput input) {
        std::optional<Checked> &value = read[input];
        if (!value)
            value = toNumber(costs[input], input);
        return *value;
    };
    auto labour = [&cost](std::size_t row) {
        Checked total;
        for (const LabourTerm &t : LabourPerUnit[row])
            total = total + cost(t.worker) * t.perUnit;
        return total;
    };
    std::array<UnitRate, RateItemCount> rates;

    // A cubic metre of cement is 28.8 bags of 50 kg.
    const Checked cementVolumeCost = cost(Cement) * 28.8;

    // Plain cement concrete: 0.92 cu.m of metal, 0.46 of sand and 0.92 / 8 or / 10 of cement.
    const Checked metal40 = cost(Metal40), sand = cost(Sand);
    const Checked pcc148 = metal40 * 0.92 + sand * 0.46 + cementVolumeCost * 0.115;
    const Checked pcc1510 = metal40 * 0.92 + sand * 0.46 + cementVolumeCost * 0.092;
    const Checked pccLabour = labour(0);
    rates[0] = rate(pcc148, pccLabour);
    rates[1] = rate(pcc1510, pccLabour);

    // A cubic metre of mortar 1:n is a cubic metre of sand with an n-th of one of cement.
    auto mortarCost = [&](int sandParts) { return cementVolumeCost / sandParts + sand; };
    const Checked mortar13 = mortarCost(3), mortar15 = mortarCost(5);
    const Checked mortar16 = mortarCost(6), mortar18 = mortarCost(8);

    // Brick masonry: 600 bricks and 0.38 cu.m of mortar per cu.m; 1:8 needs less of the mason 1st
    // class.
    const Checked bricks = cost(Bricks);
    const Checked masonryLabour = labour(2);
    const Checked leanMasonryLabour = labour(4);
    rates[2] = rate(bricks * 600 + mortar15 * 0.38, masonryLabour);
    rates[3] = rate(bricks * 600 + mortar16 * 0.38, masonryLabour);
    rates[4] = rate(bricks * 600 + mortar18 * 0.38, leanMasonryLabour);

    rates[5].material = (cost(Chips20) * 0.92 + sand * 0.46 + cementVolumeCost * 0.23).value();

    // Plastering, per 10 sq.m: 0.15 cu.m of mortar at 12 mm, 0.21 at 20 mm.
    const Checked thinPlasterLabour = labour(6);
    const Checked thickPlasterLabour = labour(7);
    rates[6] = rate(mortar15 * 0.15, thinPlasterLabour);
    rates[7] = rate(mortar15 * 0.21, thickPlasterLabour);
    rates[8] = rate(mortar13 * 0.15, thinPlasterLabour);
    rates[9] = rate(mortar13 * 0.21, thickPlasterLabour);
    return rates;
}

std::array<RateFormulas, RateItemCount>
rateFormulas(const std::array<std::string, CostInputCount> &costCells)
{
    const auto cost = [&costCells](CostInput input) { return costCells[input]; };
    const std::string cement = cost(Cement) + "*28.8";
    const auto mortar = [&](int sandParts) {
        return "(" + cement + "/" + std::to_string(sandParts) + "+" + cost(Sand) + ")";
    };
    const std::string concrete = "*0.92+" + cost(Sand) + "*0.46+" + cement;
    const std::string bricks = cost(Bricks) + "*600+";
    const std::string materials[RateItemCount] = {
        cost(Metal40) + concrete + "*0.115", cost(Metal40) + concrete + "*0.092",
        bricks + mortar(5) + "*0.38", bricks + mortar(6) + "*0.38", bricks + mortar(8) + "*0.38",
        cost(Chips20) + concrete + "*0.23",
        mortar(5) + "*0.15", mortar(5) + "*0.21", mortar(3) + "*0.15", mortar(3) + "*0.21",
    };
    const auto rounded = [](const std::string &sum) { return "ROUND(" + sum + ",2)"; };
    std::array<RateFormulas, RateItemCount> formulas;
    for (std::size_t row = 0; row < RateItemCount; ++row) {
        formulas[row].material = rounded(materials[row]);
        std::string labour;
        for (const LabourTerm &term : LabourPerUnit[row]) {
            char factor[32];
            if (!labour.empty())
                labour += '+';
            labour.append(cost(term.worker)).append("*");
            labour.append(factor, std::to_chars(factor, factor + sizeof factor, term.perUnit).ptr);
        }
        if (labour.empty())
            continue;
        formulas[row].labour = rounded(labour);
        formulas[row].total = rounded("(" + materials[row] + ")+(" + labour + ")");
    }
    return formulas;
}

std::array<RateRow, RateItemCount> rateTableRows(const CostTexts &costs)
{
    const auto rates = analyseUnitRates(costs);
    auto text = [](const std::optional<double> &v) {
        return v ? formatNumber(*v, CostPattern) : std::string();
    };
    std::array<RateRow, RateItemCount> rows;
    for (std::size_t i = 0; i < RateItemCount; ++i)
        rows[i] = {Descriptions[i], formatNumber(rates[i].material, CostPattern),
                   text(rates[i].labour), text(rates[i].total)};
    return rows;
}

} // namespace ratebook
