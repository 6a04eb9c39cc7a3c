// SPDX-FileCopyrightText: 2026 ratebook developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The one rule for what in a table is a figure: the statement sets figures flush right,
// the workbook writes them as numbers with their units in a column apart.
#pragma once

#include <QString>

#include <optional>

namespace ratebook::documents {

struct Figure
{
    double number;
    QString unit; // empty when it has none
};

// A number as the program reads one ("09.20", ".50", "-3.00"), then optionally its unit
// in brackets: "09.20 (Cu.m)". Anything else, blank included, is no figure.
std::optional<Figure> readFigure(const QString &shown);

} // namespace ratebook::documents
