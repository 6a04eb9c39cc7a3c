// Nine cost texts in, ten rows out: every cell has the rate pattern, each total is its
// material plus labour cost, and a failure names a box that does not convert.
#include "fuzz.h"

#include "common/digitpattern.h"
#include "datasheet/unitrates.h"

using namespace ratebook;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const CostTexts costs = boxTexts<CostInputCount>(data, size);
    try {
        const auto rates = analyseUnitRates(costs);
        const auto rows = rateTableRows(costs);
        for (std::size_t i = 0; i < RateItemCount; ++i) {
            const UnitRate &r = rates[i];
            FUZZ_CHECK(!r.total || *r.total == r.material + *r.labour, "row %zu total\n", i + 1);
            FUZZ_CHECK(rows[i][1] == formatNumber(r.material, "######.#0") && matches(rows[i][1], RatePattern), "row %zu\n", i + 1);
            for (std::size_t c : {2, 3})
                FUZZ_CHECK(r.labour ? matches(rows[i][c], RatePattern) : rows[i][c].empty(), "row %zu\n", i + 1);
        }
    } catch (const NotANumber &e) {
        checkNamedBox(costs[std::size_t(e.input())], e.input());
    } catch (const TooLarge &) {
    }
    return 0;
}
