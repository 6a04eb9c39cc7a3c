// Twelve quantity texts in, three rows out: every cell has its pattern and unit, the
// cubic feet and bags follow from the cubic metres, and a failure names the first
// item, in the order the sums read them, whose box does not convert.
#include "fuzz.h"

#include "common/numbertext.h"
#include "extractor/materials.h"

using namespace ratebook;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QuantityTexts quantities = boxTexts<WorkItemCount>(data, size);
    auto converts = [](const std::string &text) {
        try { toNumber(text); return true; } catch (const ComputeError &) { return false; }
    };
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
        static constexpr int readOrder[] = {2, 1, 4, 3, 6, 5, 7, 8, 9, 10, 11, 12};
        FUZZ_CHECK(!converts(quantities[std::size_t(e.input())]), "named item %d converts\n", e.input() + 1);
        for (int item : readOrder) {
            if (item == e.input() + 1)
                break;
            FUZZ_CHECK(converts(quantities[std::size_t(item - 1)]), "item %d is bad but %d was named\n", item, e.input() + 1);
        }
    } catch (const TooLarge &) {
    }
    return 0;
}
