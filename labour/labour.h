// SPDX-FileCopyrightText: 2026 ratebook developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The labour an estimate needs: for each item of work with a row of labour in the data sheet,
// its quantity times that row's mandays of each class per unit of rate, to 0.01 of a day; the
// days of each class summed, and the wages they cost at the costs used, to the paisa. Worked
// in integers, as the abstract's money is. No window here.
#pragma once

#include "common/money.h"
#include "datasheet/unitrates.h"

#include <array>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace ratebook {

// Mason 1st class, mason 2nd class, man mazdoor, woman mazdoor, in the order of their costs.
inline constexpr std::size_t LabourClassCount = 4;
inline constexpr CostInput FirstLabourClass = Mason1;
using Days = Hundredths; // of a manday
using PerClass = std::array<std::optional<Days>, LabourClassCount>;

struct LabourItem
{
    std::string number;
    std::string description;
    std::string unit;
    Thousandths quantity = 0; // as the abstract shows it
    int per = 1;              // the labour is for this many units: 1 Cum, or 10 Sqm
    std::span<const LabourTerm> perUnit;
};

struct Labour
{
    // The days of each item, in the items' order; none where it takes none of that class.
    std::vector<PerClass> lines;
    std::array<Days, LabourClassCount> days{};
    std::array<Paise, LabourClassCount> wagePerDay{};
    std::array<Paise, LabourClassCount> wages{};
    Paise totalWages = 0;
};

// The days of each line as shown, their sums, and each sum times its class's wage, rounded half
// away from zero: 10.000 Cum of PCC takes 0.06 x 10 = 0.60 days of a mason 1st class; 125.500
// Sqm of plaster per 10 Sqm at 1.1 days takes 13.81 days of a mason 2nd class. Throws TooLarge.
Labour workOutLabour(const std::vector<LabourItem> &items,
                     const std::array<Paise, LabourClassCount> &wagePerDay);

} // namespace ratebook
