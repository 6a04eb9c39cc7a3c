// The main window and the navigation between the three windows: exactly one window on
// screen after every step, a fresh window on every visit, and the end of the program.
#include "windowtest.h"

#include "app/form1.h"

#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QTimer>

using namespace ratebook;

class tst_MainWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();

    void startsWithMainWindow();
    void opensWorkWindow_data();
    void opensWorkWindow();
    void failedOpeningKeepsMainWindow();
    void programEndsWithMainWindow();
    void needsADisplay();
    void captionsWhole();

private:
    MessageLog messages;
};

void tst_MainWindow::initTestCase()
{
    ui::setUpApplication();
}

void tst_MainWindow::cleanup()
{
    windows::setBeforeBuild(nullptr);
    closeEverything();
    messages.take();
}

void tst_MainWindow::startsWithMainWindow()
{
    Form1 *main = windows::form1();
    QCOMPARE(windows::form1(), main); // one instance while loaded
    QVERIFY(QTest::qWaitForWindowActive(main));
    QCOMPARE(main->windowTitle(), QString("The Estimate Builder"));
    QCOMPARE(QApplication::focusWidget(), child<QPushButton>(main, "Command1"));
    QCOMPARE(child<QLabel>(main, "Image1")->pixmap().size(), QSize(226, 216));
    QCOMPARE(QApplication::applicationName(), QString("ratebook"));
    QCOMPARE(QApplication::applicationVersion(), QString("1.00"));
    QCOMPARE(QApplication::windowIcon().availableSizes(),
             (QList<QSize>{QSize(16, 16), QSize(24, 24), QSize(32, 32), QSize(48, 48)}));
}

void tst_MainWindow::opensWorkWindow_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("key"); // 0: a mouse click
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QString>("window");
    QTest::newRow("click data sheet") << "Command1" << 0 << 0 << "datasheet1";
    QTest::newRow("Alt+D") << "Command1" << int(Qt::Key_D) << int(Qt::AltModifier) << "datasheet1";
    QTest::newRow("Enter on focused button") << "Command1" << int(Qt::Key_Return) << 0 << "datasheet1";
    QTest::newRow("Space on focused button") << "Command2" << int(Qt::Key_Space) << 0 << "Form17";
    QTest::newRow("Alt+M") << "Command1" << int(Qt::Key_M) << int(Qt::AltModifier) << "Form17";
    QTest::newRow("Enter on material viewer") << "Command2" << int(Qt::Key_Enter) << 0 << "Form17";
}

// Opening a work window hands over: the main window goes, and closing the work window
// brings a new main window back, so a second visit starts afresh.
void tst_MainWindow::opensWorkWindow()
{
    QFETCH(QString, button);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QString, window);
    for (int visit = 0; visit < 2; ++visit) {
        Form1 *main = windows::form1();
        QVERIFY(QTest::qWaitForWindowActive(main));
        auto *b = child<QPushButton>(main, qPrintable(button));
        b->setFocus();
        if (key)
            QTest::keyClick(b, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        else
            QTest::mouseClick(b, Qt::LeftButton);
        // An access key clicks its button the way a mouse does, after a short press.
        QTRY_COMPARE(visibleWindows().size(), 1);
        QTRY_COMPARE(visibleWindows().front()->objectName(), window);
        const QWidgetList shown = visibleWindows();
        QVERIFY(QTest::qWaitForWindowActive(shown.front()));
        shown.front()->close();
        QCOMPARE(visibleWindows().size(), 1);
        QVERIFY(windows::form1() != main);
    }
    QCOMPARE(messages.count(), 0);
}

// A work window that cannot be built must not take the main window with it.
void tst_MainWindow::failedOpeningKeepsMainWindow()
{
    windows::setBeforeBuild([](const char *name) {
        if (qstrcmp(name, "datasheet1") == 0)
            throw std::runtime_error("out of memory");
    });
    Form1 *main = windows::form1();
    QTest::mouseClick(child<QPushButton>(main, "Command1"), Qt::LeftButton);
    QCOMPARE(visibleWindows(), QWidgetList{main});
    QCOMPARE(messages.count(), 1);
    QCOMPARE(messages.last().title, QString("ratebook"));
    QVERIFY(messages.last().prompt.contains("out of memory"));
}

// Inside the real event loop: every hand-over keeps the program running, closing the
// main window ends it.
void tst_MainWindow::programEndsWithMainWindow()
{
    QStringList steps;
    QTimer::singleShot(0, this, [&steps] {
        // Each step waits for the hand-over, which an access key finishes a moment later.
        auto after = [&steps](QWidget *target, Qt::Key key, Qt::KeyboardModifiers modifiers, const char *expected) {
            const bool active = QTest::qWaitForWindowActive(target);
            QTest::keyClick(target, key, modifiers);
            const bool settled = active && QTest::qWaitFor([expected] {
                const QWidgetList shown = visibleWindows();
                return shown.size() == 1 && shown.front()->objectName() == expected && shown.front()->isActiveWindow();
            });
            QStringList names(settled ? 0 : 1, "unsettled");
            for (QWidget *w : visibleWindows())
                names << w->objectName();
            steps << names.join(',');
        };
        after(windows::form1(), Qt::Key_D, Qt::AltModifier, "datasheet1");
        after(QApplication::activeWindow(), Qt::Key_F2, Qt::NoModifier, "Form1");
        after(windows::form1(), Qt::Key_M, Qt::AltModifier, "Form17");
        after(QApplication::activeWindow(), Qt::Key_F3, Qt::ShiftModifier, "Form1");
        windows::form1()->close();
    });
    QTimer watchdog;
    watchdog.callOnTimeout([] { QCoreApplication::exit(2); });
    watchdog.start(10000);
    QCOMPARE(QApplication::exec(), 0);
    QCOMPARE(steps, (QStringList{"datasheet1", "Form1", "Form17", "Form1"}));
    QVERIFY(windows::noneLoaded());
}

void tst_MainWindow::needsADisplay()
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

void tst_MainWindow::captionsWhole()
{
    QCOMPARE(captionsNotWhole(windows::form1()), QStringList());
}

QTEST_MAIN(tst_MainWindow)
#include "tst_mainwindow.moc"
