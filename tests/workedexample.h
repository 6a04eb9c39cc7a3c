// The worked example of the rate table, and the rows of either table as text: each row
// its cells joined by '|', as description|material|labour|total for a rate.
#pragma once

#include <QStringList>

#include <string>

inline const QStringList ExampleCosts = {"250", "1200", "1000", "500", "3", "300", "250", "150", "120"};

inline const QStringList ExampleRates = {
    "PCC (1:4:8) Mix/Cu.m|1978.00|491.00|2469.00",
    "PCC (1:5:10) Mix/Cu.m|1812.40|491.00|2303.40",
    "Brick Masonary With CM(1:5) Mix/Cu.m|2537.20|962.00|3499.20",
    "Brick Masonary With CM(1:6) Mix/Cu.m|2446.00|962.00|3408.00",
    "Brick Masonary With CM(1:8) Mix/Cu.m|2332.00|728.00|3060.00",
    "RCC (1:2:4) Mix/Cu.m|2990.00||",
    "Wall Plastering With CM(1:5) Mix/10 Sq.m -- 12 mm Tk|291.00|482.00|773.00",
    "Wall Plastering With CM(1:5) Mix/10 Sq.m -- 20 mm Tk|407.40|1009.00|1416.40",
    "Ceiling Plastering With CM(1:3) Mix/10 Sq.m -- 12 mm Tk|435.00|482.00|917.00",
    "Ceiling Plastering With CM(1:3) Mix/10 Sq.m -- 20 mm Tk|609.00|1009.00|1618.00",
};

// The rows a computation returns.
template <class Rows>
QStringList joined(const Rows &rows)
{
    QStringList out;
    for (const auto &row : rows) {
        QStringList cells;
        for (const std::string &cell : row)
            cells << QString::fromStdString(cell);
        out << cells.join('|');
    }
    return out;
}
