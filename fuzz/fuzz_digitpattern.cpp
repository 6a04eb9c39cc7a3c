// A formatted number matches its pattern and reads back as the value to the nearest
// hundredth; away from halves it agrees with printf's correctly rounded %.2f.
#include "fuzz.h"

#include "common/digitpattern.h"
#include "common/numbertext.h"

#include <cmath>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size < sizeof(double) + 1)
        return 0;
    double value;
    std::memcpy(&value, data, sizeof value);
    static constexpr const char *patterns[][2] = {{"######.#0", RatePattern}, {"00.00", VolumePattern}, {"0.00", BagPattern}};
    const auto &[pattern, shape] = patterns[data[sizeof(double)] % 3];
    if (!std::isfinite(value)) {
        try {
            ratebook::formatNumber(value, pattern);
            FUZZ_CHECK(false, "formatted a value that is not finite\n");
        } catch (const ratebook::TooLarge &) {
        }
        return 0;
    }
    const std::string text = ratebook::formatNumber(value, pattern);
    FUZZ_CHECK(matches(text, shape), "%.17g by %s gave \"%s\"\n", value, pattern, text.c_str());
    double back;
    try {
        back = ratebook::toNumber(text);
    } catch (const ratebook::TooLarge &) {
        // Taken to 15 digits, the largest doubles round past the largest double.
        FUZZ_CHECK(std::fabs(value) > 1.797693134862315e308, "%.17g gave \"%s\"\n", value, text.c_str());
        return 0;
    }
    FUZZ_CHECK(std::fabs(back - value) <= 0.005 * (1 + 1e-9) + std::fabs(value) * 1e-14, "%.17g gave \"%s\"\n", value, text.c_str());
    FUZZ_CHECK((text.front() == '-') == (back < 0), "sign of %.17g in \"%s\"\n", value, text.c_str());
    // Away from halves, where taking the value to 15 digits first cannot make a half.
    const double hundredths = value * 100;
    const double margin = 0.01 + 1e-13 * std::fabs(hundredths);
    if (std::fabs(hundredths - std::trunc(hundredths) - std::copysign(0.5, value)) > margin) {
        char exact[64];
        std::snprintf(exact, sizeof exact, "%.2f", value);
        FUZZ_CHECK(back == ratebook::toNumber(exact), "%.17g gave \"%s\", printf \"%s\"\n", value, text.c_str(), exact);
    }
    return 0;
}
