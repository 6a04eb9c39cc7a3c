// The main window and the navigation between the three windows: exactly one window on
// screen after every step, a fresh window on every visit, and the end of the program.
#include "windowtest.h"

#include "app/form1.h"

#include <QLabel>
#include <QPointer>
#include <QProcess>
#include <QPushButton>
#include <QTimer>

using namespace ratebook;

// Presses a key in the active window and waits for the hand-over it starts (an access
// key clicks its button a moment later); returns the names of the windows on screen.
static QString afterKey(QKeyCombination key, const char *expected)
{
    if (!QTest::qWaitForWindowActive(QApplication::activeWindow() ? QApplication::activeWindow() : windows::form1()))
        return "no active window";
    QTest::keyClick(QApplication::activeWindow(), key.key(), key.keyboardModifiers());
    const bool settled = QTest::qWaitFor([expected] {
        const QWidgetList shown = visibleWindows();
        return shown.size() == 1 && shown.front()->objectName() == expected && shown.front()->isActiveWindow();
    });
    QStringList names;
    for (QWidget *w : visibleWindows())
        names << w->objectName();
    return names.join(',') + (settled ? "" : " (unsettled)");
}

class tst_MainWindow : public QObject
{
    Q_OBJECT

    MessageLog messages;

private slots:
    void initTestCase() { ui::setUpApplication(); }
    void cleanup()
    {
        windows::setBeforeBuild(nullptr);
        closeEverything();
        messages.take();
    }

    void startsWithMainWindow()
    {
        Form1 *main = windows::form1();
        QCOMPARE(windows::form1(), main); // one instance while loaded
        QVERIFY(QTest::qWaitForWindowActive(main));
        QCOMPARE(main->windowTitle(), QString("The Estimate Builder"));
        QCOMPARE(QApplication::focusWidget(), child<QPushButton>(main, "Command1"));
        QCOMPARE(child<QLabel>(main, "Image1")->pixmap().size(), QSize(226, 216));
        QCOMPARE(QApplication::applicationName() + ' ' + QApplication::applicationVersion(), QString("ratebook 1.00"));
        QCOMPARE(QApplication::windowIcon().availableSizes(), (QList<QSize>{{16, 16}, {24, 24}, {32, 32}, {48, 48}, {64, 64}, {96, 96}}));
        QCOMPARE(captionsNotWhole(main), QStringList());
    }

    void opensWorkWindow_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QKeyCombination>("key"); // Key_unknown: a mouse click
        QTest::addColumn<QString>("window");
        QTest::newRow("click") << "Command1" << QKeyCombination() << "datasheet1";
        QTest::newRow("Alt+D") << "Command2" << QKeyCombination(Qt::AltModifier, Qt::Key_D) << "datasheet1";
        QTest::newRow("Enter") << "Command1" << QKeyCombination(Qt::Key_Return) << "datasheet1";
        QTest::newRow("Space") << "Command2" << QKeyCombination(Qt::Key_Space) << "Form17";
        QTest::newRow("Alt+M") << "Command1" << QKeyCombination(Qt::AltModifier, Qt::Key_M) << "Form17";
    }
    // The main window hands over to the work window; closing that brings a new main
    // window back, so a second visit starts afresh.
    void opensWorkWindow()
    {
        QFETCH(QString, button);
        QFETCH(QKeyCombination, key);
        QFETCH(QString, window);
        for (int visit = 0; visit < 2; ++visit) {
            Form1 *main = windows::form1();
            const QPointer<Form1> previous = main; // a new main window may reuse its address
            QVERIFY(QTest::qWaitForWindowActive(main));
            auto *b = child<QPushButton>(main, qPrintable(button));
            b->setFocus();
            if (key.key() == Qt::Key_unknown)
                QTest::mouseClick(b, Qt::LeftButton);
            else
                QTest::keyClick(b, key.key(), key.keyboardModifiers());
            QTRY_COMPARE(visibleWindows().size(), 1);
            QTRY_COMPARE(visibleWindows().front()->objectName(), window);
            visibleWindows().front()->close();
            QCOMPARE(visibleWindows().size(), 1);
            QTRY_VERIFY(previous.isNull());
        }
        QCOMPARE(messages.count(), 0);
    }

    // A work window that cannot be built must not take the main window with it.
    void failedOpeningKeepsMainWindow()
    {
        windows::setBeforeBuild([](const char *name) {
            if (qstrcmp(name, "datasheet1") == 0)
                throw std::runtime_error("out of memory");
        });
        Form1 *main = windows::form1();
        QTest::mouseClick(child<QPushButton>(main, "Command1"), Qt::LeftButton);
        QCOMPARE(visibleWindows(), QWidgetList{main});
        QCOMPARE(messages.count(), 1);
        QVERIFY(messages.last().prompt.contains("out of memory"));
    }

    // In the real event loop: no hand-over ends the program, closing the main window does.
    void programEndsWithMainWindow()
    {
        QStringList steps;
        QTimer::singleShot(0, this, [&steps] {
            steps << afterKey(QKeyCombination(Qt::AltModifier, Qt::Key_D), "datasheet1")
                  << afterKey(QKeyCombination(Qt::Key_F2), "Form1")
                  << afterKey(QKeyCombination(Qt::AltModifier, Qt::Key_M), "Form17")
                  << afterKey(QKeyCombination(Qt::ShiftModifier, Qt::Key_F3), "Form1");
            windows::form1()->close();
        });
        QTimer::singleShot(10000, [] { QCoreApplication::exit(2); });
        QCOMPARE(QApplication::exec(), 0);
        QCOMPARE(steps, (QStringList{"datasheet1", "Form1", "Form17", "Form1"}));
        QVERIFY(windows::noneLoaded());
    }

    void needsADisplay()
    {
        QProcess ratebook;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            env.remove(name);
        ratebook.setProcessEnvironment(env);
        ratebook.start(RATEBOOK_BINARY, {});
        QVERIFY(ratebook.waitForFinished(10000));
        QCOMPARE(ratebook.exitCode(), 1);
        const QString said = QString::fromLocal8Bit(ratebook.readAllStandardError());
        QCOMPARE(said.count('\n'), 1);
        QVERIFY(said.contains("DISPLAY"));
    }
};

QTEST_MAIN(tst_MainWindow)
#include "tst_mainwindow.moc"
