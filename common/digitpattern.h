// SPDX-FileCopyrightText: 2026 ratebook developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Printing a number by a digit pattern such as "######.#0", "00.00" or "0.00": the same
// helper fills the rate table and the material table, so both round alike.
#pragma once

#include <string>
#include <string_view>

namespace ratebook {

// '0' is always a digit, '#' a digit only where significant, '.' the decimal point.
// Every integer digit is printed, without grouping, and a negative value gets a leading
// minus unless it rounds to zero. Rounding is to the pattern's decimals, half away from
// zero, on the value taken to 15 significant digits, so 2.675 prints as 2.68 although
// its double lies just below. Throws TooLarge for a value that is not finite.
std::string formatNumber(double value, std::string_view pattern);

} // namespace ratebook
