// SPDX-FileCopyrightText: 2026 ratebook developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The material extractor's arithmetic: the quantities of twelve fixed items of work in,
// the metal, chips, bricks, cement and sand they need out, and the three rows of the
// material table as the window shows them. No window here: Form17 passes its twelve texts.
#pragma once

#include <array>
#include <cstddef>
#include <string>

namespace ratebook {

// Items 1 to 8 in cubic metres, 9 to 12 in square metres of plaster; index 0 is item 1.
inline constexpr std::size_t WorkItemCount = 12;
using QuantityTexts = std::array<std::string, WorkItemCount>;

// An item's caption is its name, the blanks and its unit: the blanks push the units into a
// column at the right of the check boxes.
struct WorkItem
{
    const char *name;
    int blanks;
    const char *unit;
};

inline constexpr WorkItem WorkItems[WorkItemCount] = {
    {"PCC (1:4:8) mix", 50, "(Cum )"},
    {"PCC (1:5:10) mix", 49, "(Cum)"},
    {"RCC (1:2:4) mix", 51, "(Cum)"},
    {"RCC (1:1.5:3)", 54, "(Cum)"},
    {"Brick Masonary With CM (1:4) mix", 22, "(Cum)"},
    {"Brick Masonary With CM (1:5) mix", 22, "(Cum)"},
    {"Brick Masonary With CM (1:6) mix", 22, "(Cum)"},
    {"Brick Masonary With CM (1:8) mix", 22, "(Cum)"},
    {"Plastering with CM (1:3) Mix, 12  mm Thick", 9, "(Sqm)"},
    {"Plastering with CM (1:3) Mix, 20 mm Thick", 10, "(Sqm)"},
    {"Plastering with CM (1:5) Mix, 12 mm Thick", 10, "(Sqm)"},
    {"Plastering with CM (1:5) Mix, 20 mm Thick", 10, "(Sqm)"},
};

// Item 1 to 12's name as a reader writes it, one blank between words, and its unit ("Cum").
std::string itemName(int item);
std::string itemUnit(int item);

// Volumes in cubic metres unless named cft; bricks keep their fraction.
struct MaterialTotals
{
    double metal40 = 0;
    double chips20 = 0;
    double bricks = 0;
    double cement = 0;
    double sand = 0;
    double metal40cft = 0;
    double chips20cft = 0;
    double cementcft = 0;
    double sandcft = 0;
    double cementbags = 0; // of 50 kg
};

// Cells left to right under "40 MM METAL", "20 MM CHIPS", "BRICKS", "CEMENT", "SAND";
// the rows are the quantities, the cement in bags, then the volumes in cubic feet.
using MaterialRow = std::array<std::string, 5>;
using MaterialTable = std::array<MaterialRow, 3>;

// Throws NotANumber (its input() the item's index) or TooLarge. Every term reads its box
// when the sums reach it, left to right, so the first failing box in that order is named.
MaterialTotals materialTotals(const QuantityTexts &quantities);

MaterialTable materialTableRows(const MaterialTotals &totals);
MaterialTable materialTableRows(const QuantityTexts &quantities);

// The material table's cells as spreadsheet formulas of the cells that hold the twelve
// quantities (`quantityCells`, item 1 first), each figure rounded to two decimals as the table
// shows it, each sum formed in the order the computation forms it; empty where the table is.
MaterialTable materialFormulas(const std::array<std::string, WorkItemCount> &quantityCells);

} // namespace ratebook
