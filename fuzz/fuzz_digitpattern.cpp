// SPDX-FileCopyrightText: 2026 ratebook developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A formatted number, away from halves, has the value printf's %.2f rounds to.
#include "fuzz.h"

#include "common/digitpattern.h"
#include "common/numbertext.h"

#include <array>
#include <cmath>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    double value;
    if (size <= sizeof value)
        return 0;
    std::memcpy(&value, data, sizeof value);
    const int pattern = data[sizeof value] % 3;
    char exact[400];
    std::snprintf(exact, sizeof exact, "%.2f", value);
    try {
        const char *patterns[] = {"######.#0", "00.00", "0.00"};
        const std::string text = ratebook::formatNumber(value, patterns[pattern]);
        check(std::isfinite(value), text + " for " + exact);
        const double hundredths = std::fabs(value * 100);
        // Away from halves, where taking the value to 15 digits first cannot make a half.
        check(!(std::fabs(hundredths - std::trunc(hundredths) - 0.5) > 0.01 + 1e-13 * hundredths)
              || ratebook::toNumber(text) == ratebook::toNumber(exact), text + " for " + exact);
    } catch (const ratebook::TooLarge &) {
        // Not finite, or 15 digits of it round past the largest double.
        check(!(std::fabs(value) < 1.797693134862315e308), exact);
    }
    return 0;
}
