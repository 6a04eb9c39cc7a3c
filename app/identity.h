// SPDX-FileCopyrightText: 2026 ratebook developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Who the program says it is: its name and version, the desktop entry it belongs to and
// the icon every window shows; and the artwork it carries.
#pragma once

class QPixmap;
class QString;

namespace ratebook {

void setUpApplication();

// A picture of the program's own artwork (PNG or BMP), by file name; "picture@2x.png"
// keeps its pixel ratio.
QPixmap readArt(const QString &name);

} // namespace ratebook
