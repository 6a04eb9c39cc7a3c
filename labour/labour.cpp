// SPDX-FileCopyrightText: 2026 ratebook developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "labour/labour.h"

namespace ratebook {

Labour workOutLabour(const std::vector<LabourItem> &items,
                     const std::array<Paise, LabourClassCount> &wagePerDay)
{
    Labour labour;
    labour.wagePerDay = wagePerDay;
    for (const LabourItem &item : items) {
        PerClass line;
        for (const LabourTerm &term : item.perUnit) {
            const std::size_t c = std::size_t(term.worker - FirstLabourClass);
            // The coefficients are written to two decimals; read as the rate table shows them.
            const Days days = amountFor(item.quantity, shownUnits(term.perUnit, 2), item.per);
            line[c] = days;
            labour.days[c] = sum(labour.days[c], days);
        }
        labour.lines.push_back(line);
    }
    for (std::size_t c = 0; c < LabourClassCount; ++c) {
        labour.wages[c] = timesHundredths(wagePerDay[c], labour.days[c]);
        labour.totalWages = sum(labour.totalWages, labour.wages[c]);
    }
    return labour;
}

} // namespace ratebook
