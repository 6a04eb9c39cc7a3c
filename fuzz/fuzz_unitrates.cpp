// Nine cost texts in: ten rows of rates, each total its material plus labour cost; or a
// failure that names a box that does not convert.
#include "fuzz.h"

#include "datasheet/unitrates.h"

using namespace ratebook;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const CostTexts costs = boxTexts<CostInputCount>(data, size);
    try {
        const auto rates = analyseUnitRates(costs);
        const auto rows = rateTableRows(costs);
        for (std::size_t i = 0; i < RateItemCount; ++i)
            check(shaped(rows[i][1], 0) && (rates[i].total ? *rates[i].total == rates[i].material + *rates[i].labour
                  && shaped(rows[i][2], 0) && shaped(rows[i][3], 0) : rows[i][2] + rows[i][3] == ""), rows[i][0]);
    } catch (const NotANumber &e) {
        check(!converts(costs.at(std::size_t(e.input()))), e.what());
    } catch (const TooLarge &) {
    }
    return 0;
}
