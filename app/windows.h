// SPDX-FileCopyrightText: 2026 ratebook developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The three windows are single instances reached through their slots. Reaching an empty
// slot builds and loads a fresh window; unloading destroys it and empties the slot, and
// the process ends when the last window has unloaded.
#pragma once

#include <exception>
#include <functional>

class QString;
class QWidget;
class Form1;
class datasheet1;
class Form17;

namespace ratebook::windows {

Form1 *form1();
datasheet1 *dataSheet();
Form17 *extractor();
// The extractor when it is loaded, without building one.
Form17 *loadedExtractor();

// Tells the documents which window opens each kind of file; done before any window is
// built or any file opened.
void knowFileKinds();

// Empties the window's slot and deletes it, after its own unload handler has run.
void unload(QWidget *window);

// True while no window is loaded.
bool noneLoaded();

// What the user is told when a window cannot be built.
QString cannotOpen(const std::exception &failure);

// Runs before a window is built; lets tests make the building fail.
void setBeforeBuild(std::function<void(const char *windowName)> hook);

} // namespace ratebook::windows
