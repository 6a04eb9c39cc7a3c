// Nine cost texts in, ten rows out: every cell has the rate pattern, each total is its
// material plus labour cost, and a failure names the first box, in the order the
// analysis reads them, that does not convert.
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
            FUZZ_CHECK(r.labour.has_value() == (i != 5) && r.total.has_value() == (i != 5), "row %zu\n", i + 1);
            FUZZ_CHECK(!r.total || *r.total == r.material + *r.labour, "row %zu total\n", i + 1);
            FUZZ_CHECK(rows[i][1] == formatNumber(r.material, "######.#0"), "row %zu material cell\n", i + 1);
            FUZZ_CHECK(matches(rows[i][1], RatePattern), "row %zu: %s\n", i + 1, rows[i][1].c_str());
            FUZZ_CHECK(i == 5 ? rows[i][2].empty() && rows[i][3].empty()
                              : matches(rows[i][2], RatePattern) && matches(rows[i][3], RatePattern),
                       "row %zu cells\n", i + 1);
        }
    } catch (const NotANumber &e) {
        checkNamedBox(costs, e.input(), {Cement, Metal40, Sand, Mason1, Mason2, ManMazdoor, WomanMazdoor, Bricks, Chips20});
    } catch (const TooLarge &) {
    }
    return 0;
}
