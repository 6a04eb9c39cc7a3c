// SPDX-FileCopyrightText: 2026 ratebook developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A spreadsheet formula written as plain arithmetic. The code that works a figure out with
// Checked writes, given Formula instead, the formula a spreadsheet works it out by: the same
// operations in the same order, so the spreadsheet comes to the very same double.
#pragma once

#include <charconv>
#include <string>

namespace ratebook {

class Formula
{
public:
    Formula(double constant = 0) : m_text(number(constant)) { }
    static Formula cell(std::string reference) { return {std::move(reference), Atom}; }
    const std::string &text() const { return m_text; }

    // A sum begun at zero, as a running total is, leaves its zero out: 0 + x is x.
    friend Formula operator+(const Formula &a, const Formula &b)
    {
        return a.m_text == "0" ? b : join(a, '+', b, Sum);
    }
    friend Formula operator*(const Formula &a, const Formula &b)
    {
        return join(a, '*', b, Product);
    }
    friend Formula operator/(const Formula &a, const Formula &b)
    {
        return join(a, '/', b, Product);
    }

    // The shortest text that reads back as the same double.
    static std::string number(double value)
    {
        char text[32];
        return std::string(text, std::to_chars(text, text + sizeof text, value).ptr);
    }

private:
    enum Binding { Sum, Product, Atom };
    Formula(std::string text, Binding binding) : m_text(std::move(text)), m_binding(binding) { }

    // Brackets only where the spreadsheet would group otherwise. A right operand that binds no
    // tighter than its operator is bracketed too: a+(b+c) is not (a+b)+c in doubles.
    static Formula join(const Formula &a, char op, const Formula &b, Binding binding)
    {
        return {bracketed(a, a.m_binding < binding) + op + bracketed(b, b.m_binding <= binding),
                binding};
    }
    static std::string bracketed(const Formula &f, bool needed)
    {
        return needed ? "(" + f.m_text + ")" : f.m_text;
    }

    std::string m_text;
    Binding m_binding = Atom;
};

// The formula rounded as a table shows its figure.
inline std::string rounded(const Formula &f, int decimals = 2)
{
    return "ROUND(" + f.text() + "," + std::to_string(decimals) + ")";
}

} // namespace ratebook
