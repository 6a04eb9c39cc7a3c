// SPDX-FileCopyrightText: 2026 ratebook developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "datasheet/unitrates.h"

#include "common/checked.h"
#include "common/digitpattern.h"
#include "common/formula.h"

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

// One row of the analysis, in figures or in formulas.
template<class Figure>
struct Analysed
{
    Figure material;
    std::optional<Figure> labour;
    std::optional<Figure> total;
};

template<class Figure>
Analysed<Figure> priced(const Figure &material, const Figure &labour)
{
    return {material, labour, material + labour};
}

// The analysis, written once: in figures (Checked) for the table, in formulas (Formula) for a
// spreadsheet. `cost` gives the cost of an input where the analysis first needs it.
template<class Figure, class Cost>
std::array<Analysed<Figure>, RateItemCount> analysed(Cost cost)
{
    auto labour = [&cost](std::size_t row) {
        Figure total = 0;
        for (const LabourTerm &t : LabourPerUnit[row])
            total = total + cost(t.worker) * t.perUnit;
        return total;
    };
    std::array<Analysed<Figure>, RateItemCount> rates;

    // A cubic metre of cement is 28.8 bags of 50 kg.
    const Figure cementVolumeCost = cost(Cement) * 28.8;

    // Plain cement concrete: 0.92 cu.m of metal, 0.46 of sand and 0.92 / 8 or / 10 of cement.
    const Figure metal40 = cost(Metal40), sand = cost(Sand);
    const Figure pcc148 = metal40 * 0.92 + sand * 0.46 + cementVolumeCost * 0.115;
    const Figure pcc1510 = metal40 * 0.92 + sand * 0.46 + cementVolumeCost * 0.092;
    const Figure pccLabour = labour(0);
    rates[0] = priced(pcc148, pccLabour);
    rates[1] = priced(pcc1510, pccLabour);

    // A cubic metre of mortar 1:n is a cubic metre of sand with an n-th of one of cement.
    auto mortarCost = [&](int sandParts) { return cementVolumeCost / sandParts + sand; };
    const Figure mortar13 = mortarCost(3), mortar15 = mortarCost(5);
    const Figure mortar16 = mortarCost(6), mortar18 = mortarCost(8);

    // Brick masonry: 600 bricks and 0.38 cu.m of mortar per cu.m; 1:8 needs less of the mason 1st
    // class.
    const Figure bricks = cost(Bricks);
    const Figure masonryLabour = labour(2);
    const Figure leanMasonryLabour = labour(4);
    rates[2] = priced(bricks * 600 + mortar15 * 0.38, masonryLabour);
    rates[3] = priced(bricks * 600 + mortar16 * 0.38, masonryLabour);
    rates[4] = priced(bricks * 600 + mortar18 * 0.38, leanMasonryLabour);

    rates[5].material = cost(Chips20) * 0.92 + sand * 0.46 + cementVolumeCost * 0.23;

    // Plastering, per 10 sq.m: 0.15 cu.m of mortar at 12 mm, 0.21 at 20 mm.
    const Figure thinPlasterLabour = labour(6);
    const Figure thickPlasterLabour = labour(7);
    rates[6] = priced(mortar15 * 0.15, thinPlasterLabour);
    rates[7] = priced(mortar15 * 0.21, thickPlasterLabour);
    rates[8] = priced(mortar13 * 0.15, thinPlasterLabour);
    rates[9] = priced(mortar13 * 0.21, thickPlasterLabour);
    return rates;
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
    std::array<UnitRate, RateItemCount> rates;
    const auto figures = analysed<Checked>(cost);
    for (std::size_t row = 0; row < RateItemCount; ++row) {
        const auto value = [](const std::optional<Checked> &f) {
            return f ? std::optional(f->value()) : std::nullopt;
        };
        rates[row] = {figures[row].material.value(), value(figures[row].labour),
                      value(figures[row].total)};
    }
    return rates;
}

std::array<RateFormulas, RateItemCount>
rateFormulas(const std::array<std::string, CostInputCount> &costCells)
{
    const auto formulas = analysed<Formula>(
        [&costCells](CostInput input) { return Formula::cell(costCells[input]); });
    std::array<RateFormulas, RateItemCount> rows;
    for (std::size_t row = 0; row < RateItemCount; ++row) {
        rows[row].material = rounded(formulas[row].material);
        if (formulas[row].labour) {
            rows[row].labour = rounded(*formulas[row].labour);
            rows[row].total = rounded(*formulas[row].total);
        }
    }
    return rows;
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
