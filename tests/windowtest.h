// Shared by the window tests: messages are recorded and answered at once instead of
// blocking in a modal loop, and each test ends with no window left.
#pragma once

#include "app/form1.h"
#include "app/identity.h"
#include "ui/uikit.h"
#include "app/windows.h"

#include <QtTest>
#include <QtWidgets>

class MessageLog
{
public:
    MessageLog() { m_previous = ratebook::ui::setMessageHandler([this](QWidget *, const auto &m) { m_messages.append(m); }); }
    ~MessageLog() { ratebook::ui::setMessageHandler(m_previous); }

    QList<ratebook::ui::Message> take() { return std::exchange(m_messages, {}); }

private:
    QList<ratebook::ui::Message> m_messages;
    ratebook::ui::MessageHandler m_previous;
};

// The data sheet's cost boxes in their order, and the extractor's items as their captions name them.
inline const char *const CostBoxes[] = {"cement1", "MM20", "MM40", "SAND", "BRICKS", "MASON1", "MASON2", "MANMAZDOOR",
                                        "WOMANMAZDOOR"};
inline const QStringList WorkItems = {"PCC (1:4:8) mix", "PCC (1:5:10) mix", "RCC (1:2:4) mix", "RCC (1:1.5:3)",
    "Brick Masonary With CM (1:4) mix", "Brick Masonary With CM (1:5) mix", "Brick Masonary With CM (1:6) mix",
    "Brick Masonary With CM (1:8) mix", "Plastering with CM (1:3) Mix, 12  mm Thick",
    "Plastering with CM (1:3) Mix, 20 mm Thick", "Plastering with CM (1:5) Mix, 12 mm Thick",
    "Plastering with CM (1:5) Mix, 20 mm Thick"};

// The windows the program has on screen (hidden ones waiting for deletion excluded).
inline QWidgetList visibleWindows()
{
    QWidgetList shown = QApplication::topLevelWidgets();
    shown.removeIf([](const QWidget *w) { return !w->isVisible(); });
    return shown;
}

// Closes every window as its close box would, round again for the main window a work window
// brings back, and waits until all are deleted.
inline void closeEverything()
{
    for (int round = 0; round < 3; ++round)
        for (QWidget *w : visibleWindows())
            w->close();
    QTRY_VERIFY_WITH_TIMEOUT(QApplication::topLevelWidgets().isEmpty(), 5000);
    QVERIFY(ratebook::windows::noneLoaded());
}

// Types any text key by key, control characters and non-ASCII ones as keys that carry
// just their text; QTest::keyClicks only knows the printable keys of ASCII.
inline void typeText(QWidget *target, const QString &text)
{
    for (const QChar c : text) {
        if (c.unicode() >= 32 && c.unicode() < 127)
            QTest::keyClick(target, char(c.unicode()));
        else
            QTest::sendKeyEvent(QTest::Click, target, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

template <class T>
T *child(QWidget *window, const char *name)
{
    T *found = window->findChild<T *>(QString::fromLatin1(name));
    if (!found)
        qFatal("no control named %s", name);
    return found;
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

// Every caption, label, frame title and column header of a window not shown whole at its font:
// too narrow or too low for its text, or reaching past the edge of what holds it.
QStringList captionsNotWhole(QWidget *window);
