// Twelve quantity texts in: three rows whose numbers have their pattern's shape; or a
// failure that names an item that does not convert.
#include "fuzz.h"

#include "extractor/materials.h"

using namespace ratebook;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QuantityTexts quantities = boxTexts<WorkItemCount>(data, size);
    try {
        for (const MaterialRow &row : materialTableRows(quantities))
            for (const std::string &cell : row)
                check(cell.empty() || shaped(cell.substr(0, cell.find(' ')), cell.ends_with("Bags)") ? 2 : 1), cell);
    } catch (const NotANumber &e) {
        check(!converts(quantities.at(std::size_t(e.input()))), e.what());
    } catch (const TooLarge &) {
    }
    return 0;
}
