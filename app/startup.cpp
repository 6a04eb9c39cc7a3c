// SPDX-FileCopyrightText: 2026 ratebook developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/startup.h"

#include "app/form1.h"
#include "app/keeping.h"
#include "app/windows.h"
#include "documents/document.h"
#include "kit/dialogs.h"

#include <QFileInfo>
#include <QStringList>

namespace ratebook {

namespace {

// Options are left alone, and so is a folder, which a desktop may hand over with a file.
QString fileArgument(const QStringList &arguments)
{
    for (const QString &argument : arguments.mid(1)) {
        if (!argument.startsWith(QLatin1Char('-')) && !QFileInfo(argument).isDir())
            return argument;
    }
    return {};
}

} // namespace

void start(const QStringList &arguments)
{
    // Work a program that did not close left behind comes first; taken, it is the start.
    if (windows::offerRecovery())
        return;
    const QString path = fileArgument(arguments);
    if (path.isEmpty()) {
        windows::form1()->show();
        return;
    }
    windows::knowFileKinds();
    try {
        documents::openWorkFile(path);
    } catch (const documents::WorkFileError &e) {
        windows::form1()->show();
        kit::showMessage(windows::form1(), e.message());
    } catch (const std::exception &e) {
        // A window that cannot be built leaves the main window, as its buttons do.
        windows::form1()->show();
        kit::showMessage(windows::form1(), windows::cannotOpen(e));
    }
}

} // namespace ratebook
