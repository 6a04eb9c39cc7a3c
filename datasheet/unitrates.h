// SPDX-FileCopyrightText: 2026 ratebook developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The unit-rate analysis: nine local costs in, the material, labour and total cost of
// ten fixed items of work out. No window here: the data sheet passes its nine texts
// and writes back the rows it gets.
#pragma once

#include <array>
#include <optional>
#include <span>
#include <string>

namespace ratebook {

// The cost inputs in the order they are typed, which is also the order of CostTexts.
enum CostInput {
    Cement,       // one 50 kg bag
    Chips20,      // one cu.m of 20 mm chips
    Metal40,      // one cu.m of 40 mm metal
    Sand,         // one cu.m
    Bricks,       // one brick
    Mason1,       // one mason 1st class
    Mason2,       // one mason 2nd class
    ManMazdoor,   // one man mazdoor
    WomanMazdoor, // one woman mazdoor
    CostInputCount
};
using CostTexts = std::array<std::string, CostInputCount>;

inline constexpr std::size_t RateItemCount = 10;

// Reinforced concrete is priced by its materials alone: no labour, no total.
struct UnitRate
{
    double material = 0;
    std::optional<double> labour;
    std::optional<double> total;
};

// One class of worker and how many of them a unit of work takes.
struct LabourTerm
{
    CostInput worker;
    double perUnit;
};

// The labour of each row of the rate table per unit of its work (a cubic metre, or 10 square
// metres of plaster), in the order its cost is summed, which decides the last bit of it.
// Reinforced concrete has none: it is priced by its materials alone.
inline constexpr LabourTerm PccLabour[] = {
    {Mason1, 0.06}, {Mason2, 0.14}, {ManMazdoor, 1.8}, {WomanMazdoor, 1.4}};
inline constexpr LabourTerm MasonryLabour[] = {
    {Mason2, 0.98}, {Mason1, 1.2}, {ManMazdoor, 0.7}, {WomanMazdoor, 2.1}};
// Masonry in CM 1:8 needs less of the mason 1st class.
inline constexpr LabourTerm LeanMasonryLabour[] = {
    {Mason2, 0.98}, {Mason1, 0.42}, {ManMazdoor, 0.7}, {WomanMazdoor, 2.1}};
inline constexpr LabourTerm ThinPlasterLabour[] = {
    {Mason2, 1.1}, {ManMazdoor, 0.5}, {WomanMazdoor, 1.1}};
inline constexpr LabourTerm ThickPlasterLabour[] = {
    {Mason2, 2.2}, {ManMazdoor, 0.5}, {WomanMazdoor, 3.2}};
inline constexpr std::span<const LabourTerm> LabourPerUnit[RateItemCount] = {
    PccLabour, PccLabour, MasonryLabour, MasonryLabour, LeanMasonryLabour, {},
    ThinPlasterLabour, ThickPlasterLabour, ThinPlasterLabour, ThickPlasterLabour,
};

// One row of the rate table as it is shown: description, then the material, labour and
// total cells.
using RateRow = std::array<std::string, 4>;

// Throws NotANumber (its input() a CostInput) or TooLarge; each text is read where the
// analysis first needs it, so the first failing box in that order is the one reported.
std::array<UnitRate, RateItemCount> analyseUnitRates(const CostTexts &costs);

std::array<RateRow, RateItemCount> rateTableRows(const CostTexts &costs);

// The rows of the rate table as spreadsheet formulas of the cells that hold the nine costs
// (`costCells`, in the order of CostInput), each figure rounded to two decimals as the table
// shows it, each sum formed in the order the analysis forms it, so that a spreadsheet works out
// the very figures. Row 6 has a material cost alone.
struct RateFormulas
{
    std::string material;
    std::string labour;
    std::string total;
};
std::array<RateFormulas, RateItemCount>
rateFormulas(const std::array<std::string, CostInputCount> &costCells);

} // namespace ratebook
