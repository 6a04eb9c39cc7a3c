// SPDX-FileCopyrightText: 2026 ratebook developers
// SPDX-License-Identifier: GPL-3.0-or-later
// What a work window knows of the job beyond its boxes: the name of the work and its
// place, both optional. An opened file brings them; a statement asks for them once.
#pragma once

#include <QString>

namespace ratebook::ui {

struct WorkDetails
{
    QString work;
    QString place;
    bool asked = false; // the statement's dialog has been shown in this window
};

} // namespace ratebook::ui
