// SPDX-FileCopyrightText: 2026 ratebook developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/money.h"

#include "common/digitpattern.h"

#include <charconv>
#include <stdexcept>
#include <utility>

namespace ratebook {

BadFigure::BadFigure(Why why, std::string text)
    : ComputeError((why == NotANumber ? "not a number: " : "too many decimals: ") + text),
      m_why(why), m_text(std::move(text))
{
}

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

void checkPlaces(int decimals)
{
    if (decimals < 0 || decimals > 3)
        throw std::invalid_argument("a money figure has 0 to 3 decimals");
}

std::int64_t product(std::int64_t a, std::int64_t b)
{
    std::int64_t result;
    if (__builtin_mul_overflow(a, b, &result))
        throw TooLarge();
    return result;
}

// value * 10 + digit, or false once it leaves the range.
bool appendDigit(std::int64_t &value, int digit)
{
    return !__builtin_mul_overflow(value, 10, &value)
        && !__builtin_add_overflow(value, digit, &value);
}

// n / d to the nearest whole number, halves away from zero.
std::int64_t divideRounded(std::int64_t n, std::int64_t d)
{
    if (d <= 0)
        throw std::invalid_argument("a rate's unit and a rounding step are positive");
    const std::int64_t q = n / d;
    const std::int64_t r = n % d;
    const std::int64_t away = r < 0 ? -r : r;
    // |r| against d - |r|, since 2|r| could overflow for a large d.
    if (away < d - away)
        return q;
    return n < 0 ? q - 1 : q + 1;
}

// In unsigned arithmetic, so the most negative amount has a size too.
std::uint64_t magnitude(std::int64_t value)
{
    return value < 0 ? 0 - std::uint64_t(value) : std::uint64_t(value);
}

constexpr const char *ones[] = {"Zero", "One", "Two", "Three", "Four", "Five", "Six", "Seven",
    "Eight", "Nine", "Ten", "Eleven", "Twelve", "Thirteen", "Fourteen", "Fifteen", "Sixteen",
    "Seventeen", "Eighteen", "Nineteen"};
constexpr const char *tens[] = {"", "", "Twenty", "Thirty", "Forty", "Fifty", "Sixty", "Seventy",
    "Eighty", "Ninety"};

std::string belowHundred(std::uint64_t n)
{
    if (n < 20)
        return ones[n];
    std::string words = tens[n / 10];
    if (n % 10 != 0)
        words += std::string("-") + ones[n % 10];
    return words;
}

std::string countInWords(std::uint64_t n)
{
    std::string words;
    const auto say = [&words](const std::string &word) {
        if (!words.empty())
            words += ' ';
        words += word;
    };
    // Past 99 crore there is no larger name in use: the crores are counted like rupees.
    if (n >= 10'000'000) {
        say(countInWords(n / 10'000'000));
        say("Crore");
        n %= 10'000'000;
    }
    const struct { std::uint64_t size; const char *name; } places[] = {
        {100'000, "Lakh"}, {1000, "Thousand"}, {100, "Hundred"}};
    for (const auto &place : places) {
        if (n >= place.size) {
            say(belowHundred(n / place.size));
            say(place.name);
            n %= place.size;
        }
    }
    if (n > 0 || words.empty())
        say(belowHundred(n));
    return words;
}

} // namespace

std::int64_t shownUnits(double value, int decimals)
{
    checkPlaces(decimals);
    // Read back from the printed text, so the count is the very figure the table shows.
    const std::string pattern = decimals > 0 ? "0." + std::string(decimals, '0') : "0";
    return parseFixed(formatNumber(value, pattern), decimals);
}

std::int64_t parseFixed(std::string_view text, int decimals)
{
    checkPlaces(decimals);
    const auto refuse = [text](BadFigure::Why why) { return BadFigure(why, std::string(text)); };
    std::string_view s = text;
    const auto first = s.find_first_not_of(' ');
    if (first == std::string_view::npos)
        throw refuse(BadFigure::NotANumber);
    s = s.substr(first, s.find_last_not_of(' ') - first + 1);
    const bool negative = s.front() == '-';
    if (negative)
        s.remove_prefix(1);

    // Digits are gathered toward the sign, so the most negative value reads too. An overflow
    // is reported only once the whole text is known to be a figure.
    std::int64_t value = 0;
    bool fits = true;
    bool anyDigit = false;
    int places = -1; // digits after the point; -1 before it
    for (std::size_t i = 0; i < s.size(); ++i) {
        const char c = s[i];
        if (isDigit(c)) {
            anyDigit = true;
            if (places >= 0)
                ++places;
            if (fits)
                fits = appendDigit(value, negative ? '0' - c : c - '0');
        } else if (c == '.' && places < 0) {
            places = 0;
        } else if (c != ',' || places >= 0 || i == 0 || i + 1 == s.size() || !isDigit(s[i - 1])
                   || !isDigit(s[i + 1])) {
            throw refuse(BadFigure::NotANumber);
        }
    }
    if (!anyDigit)
        throw refuse(BadFigure::NotANumber);
    if (places > decimals)
        throw refuse(BadFigure::TooManyDecimals);
    for (int p = places < 0 ? 0 : places; p < decimals && fits; ++p)
        fits = appendDigit(value, 0);
    if (!fits)
        throw TooLarge();
    return value;
}

Paise amountFor(Thousandths quantity, Paise rate, int per)
{
    return divideRounded(product(quantity, rate), product(1000, per));
}

Paise timesHundredths(Paise each, Hundredths count)
{
    return divideRounded(product(each, count), 100);
}

Paise percentOf(Paise base, Hundredths percent)
{
    return divideRounded(product(base, percent), 100 * 100);
}

Paise sum(Paise a, Paise b)
{
    Paise result;
    if (__builtin_add_overflow(a, b, &result))
        throw TooLarge();
    return result;
}

Paise difference(Paise a, Paise b)
{
    Paise result;
    if (__builtin_sub_overflow(a, b, &result))
        throw TooLarge();
    return result;
}

Hundredths productInHundredths(std::span<const Thousandths> factors)
{
    // Four factors of metres in thousandths run past 64 bits long before their product does.
    __extension__ using Wide = __int128;
    if (factors.empty())
        throw std::invalid_argument("a product of no factors");
    Wide product = 1;
    Wide scale = 1; // 1000 for each factor, less the 100 of the hundredths
    for (const Thousandths factor : factors) {
        if (__builtin_mul_overflow(product, Wide(factor), &product))
            throw TooLarge();
        scale *= 1000;
    }
    scale /= 100;
    Wide q = product / scale;
    const Wide r = product % scale;
    const Wide away = r < 0 ? -r : r;
    if (away >= scale - away)
        q += product < 0 ? -1 : 1;
    if (q > INT64_MAX || q < INT64_MIN)
        throw TooLarge();
    return Hundredths(q);
}

Thousandths inThousandths(Hundredths quantity)
{
    return product(quantity, 10);
}

Paise roundToRupees(Paise amount, int rupees)
{
    const std::int64_t step = product(100, rupees);
    return product(divideRounded(amount, step), step);
}

std::string fixedText(std::int64_t units, int decimals, bool indianGrouping)
{
    checkPlaces(decimals);
    char buffer[24];
    std::string digits(buffer, std::to_chars(buffer, buffer + sizeof buffer, magnitude(units)).ptr);
    const auto places = std::size_t(decimals);
    if (digits.size() <= places)
        digits.insert(0, places + 1 - digits.size(), '0');
    const std::size_t integers = digits.size() - places;

    std::string text = units < 0 ? "-" : "";
    for (std::size_t i = 0; i < integers; ++i) {
        text += digits[i];
        // The thousands, then every two digits: lakh, crore, and on.
        const std::size_t toCome = integers - 1 - i;
        if (indianGrouping && toCome >= 3 && (toCome - 3) % 2 == 0)
            text += ',';
    }
    if (places > 0)
        text += '.' + digits.substr(integers);
    return text;
}

std::string percentText(Hundredths percent)
{
    std::string text = fixedText(percent, 2);
    text.erase(text.find_last_not_of('0') + 1);
    if (text.back() == '.')
        text.pop_back();
    return text;
}

std::string rupeesInWords(Paise amount)
{
    const std::uint64_t rupees = magnitude(amount) / 100;
    const std::uint64_t paise = magnitude(amount) % 100;
    std::string text = amount < 0 ? "Minus " : "";
    if (rupees > 0 || paise == 0)
        text += "Rupees " + countInWords(rupees);
    if (rupees > 0 && paise > 0)
        text += " and ";
    if (paise > 0)
        text += "Paise " + belowHundred(paise);
    return text + " Only";
}

} // namespace ratebook
