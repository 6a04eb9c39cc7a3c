// What the fuzz targets share: the input as box texts, the digit patterns' shapes, and a
// check that aborts the run saying why.
#pragma once

#include "common/numbertext.h"

#include <array>
#include <cstdio>
#include <cstdlib>
#include <regex>
#include <sstream>

inline void check(bool ok, const std::string &why)
{
    if (!ok)
        std::fputs((why + '\n').c_str(), stderr), std::abort();
}

// One box a line; boxes past the last line hold "0", as untouched boxes do.
template <std::size_t N>
std::array<std::string, N> boxTexts(const std::uint8_t *data, std::size_t size)
{
    std::array<std::string, N> texts;
    texts.fill("0");
    std::istringstream lines(std::string(reinterpret_cast<const char *>(data), size));
    for (std::string &text : texts)
        std::getline(lines, text);
    return texts;
}

// "######.#0", "00.00" and "0.00" as regular expressions.
inline bool shaped(const std::string &text, int pattern)
{
    static const std::regex shapes[] = {std::regex("-?([1-9]\\d*)?\\.\\d\\d"), std::regex("-?(\\d\\d|[1-9]\\d{2,})\\.\\d\\d"),
                                        std::regex("-?(0|[1-9]\\d*)\\.\\d\\d")};
    return std::regex_match(text, shapes[pattern]);
}

inline bool converts(const std::string &text)
{
    try {
        return ratebook::toNumber(text), true;
    } catch (const ratebook::ComputeError &) {
        return false;
    }
}
