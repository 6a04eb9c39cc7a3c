// SPDX-FileCopyrightText: 2026 ratebook developers
// SPDX-License-Identifier: GPL-3.0-or-later
// What the fuzz targets share: a check that aborts the run saying why.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <string>

inline void check(bool ok, const std::string &why)
{
    if (ok)
        return;
    std::fputs((why + '\n').c_str(), stderr);
    std::abort();
}
