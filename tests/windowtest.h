// SPDX-FileCopyrightText: 2026 ratebook developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Shared by the window tests: messages are recorded, not shown.
#pragma once

#include "app/form1.h"
#include "app/identity.h"
#include "app/windows.h"
#include "ui/uikit.h"

#include <QtTest>
#include <QtWidgets>

#include <numeric>

// Each message as "title|prompt".
struct MessageLog
{
    QStringList said;
    ratebook::ui::MessageHandler previous = ratebook::ui::setMessageHandler([this](QWidget *, auto m) { said << m.title + '|' + m.prompt; });
    ~MessageLog() { ratebook::ui::setMessageHandler(previous); }
    QStringList take() { return std::exchange(said, {}); }
};

// The windows on screen, then closes every window by its close box (again for the main window a work window brings back).
inline QWidgetList visibleWindows()
{
    QWidgetList shown = QApplication::topLevelWidgets();
    return shown.removeIf([](QWidget *w) { return !w->isVisible(); }), shown;
}
inline void closeEverything()
{
    for (int round = 0; round < 3; ++round)
        for (QWidget *w : visibleWindows())
            w->close();
    QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty() && ratebook::windows::noneLoaded());
}

template <class T = QWidget>
T *child(QWidget *window, const QString &name)
{
    T *found = window->findChild<T *>(name);
    return found ? found : (qFatal("%s", qPrintable(name)), nullptr);
}

inline QString focused() { return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : ""; }

// Clicks a button a user finds by its caption.
inline void press(QWidget *window, const QString &name, const QString &caption)
{
    QCOMPARE(child<QPushButton>(window, name)->text(), caption);
    QTest::mouseClick(child(window, name), Qt::LeftButton);
}

// The main window, or a work window opened by its button there.
inline QWidget *openWindow(const QString &name)
{
    QWidget *w = ratebook::windows::form1();
    if (QTest::qWaitForWindowActive(w) && name != "Form1")
        QTest::mouseClick(child(w, name == "Form17" ? "Command2" : "Command1"), Qt::LeftButton);
    return QTest::qWaitFor([&] { return (w = QApplication::activeWindow()) && w->objectName() == name; }) ? w : nullptr;
}

// A table's rows, computed or shown, each as its cells joined by '|'.
template <class Rows>
QStringList joined(const Rows &rows)
{
    QStringList out;
    for (const auto &r : rows)
        out << QString::fromStdString(std::accumulate(r.begin() + 1, r.end(), r[0], [](auto a, auto b) { return a + '|' + b; }));
    return out;
}
inline QStringList tableRows(QWidget *window)
{
    const auto *list = child<QTreeWidget>(window, "ListView1");
    QStringList rows(list->topLevelItemCount());
    for (int r = 0; r < rows.size(); ++r)
        for (int c = 0; c < list->columnCount(); ++c)
            rows[r] += (c ? "|" : "") + list->topLevelItem(r)->text(c);
    return rows;
}

// What `action` shows in one real message box, answered OK: "title|text|icon|buttons".
inline QString answerMessageBox(const std::function<void()> &action)
{
    const auto recorder = ratebook::ui::setMessageHandler(nullptr);
    QString seen;
    QTimer::singleShot(0, [&seen] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget()))
            seen = box->windowTitle() + '|' + box->text() + QStringLiteral("|%1|%2").arg(box->icon()).arg(box->buttons().size()), box->accept();
    });
    action();
    ratebook::ui::setMessageHandler(recorder);
    return seen;
}
