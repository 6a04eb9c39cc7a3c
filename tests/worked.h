// SPDX-FileCopyrightText: 2026 ratebook developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The worked example, which the tests of the arithmetic and of the windows share, and
// rows as the tests compare them.
#pragma once

#include <QStringList>

// The worked example: nine costs, in the order the data sheet takes them, and the rate
// table they give.
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

} // namespace worked

// Each row a computation gives, its cells joined by " | " as a table row reads.
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
