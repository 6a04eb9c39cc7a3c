// Text to number accepts exactly the grammar below, written here independently, and
// reads what strtod reads; a value beyond a double is TooLarge, never infinity.
#include "fuzz.h"

#include <cfloat>
#include <cmath>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char *>(data), size);
    const bool grammatical = matches(text, " *[+-]?([0-9]+\\.?[0-9]*|\\.[0-9]+)([eE][+-]?[0-9]+)? *");
    const double expected = grammatical ? std::strtod(text.c_str(), nullptr) : 0;
    try {
        const double value = ratebook::toNumber(text);
        FUZZ_CHECK(grammatical && (value == expected || (value == 0 && std::fabs(expected) < DBL_MIN)),
                   "\"%s\" read as %.17g, not %.17g\n", text.c_str(), value, expected);
    } catch (const ratebook::NotANumber &e) {
        FUZZ_CHECK(!grammatical && e.text() == text, "refused \"%s\"\n", text.c_str());
    } catch (const ratebook::TooLarge &) {
        FUZZ_CHECK(grammatical && std::isinf(expected), "\"%s\" called too large\n", text.c_str());
    }
    FUZZ_CHECK(ratebook::isBlank(text) == (text.find_first_not_of(' ') == std::string::npos), "blank test\n");
    return 0;
}
