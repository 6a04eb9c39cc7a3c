// SPDX-FileCopyrightText: 2026 ratebook developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/numbertext.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

namespace ratebook {

NotANumber::NotANumber(std::string text, int input)
    : ComputeError("not a number: " + text), m_text(std::move(text)), m_input(input)
{
}

TooLarge::TooLarge() : ComputeError("the result is too large to compute") { }

bool isBlank(std::string_view text) noexcept
{
    return text.find_first_not_of(' ') == std::string_view::npos;
}

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// What the grammar check learns on the way: enough to tell an overflow from an
// underflow when from_chars reports that the value is out of range.
struct Scan
{
    bool valid = false;
    long long leadExponent = 0; // decimal exponent of the first significant digit
    bool allZero = true;
};

Scan scan(std::string_view s)
{
    Scan result;
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-'))
        ++i;
    long long intDigits = 0, fracZeros = 0;
    std::size_t digits = 0;
    for (; i < s.size() && isDigit(s[i]); ++i, ++digits) {
        if (s[i] != '0' || !result.allZero) {
            result.allZero = false;
            ++intDigits;
        }
    }
    if (i < s.size() && s[i] == '.') {
        for (++i; i < s.size() && isDigit(s[i]); ++i, ++digits) {
            if (result.allZero && s[i] == '0')
                ++fracZeros;
            else
                result.allZero = false;
        }
    }
    if (digits == 0)
        return result;
    long long exponent = 0;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        ++i;
        const bool negative = i < s.size() && s[i] == '-';
        if (i < s.size() && (s[i] == '+' || s[i] == '-'))
            ++i;
        const std::size_t start = i;
        for (; i < s.size() && isDigit(s[i]); ++i)
            exponent = std::min(exponent * 10 + (s[i] - '0'), 1'000'000'000LL); // saturate
        if (i == start)
            return result;
        if (negative)
            exponent = -exponent;
    }
    result.valid = i == s.size();
    result.leadExponent = (intDigits > 0 ? intDigits - 1 : -fracZeros - 1) + exponent;
    return result;
}

} // namespace

double toNumber(std::string_view text, int input)
{
    std::string_view s = text;
    const auto first = s.find_first_not_of(' ');
    if (first == std::string_view::npos)
        throw NotANumber(std::string(text), input);
    s = s.substr(first, s.find_last_not_of(' ') - first + 1);

    const Scan shape = scan(s);
    if (!shape.valid)
        throw NotANumber(std::string(text), input);
    const bool negative = s.front() == '-';
    if (s.front() == '+')
        s.remove_prefix(1); // from_chars takes no plus sign

    double value = 0;
    const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
    if (ec == std::errc::result_out_of_range) {
        if (shape.leadExponent >= 0)
            throw TooLarge();
        return negative ? -0.0 : 0.0;
    }
    if (ec != std::errc() || end != s.data() + s.size() || !std::isfinite(value))
        throw NotANumber(std::string(text), input);
    return value;
}

} // namespace ratebook
