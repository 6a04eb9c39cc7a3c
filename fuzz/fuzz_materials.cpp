// Twelve quantity texts in, three rows out: every cell has its pattern and unit, the
// cubic feet and bags follow from the cubic metres, and a failure names the first
// item, in the order the sums read them, whose box does not convert.
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
        const std::string volume = VolumePattern;
        const char *units[] = {" \\(Cu\\.m\\)", " \\(Cu\\.m\\)", " \\(Nos\\)", " \\(Cu\\.m\\)", " \\(Cu\\.m\\)"};
        for (std::size_t c = 0; c < 5; ++c) {
            FUZZ_CHECK(matches(rows[0][c], volume + units[c]), "row 1: %s\n", rows[0][c].c_str());
            FUZZ_CHECK(c == 3 ? matches(rows[1][c], std::string(BagPattern) + " \\(50 Kg\\. Bags\\)") : rows[1][c].empty(),
                       "row 2: %s\n", rows[1][c].c_str());
            FUZZ_CHECK(c == 2 ? rows[2][c].empty() : matches(rows[2][c], volume + " \\(Cft\\)"), "row 3: %s\n",
                       rows[2][c].c_str());
        }
    } catch (const NotANumber &e) {
        checkNamedBox(quantities, e.input(), {1, 0, 3, 2, 5, 4, 6, 7, 8, 9, 10, 11}); // items 2, 1, 4, 3, 6, 5, 7 ...
    } catch (const TooLarge &) {
    }
    return 0;
}
