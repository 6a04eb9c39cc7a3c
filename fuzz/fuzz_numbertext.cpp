// SPDX-FileCopyrightText: 2026 ratebook developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The parser takes exactly this grammar and reads what strtod reads; beyond a double is TooLarge.
#include "fuzz.h"

#include "common/numbertext.h"

#include <cfloat>
#include <cmath>
#include <regex>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static const std::regex grammar(" *[+-]?(\\d+\\.?\\d*|\\.\\d+)([eE][+-]?\\d+)? *");
    const std::string text(reinterpret_cast<const char *>(data), size);
    const bool grammatical = std::regex_match(text, grammar);
    const double expected = grammatical ? std::strtod(text.c_str(), nullptr) : 0;
    try {
        const double value = ratebook::toNumber(text);
        const bool underflow = value == 0 && std::fabs(expected) < DBL_MIN;
        check(grammatical && (value == expected || underflow), text);
    } catch (const ratebook::NotANumber &e) {
        check(!grammatical && e.text() == text, text);
    } catch (const ratebook::TooLarge &) {
        check(std::isinf(expected), text);
    }
    check(ratebook::isBlank(text) == (text.find_first_not_of(' ') == std::string::npos), text);
    return 0;
}
