// Shared by the window tests: messages are recorded and answered at once instead of
// blocking in a modal loop, and each test ends with no window left.
#pragma once

#include "app/form1.h"
#include "app/identity.h"
#include "app/windows.h"
#include "ui/uikit.h"

#include <QtTest>
#include <QtWidgets>

class MessageLog
{
public:
    MessageLog() { m_previous = ratebook::ui::setMessageHandler([this](QWidget *, const auto &m) { m_said << m.title + '|' + m.prompt; }); }
    ~MessageLog() { ratebook::ui::setMessageHandler(m_previous); }
    // Each message as "title|prompt".
    QStringList take() { return std::exchange(m_said, {}); }

private:
    QStringList m_said;
    ratebook::ui::MessageHandler m_previous;
};

// The windows on screen (hidden ones waiting for deletion left out).
inline QWidgetList visibleWindows()
{
    QWidgetList shown = QApplication::topLevelWidgets();
    shown.removeIf([](const QWidget *w) { return !w->isVisible(); });
    return shown;
}

// Closes every window as its close box would, again for the main window a work window
// brings back, and waits until all are deleted.
inline void closeEverything()
{
    for (int round = 0; round < 3; ++round)
        for (QWidget *w : visibleWindows())
            w->close();
    QTRY_VERIFY_WITH_TIMEOUT(QApplication::topLevelWidgets().isEmpty(), 5000);
    QVERIFY(ratebook::windows::noneLoaded());
}

template <class T = QWidget>
T *child(QWidget *window, const QString &name)
{
    T *found = window->findChild<T *>(name);
    if (!found)
        qFatal("no control named %s", qPrintable(name));
    return found;
}

// Clicks a button a user finds by its caption.
inline void press(QWidget *window, const QString &name, const QString &caption)
{
    auto *button = child<QPushButton>(window, name);
    QCOMPARE(button->text(), caption);
    QTest::mouseClick(button, Qt::LeftButton);
}

// The main window, or the work window named (datasheet1, Form17) opened by a click on its
// button there; returned once active, nullptr if it never was.
inline QWidget *openWindow(const QString &name)
{
    QWidget *main = ratebook::windows::form1();
    if (!QTest::qWaitForWindowActive(main) || name == "Form1")
        return main->isActiveWindow() ? main : nullptr;
    QTest::mouseClick(child<QWidget>(main, name == "datasheet1" ? "Command1" : "Command2"), Qt::LeftButton);
    QWidget *w = nullptr;
    return QTest::qWaitFor([&] { return (w = QApplication::activeWindow()) && w->objectName() == name; }) ? w : nullptr;
}

// The rows of a window's table, each as its cells joined by '|'.
inline QStringList tableRows(QWidget *window)
{
    const auto *list = child<QTreeWidget>(window, "ListView1");
    QStringList rows(list->topLevelItemCount());
    for (int r = 0; r < rows.size(); ++r)
        for (int c = 0; c < list->columnCount(); ++c)
            rows[r] += (c ? "|" : "") + list->topLevelItem(r)->text(c);
    return rows;
}

// Runs `action`, which must show one real message box (the recording is set aside), and
// answers it with OK; returns what the box showed as "title|text|icon|number of buttons".
QString answerMessageBox(const std::function<void()> &action);

// Every caption, label, frame title and column header of a window not shown whole at its font.
QStringList captionsNotWhole(QWidget *window);
