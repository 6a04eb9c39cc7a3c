// Twelve quantity texts in, three rows out: every number has its pattern, the cubic feet
// and bags follow from the cubic metres, and a failure names an item that does not convert.
#include "fuzz.h"

#include "extractor/materials.h"

using namespace ratebook;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QuantityTexts quantities = boxTexts<WorkItemCount>(data, size);
    try {
        const MaterialTotals t = materialTotals(quantities);
        FUZZ_CHECK(t.cementbags == t.cement * 1440 / 50 && t.sandcft == t.sand * 35.31 && t.metal40cft == t.metal40 * 35.31,
                   "conversions\n");
        const MaterialTable rows = materialTableRows(quantities);
        for (std::size_t r = 0; r < 3; ++r)
            for (std::size_t c = 0; c < 5; ++c) {
                const std::string &cell = rows[r][c], number = cell.substr(0, cell.find(' '));
                const bool shown = r == 0 || (r == 1 ? c == 3 : c != 2);
                FUZZ_CHECK(shown ? matches(number, r == 1 ? BagPattern : VolumePattern) && cell.size() > number.size()
                                 : cell.empty(), "row %zu: %s\n", r + 1, cell.c_str());
            }
    } catch (const NotANumber &e) {
        checkNamedBox(quantities[std::size_t(e.input())], e.input());
    } catch (const TooLarge &) {
    }
    return 0;
}
