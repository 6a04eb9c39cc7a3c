// Shared by the window tests: messages are recorded and answered at once instead of
// blocking in a modal loop, and each test ends with no window left.
#pragma once

#include "app/uikit.h"
#include "app/windows.h"

#include <QApplication>
#include <QTest>
#include <QWidget>

#include <functional>

class MessageLog
{
public:
    MessageLog()
    {
        m_previous = ratebook::ui::setMessageHandler([this](QWidget *, const ratebook::ui::Message &m) {
            m_messages.append(m);
        });
    }
    ~MessageLog() { ratebook::ui::setMessageHandler(m_previous); }

    qsizetype count() const { return m_messages.size(); }
    const ratebook::ui::Message &last() const { return m_messages.last(); }
    QList<ratebook::ui::Message> take() { return std::exchange(m_messages, {}); }

private:
    QList<ratebook::ui::Message> m_messages;
    ratebook::ui::MessageHandler m_previous;
};

// The windows the program has on screen (hidden ones waiting for deletion excluded).
inline QWidgetList visibleWindows()
{
    QWidgetList shown;
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (w->isVisible())
            shown << w;
    }
    return shown;
}

// Closes whatever window is left, as its close box would (a work window brings the main
// window back, so this goes round until none is left), and waits until all are deleted.
inline void closeEverything()
{
    for (int round = 0; round < 3; ++round) {
        for (QWidget *w : visibleWindows())
            w->close();
    }
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

// Runs `action`, which must show one real message box, and answers it with OK; returns
// what the box showed as "title|text|icon|number of buttons".
QString answerMessageBox(const std::function<void()> &action);

// Every caption, label, frame title and column header of a window that is not shown
// whole at the window's fonts: too narrow or too low for its text, or reaching past
// the edge of what holds it. Empty when all are whole.
QStringList captionsNotWhole(QWidget *window);
