// SPDX-FileCopyrightText: 2026 ratebook developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "measurement/measurements.h"

#include <algorithm>

namespace ratebook {

BadFactor::BadFactor(Factor factor, const BadFigure &figure)
    : ComputeError(figure.what()), m_factor(factor), m_why(figure.why())
{
}

std::optional<Hundredths> lineQuantity(const FactorTexts &factors)
{
    std::array<Thousandths, FactorCount> given{};
    std::size_t count = 0;
    for (std::size_t f = 0; f < FactorCount; ++f) {
        if (isBlank(factors[f]))
            continue;
        try {
            // A measurement needs no grouping: "2,5" would be read as 25 where 2.5 was meant.
            if (factors[f].find(',') != std::string::npos)
                throw BadFigure(BadFigure::NotANumber, factors[f]);
            given[count++] = parseFixed(factors[f], 3);
        } catch (const BadFigure &figure) {
            throw BadFactor(Factor(f), figure);
        }
    }
    if (count == 0)
        return std::nullopt;
    return productInHundredths(std::span(given).first(count));
}

MeasuredItem::Totals MeasuredItem::totalsWith(std::size_t line, bool deduct,
                                              std::optional<Hundredths> quantity) const
{
    Totals t = m_totals;
    const auto add = [&t](bool deducted, Hundredths q, int sign) {
        Hundredths &part = deducted ? t.deductions : t.gross;
        part = sign > 0 ? sum(part, q) : difference(part, q);
    };
    if (line < m_lines.size() && m_lines[line].quantity) {
        add(m_lines[line].deduct, *m_lines[line].quantity, -1);
        --t.counted;
    }
    if (quantity) {
        add(deduct, *quantity, +1);
        ++t.counted;
    }
    t.net = difference(t.gross, t.deductions);
    inThousandths(t.net); // a net the abstract could not hold is refused here, with its line
    return t;
}

void MeasuredItem::append(MeasurementLine line)
{
    line.quantity = lineQuantity(line.factors);
    m_totals = totalsWith(m_lines.size(), line.deduct, line.quantity);
    // Kept in their two parts, whatever order they come in.
    const std::size_t at = line.deduct ? m_lines.size() : m_deductionsFrom++;
    m_lines.insert(m_lines.begin() + std::ptrdiff_t(at), std::move(line));
}

void MeasuredItem::setFactor(std::size_t line, Factor factor, const std::string &text)
{
    MeasurementLine &changed = m_lines.at(line);
    FactorTexts factors = changed.factors;
    factors[factor] = text;
    const std::optional<Hundredths> quantity = lineQuantity(factors);
    m_totals = totalsWith(line, changed.deduct, quantity);
    changed.factors = std::move(factors);
    changed.quantity = quantity;
}

void MeasuredItem::setParticulars(std::size_t line, std::string particulars)
{
    m_lines.at(line).particulars = std::move(particulars);
}

std::size_t MeasuredItem::insertLine(std::size_t at, bool deduct)
{
    at = deduct ? std::clamp(at, m_deductionsFrom, m_lines.size())
                : std::min(at, m_deductionsFrom++);
    m_lines.insert(m_lines.begin() + std::ptrdiff_t(at), MeasurementLine{{}, {}, deduct});
    return at;
}

void MeasuredItem::removeLine(std::size_t line)
{
    m_totals = totalsWith(line, false, std::nullopt);
    if (!m_lines.at(line).deduct)
        --m_deductionsFrom;
    m_lines.erase(m_lines.begin() + std::ptrdiff_t(line));
}

std::size_t MeasuredItem::toggleDeduct(std::size_t line)
{
    MeasurementLine moved = m_lines.at(line);
    moved.deduct = !moved.deduct;
    m_totals = totalsWith(line, moved.deduct, moved.quantity);
    m_lines.erase(m_lines.begin() + std::ptrdiff_t(line));
    std::size_t at = m_lines.size();
    if (moved.deduct)
        --m_deductionsFrom;
    else
        at = m_deductionsFrom++;
    m_lines.insert(m_lines.begin() + std::ptrdiff_t(at), std::move(moved));
    return at;
}

} // namespace ratebook
