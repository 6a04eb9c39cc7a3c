// SPDX-FileCopyrightText: 2026 ratebook developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The first window: the main window, or, when the desktop hands the program a ratebook
// file, that file open in its work window, whose closing brings the main window as ever.
#pragma once

#include <QStringList>

namespace ratebook {

// `arguments` as QCoreApplication::arguments() gives them, the program's name first.
// The first that is not an option ("-...") nor a folder is the file to open; the others
// are ignored. A file that is missing or bad is reported over the main window.
void start(const QStringList &arguments);

} // namespace ratebook
