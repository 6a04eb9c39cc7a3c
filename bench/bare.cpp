// SPDX-FileCopyrightText: 2026 ratebook developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The least a Qt Widgets program does to show a window: what ratebook's start-up is
// compared with.
#include <QApplication>
#include <QPushButton>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Bare Qt"));
    window.resize(372, 432);
    QPushButton button(QStringLiteral("&Button"), &window);
    button.setGeometry(64, 280, 249, 41);
    window.show();
    return app.exec();
}
