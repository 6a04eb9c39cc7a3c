// SPDX-FileCopyrightText: 2026 ratebook developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A double whose every product, quotient and sum is checked, so that a formula written
// as plain arithmetic abandons the computation (TooLarge) the moment a value overflows.
#pragma once

#include "common/numbertext.h"

#include <cmath>

namespace ratebook {

class Checked
{
public:
    constexpr Checked(double value = 0) : m_value(value) { }
    constexpr double value() const { return m_value; }

    friend Checked operator+(Checked a, Checked b) { return check(a.m_value + b.m_value); }
    friend Checked operator*(Checked a, Checked b) { return check(a.m_value * b.m_value); }
    friend Checked operator/(Checked a, Checked b) { return check(a.m_value / b.m_value); }

private:
    static Checked check(double v)
    {
        if (!std::isfinite(v))
            throw TooLarge();
        return Checked(v);
    }
    double m_value;
};

} // namespace ratebook
