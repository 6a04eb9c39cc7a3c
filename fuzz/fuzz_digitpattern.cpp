// A formatted number matches its pattern and reads back as the value to the nearest
// hundredth; away from halves it agrees with printf's correctly rounded %.2f.
#include "fuzz.h"

#include "common/digitpattern.h"

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
    std::string text;
    try {
        text = ratebook::formatNumber(value, pattern);
        FUZZ_CHECK(std::isfinite(value) && matches(text, shape), "%.17g by %s gave \"%s\"\n", value, pattern, text.c_str());
        const double back = ratebook::toNumber(text);
        FUZZ_CHECK(std::fabs(back - value) <= 0.005 * (1 + 1e-9) + std::fabs(value) * 1e-14 && (text[0] == '-') == (back < 0),
                   "%.17g gave \"%s\"\n", value, text.c_str());
        // Away from halves, where taking the value to 15 digits first cannot make a half.
        const double hundredths = value * 100;
        if (std::fabs(hundredths - std::trunc(hundredths) - std::copysign(0.5, value)) > 0.01 + 1e-13 * std::fabs(hundredths)) {
            char exact[400];
            std::snprintf(exact, sizeof exact, "%.2f", value);
            FUZZ_CHECK(back == ratebook::toNumber(exact), "%.17g gave \"%s\", printf \"%s\"\n", value, text.c_str(), exact);
        }
    } catch (const ratebook::TooLarge &) {
        // Not finite, or one of the largest doubles, which taken to 15 digits round past the largest double.
        FUZZ_CHECK(!std::isfinite(value) || (!text.empty() && std::fabs(value) > 1.797693134862315e308), "%.17g\n", value);
    }
    return 0;
}
