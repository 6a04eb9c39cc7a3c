// SPDX-FileCopyrightText: 2026 ratebook developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Keys as an X server sends them (through XTest, by xdotool), to windows a window manager
// has framed: each key carries the text the keyboard layer gives it, Delete's "\x7f" among
// them. Run by xsession.sh, which starts the server and the window manager.
#include "windowtest.h"

class tst_RealKeyboard : public QObject
{
    Q_OBJECT

    MessageLog messages;
    int released = 0;

    // Each key let go, once, where it lands: the control with the focus.
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        released += event->type() == QEvent::KeyRelease && watched == QApplication::focusWidget();
        return false;
    }

private slots:
    void initTestCase()
    {
        if (QGuiApplication::platformName() != "xcb")
            QSKIP("needs an X server and a window manager: run through tests/xsession.sh");
        qApp->installEventFilter(this);
    }
    void cleanup() { closeEverything(); }

    void keys_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("control"); // a cost holding 9250, the clipboard 77
        QTest::addColumn<QString>("keys"); // xdotool's names
        QTest::addColumn<QString>("result"); // the cost's text or item 1's box, then the focus
        QTest::newRow("digit") << "datasheet1" << "SAND" << "4" << "92504|SAND";
        QTest::newRow("letter dropped") << "datasheet1" << "SAND" << "a" << "9250|SAND";
        QTest::newRow("point") << "datasheet1" << "SAND" << "period" << "9250.|SAND";
        QTest::newRow("Backspace") << "datasheet1" << "SAND" << "BackSpace" << "925|SAND";
        QTest::newRow("Delete deletes") << "datasheet1" << "SAND" << "Home Delete" << "250|SAND";
        QTest::newRow("Home, End") << "datasheet1" << "SAND" << "Home 1 End 2" << "192502|SAND";
        QTest::newRow("Shift+Insert pastes") << "datasheet1" << "SAND" << "shift+Insert" << "925077|SAND";
        QTest::newRow("Ctrl+V dropped") << "datasheet1" << "SAND" << "ctrl+v" << "9250|SAND";
        QTest::newRow("Enter moves on") << "datasheet1" << "SAND" << "Return" << "9250|BRICKS";
        QTest::newRow("Delete on item 1") << "Form17" << "Check1" << "Delete" << "locked|Check1";
        QTest::newRow("arrow on item 1 moves on") << "Form17" << "Check1" << "Right" << "locked|Command1";
        QTest::newRow("letter on item 1") << "Form17" << "Check1" << "x" << "open|Check1";
    }
    // The window opens with its frame centred, then takes the keys at the control.
    void keys()
    {
        QFETCH(QString, window);
        QFETCH(QString, control);
        QFETCH(QString, keys);
        QWidget *w = openWindow(window);
        QVERIFY(w);
        const QPoint centre = w->screen()->availableGeometry().center();
        auto off = [&] { return w->frameGeometry().center() - centre; };
        QTRY_VERIFY2(qMax(qAbs(off().x()), qAbs(off().y())) <= 2,
                     qPrintable(QString("frame %1,%2 off centre").arg(off().x()).arg(off().y())));
        QApplication::clipboard()->setText("77");
        auto *cost = w->findChild<QLineEdit *>(control);
        if (cost)
            cost->setText("9250");
        child<QWidget>(w, qPrintable(control))->setFocus();
        released = 0;
        QCOMPARE(QProcess::execute("xdotool", QStringList{"key", "--delay", "20"} + keys.split(' ')), 0);
        QTRY_COMPARE(released, int(keys.split(QRegularExpression("[ +]")).size()));
        const QString state = cost ? cost->text() : child<QLineEdit>(w, "Text1")->isEnabled() ? "open" : "locked";
        QTEST(state + '|' + QApplication::focusWidget()->objectName(), "result");
    }
};

QTEST_MAIN(tst_RealKeyboard)
#include "tst_realkeyboard.moc"
