// SPDX-FileCopyrightText: 2026 ratebook developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Turning what a user typed into a number, and the errors that abandon a computation.
// Both work windows read their boxes through here, so they accept exactly the same texts.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace ratebook {

// Base of everything that abandons a computation; the window reports it and stops.
class ComputeError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

// A box's text is not a number. `input` is the index of the box in the caller's
// list of inputs, so the window can name it; -1 when the caller gave none.
class NotANumber : public ComputeError
{
public:
    NotANumber(std::string text, int input);
    const std::string &text() const noexcept { return m_text; }
    int input() const noexcept { return m_input; }

private:
    std::string m_text;
    int m_input;
};

// A value left the range of a double.
class TooLarge : public ComputeError
{
public:
    TooLarge();
};

// Blank means nothing but spaces, or nothing at all.
bool isBlank(std::string_view text) noexcept;

// Spaces around are allowed; then an optional sign, digits with at most one point
// (a lone point is not a number) and an optional exponent. The point is the decimal
// separator whatever the locale. Throws NotANumber (tagged with `input`) or TooLarge;
// a value too small for a double becomes zero.
double toNumber(std::string_view text, int input = -1);

} // namespace ratebook
