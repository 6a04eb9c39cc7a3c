// What the fuzz targets share: splitting the input into box texts, and the checks that
// abort the run with a readable reason when a property fails.
#pragma once

#include "common/numbertext.h"

#include <array>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <regex>
#include <string>
#include <string_view>

#define FUZZ_CHECK(condition, ...)                                      \
    do {                                                                \
        if (!(condition)) {                                             \
            std::fprintf(stderr, "property failed: %s\n", #condition); \
            std::fprintf(stderr, __VA_ARGS__);                          \
            std::abort();                                               \
        }                                                               \
    } while (0)

// One box a line; boxes past the last line are "0", as untouched boxes would hold.
template <std::size_t N>
std::array<std::string, N> boxTexts(const std::uint8_t *data, std::size_t size)
{
    std::array<std::string, N> texts;
    texts.fill("0");
    std::string_view rest(reinterpret_cast<const char *>(data), size);
    for (std::size_t i = 0; i < N && !rest.empty(); ++i) {
        const auto end = rest.find('\n');
        texts[i] = std::string(rest.substr(0, end));
        rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
    }
    return texts;
}

// Compiling a regular expression costs more than the code under test: keep each one.
inline bool matches(const std::string &text, const std::string &pattern)
{
    static std::map<std::string, std::regex> compiled;
    auto it = compiled.try_emplace(pattern, pattern).first;
    return std::regex_match(text, it->second);
}

// A failure names a box whose text does not convert.
inline void checkNamedBox(const std::string &text, int named)
{
    try {
        ratebook::toNumber(text);
    } catch (const ratebook::ComputeError &) {
        return;
    }
    FUZZ_CHECK(false, "box %d was named but converts\n", named);
}

// The digit patterns as regular expressions: "######.#0", "00.00" and "0.00".
inline constexpr const char *RatePattern = "-?([1-9][0-9]*)?\\.[0-9]{2}";
inline constexpr const char *VolumePattern = "-?([0-9]{2}|[1-9][0-9]{2,})\\.[0-9]{2}";
inline constexpr const char *BagPattern = "-?(0|[1-9][0-9]*)\\.[0-9]{2}";
