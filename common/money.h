// SPDX-FileCopyrightText: 2026 ratebook developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Exact figures: paise, thousandths and hundredths held as integers, each step rounded half
// away from zero and checked, so the lines on the page add up to the total printed under
// them and the words say the same figure. The abstract's money and the measurements' lines.
#pragma once

#include "common/numbertext.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace ratebook {

using Paise = std::int64_t;       // 100 to the rupee
using Thousandths = std::int64_t; // of a unit of work: 1.000 Cum is 1000
using Hundredths = std::int64_t;  // of a percent (5 % is 500), or of a unit (0.01 Cum is 1)

// A rate or percentage typed by the user that cannot be taken.
class BadFigure : public ComputeError
{
public:
    enum Why { NotANumber, TooManyDecimals };
    BadFigure(Why why, std::string text);
    Why why() const noexcept { return m_why; }
    const std::string &text() const noexcept { return m_text; }

private:
    Why m_why;
    std::string m_text;
};

// The value as the tables show it to `decimals` places (0 to 3): taken to 15 significant digits,
// then rounded half away from zero, exactly as formatNumber(value, "0.000") / "0.00" prints it,
// as a count of 10^-decimals. 12.3456 at 3 -> 12346; 2469.0000000001 at 2 -> 246900.
// Throws TooLarge when not finite or when the count does not fit.
std::int64_t shownUnits(double value, int decimals);

// A figure typed by the user: blanks around allowed; an optional leading minus; digits, which
// may be grouped with commas between digits ("7,650.50", "1,00,000"); at most one point and at
// most `decimals` digits after it. "7,650.50" at 2 -> 765050; "5" -> 500; ".5" -> 50.
// Throws BadFigure(NotANumber) for anything else (empty, "1e3", "1..2", ",5", "5,", "abc"),
// BadFigure(TooManyDecimals) for "1.005" at 2, TooLarge when it does not fit.
std::int64_t parseFixed(std::string_view text, int decimals);

// quantity x rate / per, to the paisa: `per` is how many units the rate is for (1, 10, 100 or
// 1000).
// 12.346 Cum at 3,499.20 per 1 Cum -> 43,201.12; 125.500 Sqm at 917.00 per 10 Sqm -> 11,508.35.
Paise amountFor(Thousandths quantity, Paise rate, int per);
// `count` hundredths of something at `each`, to the paisa: 13.81 days at 250.00 -> 3,452.50.
Paise timesHundredths(Paise each, Hundredths count);
// `percent` of `base`, to the paisa: 5 % of 86,307.91 -> 4,315.40.
Paise percentOf(Paise base, Hundredths percent);
// a + b and a - b, checked.
Paise sum(Paise a, Paise b);
Paise difference(Paise a, Paise b);
// The product of figures of three decimals, to 0.01, half away from zero, worked in integers:
// 2.000 x 5.030 x 0.800 x 0.900 -> 7.24; 1.000 x 2.010 x 0.500 -> 1.01 (exactly 1.005).
// None given is no product: the caller asks for one or more. Throws TooLarge.
Hundredths productInHundredths(std::span<const Thousandths> factors);
// A measured quantity as the abstract holds quantities: 9.15 -> 9.150. Throws TooLarge.
Thousandths inThousandths(Hundredths quantity);
// To the nearest `rupees` (1, 10, 100 or 1000), half away from zero:
// 1,06,935.51 to 100 -> 1,06,900.00.
Paise roundToRupees(Paise amount, int rupees);

// `units` with `decimals` places (0 to 3), optionally grouped the Indian way:
// (4600, 3) -> "4.600"; (-4000, 3) -> "-4.000"; (1234567890, 2, true) -> "1,23,45,678.90";
// (99900, 2, true) -> "999.00"; (-10000000, 2, true) -> "-1,00,000.00".
std::string fixedText(std::int64_t units, int decimals, bool indianGrouping = false);
// A percentage as a person writes it: 500 -> "5", 250 -> "2.5", 25 -> "0.25", -200 -> "-2".
std::string percentText(Hundredths percent);
// The amount in words, Indian system: 12345678 -> "Rupees One Lakh Twenty-Three Thousand Four
// Hundred Fifty-Six and Paise Seventy-Eight Only"; 78 -> "Paise Seventy-Eight Only";
// 0 -> "Rupees Zero Only"; -500 -> "Minus Rupees Five Only". From 100 crore up the crores are
// counted in words too: "One Hundred Crore", "One Lakh Crore".
std::string rupeesInWords(Paise amount);

} // namespace ratebook
