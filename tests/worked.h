// SPDX-FileCopyrightText: 2026 ratebook developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The worked examples, shared by the core and window tests, and how a computation ends.
#pragma once

#include "common/numbertext.h"

#include <QStringList>

#include <algorithm>
#include <array>

// Nine costs in the order the data sheet takes them, and the rates they give.
namespace worked {

inline const QStringList costBoxes{"cement1", "MM20",   "MM40",       "SAND",        "BRICKS",
                                   "MASON1",  "MASON2", "MANMAZDOOR", "WOMANMAZDOOR"};
inline const QStringList costs{"250", "1200", "1000", "500", "3", "300", "250", "150", "120"};
inline const QStringList rates{
    "PCC (1:4:8) Mix/Cu.m | 1978.00 | 491.00 | 2469.00",
    "PCC (1:5:10) Mix/Cu.m | 1812.40 | 491.00 | 2303.40",
    "Brick Masonary With CM(1:5) Mix/Cu.m | 2537.20 | 962.00 | 3499.20",
    "Brick Masonary With CM(1:6) Mix/Cu.m | 2446.00 | 962.00 | 3408.00",
    "Brick Masonary With CM(1:8) Mix/Cu.m | 2332.00 | 728.00 | 3060.00",
    "RCC (1:2:4) Mix/Cu.m | 2990.00 |  | ",
    "Wall Plastering With CM(1:5) Mix/10 Sq.m -- 12 mm Tk | 291.00 | 482.00 | 773.00",
    "Wall Plastering With CM(1:5) Mix/10 Sq.m -- 20 mm Tk | 407.40 | 1009.00 | 1416.40",
    "Ceiling Plastering With CM(1:3) Mix/10 Sq.m -- 12 mm Tk | 435.00 | 482.00 | 917.00",
    "Ceiling Plastering With CM(1:3) Mix/10 Sq.m -- 20 mm Tk | 609.00 | 1009.00 | 1618.00",
};

// The worked abstract, as the sample estimate gives it.
inline const QStringList abstract{
    " | Concrete |  |  |  |  | ",
    "1 | PCC (1:4:8) mix | 10.000 | Cum | 2,469.00 | 1 Cum | 24,690.00",
    "3 | RCC (1:2:4) mix | 2.500 | Cum | 2,990.00 (material only) | 1 Cum | 7,475.00",
    "4 | RCC (1:1.5:3) | 1.000 | Cum | no rate | 1 Cum | ",
    " | Subtotal |  |  |  |  | 32,165.00",
    " | Brick masonry |  |  |  |  | ",
    "6 | Brick Masonary With CM (1:5) mix | 12.346 | Cum | 3,499.20 | 1 Cum | 43,201.12",
    " | Subtotal |  |  |  |  | 43,201.12",
    " | Plastering |  |  |  |  | ",
    "9 | Plastering with CM (1:3) Mix, 12 mm Thick | 125.500 | Sqm | 917.00 | 10 Sqm | 11,508.35",
    "12 | Plastering with CM (1:5) Mix, 20 mm Thick | -4.000 | Sqm | 1,416.40 | 10 Sqm | -566.56",
    " | Subtotal |  |  |  |  | 10,941.79",
    " | Total (leaves out RCC (1:1.5:3), which has no rate) |  |  |  |  | 86,307.91",
    " | Contingencies @ 5 % on 86,307.91 |  |  |  |  | 4,315.40",
    " | GST @ 18 % on 90,623.31 |  |  |  |  | 16,312.20",
    " | Grand total |  |  |  |  | 1,06,935.51",
    " | Say |  |  |  |  | 1,06,900.00",
};
inline const QString words = "Rupees One Lakh Six Thousand Nine Hundred Only";

} // namespace worked

// The texts of the first N boxes, as the core takes them.
template <std::size_t N>
std::array<std::string, N> texts(const QStringList &list)
{
    std::array<std::string, N> out;
    std::ranges::transform(list.first(N), out.begin(), &QString::toStdString);
    return out;
}

template <class Rows>
QStringList joined(const Rows &rows)
{
    QStringList out;
    for (const auto &row : rows) {
        QStringList cells;
        for (const std::string &cell : row)
            cells << QString::fromStdString(cell);
        out << cells.join(" | ");
    }
    return out;
}

// The result, or the failure that abandoned the computation.
template <class Compute>
QString outcome(const Compute &compute)
{
    try {
        return compute();
    } catch (const ratebook::NotANumber &e) {
        return e.input() < 0 ? "not a number" : QString("input %1 is not a number").arg(e.input());
    } catch (const ratebook::TooLarge &) {
        return "too large";
    }
}
