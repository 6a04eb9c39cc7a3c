// SPDX-FileCopyrightText: 2026 ratebook developers
// SPDX-License-Identifier: GPL-3.0-or-later
// ratebook starts with its main window, or with a file it was handed open in its work
// window, and ends when the last of its windows unloads.
#include "app/identity.h"
#include "app/keeping.h"
#include "app/startup.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>

namespace {

// Without a display Qt aborts with a long diagnostic; one plain line serves better.
bool displayAvailable()
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    auto set = [](const char *name) {
        const char *value = std::getenv(name);
        return value && *value;
    };
    return set("DISPLAY") || set("WAYLAND_DISPLAY") || set("QT_QPA_PLATFORM");
#else
    return true;
#endif
}

} // namespace

int main(int argc, char *argv[])
{
    if (!displayAvailable()) {
        std::fputs("ratebook needs a display to show its windows, and DISPLAY is not set.\n",
                   stderr);
        return 1;
    }
    QApplication app(argc, argv);
    ratebook::setUpApplication();
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &ratebook::windows::commitData);
    ratebook::start(QApplication::arguments());
    return app.exec();
}
