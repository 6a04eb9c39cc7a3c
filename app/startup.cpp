// SPDX-FileCopyrightText: 2026 ratebook developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/startup.h"

#include "app/form1.h"
#include "app/windows.h"
#include "datasheet/datasheet1.h"
#include "extractor/form17.h"
#include "ui/uikit.h"
#include "ui/workfile.h"

#include <QFileInfo>
#include <QStringList>

namespace ratebook {

namespace {

QString fileArgument(const QStringList &arguments)
{
    for (const QString &argument : arguments.mid(1)) {
        if (argument.endsWith(QLatin1String(".ratebook")) || QFileInfo(argument).isFile())
            return argument;
    }
    return {};
}

// Checked whole before the window is built, so a bad file builds none.
template <class Window>
void openIn(Window *(*reach)(), const QString &path)
{
    const ui::WorkFile file = ui::readWorkFile(path, Window::fileLayout());
    Window *window = reach();
    window->show();
    window->load(file);
}

} // namespace

void start(const QStringList &arguments)
{
    const QString path = fileArgument(arguments);
    if (path.isEmpty()) {
        windows::form1()->show();
        return;
    }
    try {
        if (ui::readWorkFileKind(path) == QLatin1String("costs"))
            openIn(windows::dataSheet, path);
        else
            openIn(windows::extractor, path);
    } catch (const ui::WorkFileError &e) {
        windows::form1()->show();
        ui::showMessage(windows::form1(), e.message());
    } catch (const std::exception &e) {
        // A window that cannot be built leaves the main window, as its buttons do.
        windows::form1()->show();
        ui::showMessage(windows::form1(), windows::cannotOpen(e));
    }
}

} // namespace ratebook
