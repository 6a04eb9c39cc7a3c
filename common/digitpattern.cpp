// SPDX-FileCopyrightText: 2026 ratebook developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/digitpattern.h"

#include "common/numbertext.h"

#include <algorithm>
#include <charconv>
#include <cstring>
#include <cmath>
#include <limits>

namespace ratebook {

namespace {

struct Pattern
{
    std::size_t minIntegerDigits = 0;
    std::size_t decimals = 0;         // places rounded to
    std::size_t requiredDecimals = 0; // places printed even when zero
};

Pattern parse(std::string_view pattern)
{
    const auto point = pattern.find('.');
    const auto integer = pattern.substr(0, point);
    const auto fraction = point == std::string_view::npos ? std::string_view()
                                                          : pattern.substr(point + 1);
    Pattern p;
    p.minIntegerDigits = std::size_t(std::count(integer.begin(), integer.end(), '0'));
    p.decimals = fraction.size();
    const auto lastZero = fraction.find_last_of('0');
    p.requiredDecimals = lastZero == std::string_view::npos ? 0 : lastZero + 1;
    return p;
}

// The value's magnitude as decimal digits with the point after `pointAt` of them,
// rounded half away from zero to `decimals` places. At most 17 digits are ever held, so
// they live in place rather than on the heap: a table formats thirty of them at a time.
struct Decimal
{
    char digits[20];
    long count = 0;
    long pointAt = 0;

    char at(long index) const { return index >= 0 && index < count ? digits[index] : '0'; }
};

// Keeps the first `keep` digits, rounding half up on the one after; a carry out of the
// first digit puts a 1 in front and moves the point.
void roundTo(Decimal &d, long keep)
{
    if (keep >= d.count)
        return;
    const bool up = d.digits[keep] >= '5';
    d.count = keep;
    if (!up)
        return;
    long i = keep - 1;
    for (; i >= 0 && d.digits[i] == '9'; --i)
        d.digits[i] = '0';
    if (i >= 0) {
        ++d.digits[i];
    } else {
        std::memmove(d.digits + 1, d.digits, std::size_t(d.count));
        d.digits[0] = '1';
        ++d.count;
        ++d.pointAt;
    }
}

Decimal roundedDecimal(double magnitude, std::size_t decimals)
{
    // 15 significant digits of the exact value, correctly rounded as printf's %.14e. The
    // shortest digits that read back as the same double, to_chars's fast path, round to
    // the same 15 unless they end exactly on a 16th-digit 5, when the value may lie on
    // either side; there, and below the normal range, the slower exact rounding serves.
    char buffer[40];
    char *end = std::to_chars(buffer, buffer + sizeof buffer, magnitude,
                              std::chars_format::scientific)
                    .ptr;
    char *e = std::find(buffer, end, 'e');
    const bool tie = e - buffer == 17 && e[-1] == '5';
    if (tie || (magnitude != 0 && magnitude < std::numeric_limits<double>::min())) {
        end = std::to_chars(buffer, buffer + sizeof buffer, magnitude,
                            std::chars_format::scientific, 14)
                  .ptr;
        e = buffer + 16;
    }
    int exponent = 0;
    std::from_chars(e + 2, end, exponent); // after the 'e' and its sign
    Decimal d;
    d.pointAt = (e[1] == '-' ? -exponent : exponent) + 1;
    d.digits[d.count++] = buffer[0];
    for (const char *digit = buffer + 2; digit < e; ++digit)
        d.digits[d.count++] = *digit;
    roundTo(d, 15);
    // Fewer than 15 digits are padded with zeros; a carry's 16th digit is a zero, dropped.
    std::fill(d.digits + std::min(d.count, 15L), d.digits + 15, '0');
    d.count = 15;

    const long keep = d.pointAt + long(decimals);
    if (keep < 0) {
        d.count = 0;
        return d;
    }
    roundTo(d, keep);
    return d;
}

} // namespace

std::string formatNumber(double value, std::string_view pattern)
{
    if (!std::isfinite(value))
        throw TooLarge();
    const Pattern p = parse(pattern);
    const Decimal d = roundedDecimal(std::fabs(value), p.decimals);

    // Digit k of the rounded value, counting from the point: k = 0 is the units digit
    // going left, k = -1 the first decimal going right.
    auto digitAt = [&](long position) {
        const long index = d.pointAt - 1 - position;
        return d.at(index);
    };

    // The integer part from its first significant digit, padded to the pattern's zeros;
    // the decimals up to the last significant one or the pattern's last zero.
    long top = std::max(d.pointAt, 0L) - 1;
    while (top >= 0 && digitAt(top) == '0')
        --top;
    top = std::max(top, long(p.minIntegerDigits) - 1);
    long decimals = long(p.decimals);
    while (decimals > long(p.requiredDecimals) && digitAt(-decimals) == '0')
        --decimals;

    const bool zero = std::all_of(d.digits, d.digits + d.count, [](char c) { return c == '0'; });
    // Sized once and filled in place: the table formats thirty numbers at a click.
    const bool minus = value < 0 && !zero;
    std::string text(std::size_t(minus + (top + 1) + (p.decimals > 0) + decimals), '.');
    char *out = text.data();
    if (minus)
        *out++ = '-';
    for (long k = top; k >= 0; --k)
        *out++ = digitAt(k);
    if (p.decimals > 0)
        ++out; // the point
    for (long k = 1; k <= decimals; ++k)
        *out++ = digitAt(-k);
    return text;
}

} // namespace ratebook
