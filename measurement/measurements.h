// SPDX-FileCopyrightText: 2026 ratebook developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The details of measurement: each line is Nos x Length x Breadth x Depth of the factors
// given, to 0.01 as the method of measurement takes it; lines marked as deductions are taken
// off. An item keeps its gross, deductions and net as its lines change, so a keystroke costs
// one item's sum. No window here.
#pragma once

#include "common/money.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace ratebook {

enum Factor { Nos, Length, Breadth, Depth, FactorCount };
using FactorTexts = std::array<std::string, FactorCount>; // as typed; blank for none

// A factor that is not a figure of at most three decimals.
class BadFactor : public ComputeError
{
public:
    BadFactor(Factor factor, const BadFigure &figure);
    Factor factor() const noexcept { return m_factor; }
    BadFigure::Why why() const noexcept { return m_why; }

private:
    Factor m_factor;
    BadFigure::Why m_why;
};

// The product of the factors given, blank ones left out, rounded half away from zero to 0.01;
// none when no factor is given. A factor has no grouping commas. 2 x 5.03 x 0.80 x 0.90 -> 7.24; 1
// x 2.01 x 0.50 -> 1.01. Throws BadFactor (the first in the order Nos, Length, Breadth, Depth) or
// TooLarge.
std::optional<Hundredths> lineQuantity(const FactorTexts &factors);

struct MeasurementLine
{
    std::string particulars;
    FactorTexts factors;
    bool deduct = false;
    std::optional<Hundredths> quantity = {}; // as lineQuantity gives it
};

// The lines that measure one item: first those measured, then those deducted, each part in
// the order the user set.
class MeasuredItem
{
public:
    explicit MeasuredItem(std::string key) : m_key(std::move(key)) {}

    const std::string &key() const { return m_key; }
    void setKey(std::string key) { m_key = std::move(key); }
    const std::vector<MeasurementLine> &lines() const { return m_lines; }
    // Where the deductions start: lines() before it are measured, from it deducted.
    std::size_t deductionsFrom() const { return m_deductionsFrom; }

    // Each throws, leaving the item as it was: BadFactor, or TooLarge for a line or a total
    // past the range.
    void append(MeasurementLine line);
    void setFactor(std::size_t line, Factor factor, const std::string &text);
    void setParticulars(std::size_t line, std::string particulars);
    // A new blank line among the measured lines or the deductions, at `at` or, past their end,
    // last among them; returns where it is.
    std::size_t insertLine(std::size_t at, bool deduct);
    void removeLine(std::size_t line);
    // Moves the line to the end of the other part; returns where it is now.
    std::size_t toggleDeduct(std::size_t line);

private:
    struct Totals
    {
        Hundredths gross = 0;
        Hundredths deductions = 0;
        Hundredths net = 0;
        std::size_t counted = 0; // lines that give a quantity
    };
    // The totals once `line` takes `quantity` in place of what it gives now, adjusted rather
    // than summed again; `line` past the end is a line added.
    Totals totalsWith(std::size_t line, bool deduct, std::optional<Hundredths> quantity) const;

    std::string m_key;
    std::vector<MeasurementLine> m_lines;
    std::size_t m_deductionsFrom = 0;
    Totals m_totals;

public:
    Hundredths gross() const { return m_totals.gross; }
    Hundredths deductions() const { return m_totals.deductions; }
    Hundredths net() const { return m_totals.net; }
    // Whether any line gives a quantity: only then does the item have a measured net.
    bool measured() const { return m_totals.counted > 0; }
};

} // namespace ratebook
