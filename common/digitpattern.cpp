#include "common/digitpattern.h"

#include "common/numbertext.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

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
    const auto fraction = point == std::string_view::npos ? std::string_view() : pattern.substr(point + 1);
    Pattern p;
    p.minIntegerDigits = std::size_t(std::count(integer.begin(), integer.end(), '0'));
    p.decimals = fraction.size();
    const auto lastZero = fraction.find_last_of('0');
    p.requiredDecimals = lastZero == std::string_view::npos ? 0 : lastZero + 1;
    return p;
}

// The value's magnitude as decimal digits with the point after `pointAt` of them,
// rounded half away from zero to `decimals` places.
struct Decimal
{
    std::string digits;
    long pointAt = 0;
};

Decimal roundedDecimal(double magnitude, std::size_t decimals)
{
    // %.14e is correctly rounded by the C library: 15 significant digits.
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.14e", magnitude);
    Decimal d;
    d.digits.push_back(buffer[0]);
    d.digits.append(buffer + 2, 14);
    d.pointAt = std::strtol(buffer + 17, nullptr, 10) + 1;

    const long keep = d.pointAt + long(decimals);
    if (keep < 0)
        return {std::string(), d.pointAt};
    if (keep >= long(d.digits.size()))
        return d;
    const bool up = d.digits[std::size_t(keep)] >= '5';
    d.digits.resize(std::size_t(keep));
    if (up) {
        long i = keep - 1;
        for (; i >= 0 && d.digits[std::size_t(i)] == '9'; --i)
            d.digits[std::size_t(i)] = '0';
        if (i >= 0) {
            ++d.digits[std::size_t(i)];
        } else {
            d.digits.insert(d.digits.begin(), '1');
            ++d.pointAt;
        }
    }
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
        return index >= 0 && index < long(d.digits.size()) ? d.digits[std::size_t(index)] : '0';
    };

    std::string integer;
    for (long k = std::max(d.pointAt, 0L) - 1; k >= 0; --k)
        integer.push_back(digitAt(k));
    integer.erase(0, std::min(integer.find_first_not_of('0'), integer.size()));
    if (integer.size() < p.minIntegerDigits)
        integer.insert(0, p.minIntegerDigits - integer.size(), '0');

    std::string fraction;
    for (long k = 1; k <= long(p.decimals); ++k)
        fraction.push_back(digitAt(-k));
    while (fraction.size() > p.requiredDecimals && fraction.back() == '0')
        fraction.pop_back();

    const bool zero = d.digits.find_first_not_of('0') == std::string::npos;
    std::string text = value < 0 && !zero ? "-" : "";
    text += integer;
    if (!fraction.empty() || p.decimals > 0)
        text += '.' + fraction;
    return text;
}

} // namespace ratebook
