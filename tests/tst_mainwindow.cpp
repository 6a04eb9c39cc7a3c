// The main window and the navigation between the three windows: exactly one window on
// screen after every step, a fresh window on every visit, and the end of the program.
#include "windowtest.h"

using namespace ratebook;

static bool alone(const QString &name) { return visibleWindows().size() == 1 && visibleWindows()[0]->objectName() == name; }

class tst_MainWindow : public QObject
{
    Q_OBJECT

    MessageLog messages;

private slots:
    void initTestCase() { ratebook::setUpApplication(); }
    void cleanup() { windows::setBeforeBuild(nullptr); closeEverything(); QCOMPARE(messages.take(), QStringList()); }

    // However a work window opens (a key on the button, or a click) and closes (a key on a control, or the close box),
    // a new main window comes back alone with the focus on its first button, and a second visit goes alike.
    void roundTrip_data()
    {
        QTest::addColumn<QStringList>("steps"); // button|caption|key|window|title|control|key
        for (const char *steps : {"Command1|&Data sheet Viewer||datasheet1|Rate Book|ListView1|Shift+Ctrl+F2",
                                  "Command2|&Material Viewer|Alt+D|datasheet1|Rate Book|MM20|Alt+C",
                                  "Command1|&Data sheet Viewer|Return|datasheet1|Rate Book|cement1|",
                                  "Command2|&Material Viewer|Space|Form17|Material Extractor|Check12|Shift+Ctrl+F3",
                                  "Command1|&Data sheet Viewer|Alt+M|Form17|Material Extractor|ListView1|Alt+C"})
            QTest::newRow(steps) << QString(steps).split('|');
    }
    void roundTrip()
    {
        QFETCH(QStringList, steps);
        auto press = [](QWidget *to, const QString &key) { to->setFocus(); QTest::keySequence(to, QKeySequence(key)); };
        for (int visit = 0; visit < 2; ++visit) {
            const QPointer<Form1> main = windows::form1(); // a new main window may reuse the address
            QVERIFY(QTest::qWaitForWindowActive(main));
            QCOMPARE(main->windowTitle() + '|' + QApplication::focusWidget()->objectName(), "The Estimate Builder|Command1");
            auto *button = child<QPushButton>(main, steps[0]);
            QCOMPARE(button->text(), steps[1]);
            steps[2].isEmpty() ? QTest::mouseClick(button, Qt::LeftButton) : press(button, steps[2]);
            QTRY_VERIFY(!main && alone(steps[3]));
            const QPointer<QWidget> work = visibleWindows().front();
            QVERIFY(QTest::qWaitForWindowActive(work));
            QCOMPARE(work->windowTitle(), steps[4]);
            steps[6].isEmpty() ? void(work->close()) : press(child(work, steps[5]), steps[6]);
            QTRY_VERIFY(!work);
            QVERIFY(alone("Form1"));
        }
    }

    // A work window that cannot be built must not take the main window with it.
    void failedOpeningKeepsMainWindow()
    {
        windows::setBeforeBuild([](std::string_view w) { if (w == "datasheet1") throw std::runtime_error("out of memory"); });
        Form1 *main = windows::form1();
        QTest::mouseClick(child<QPushButton>(main, "Command1"), Qt::LeftButton);
        QCOMPARE(visibleWindows(), QWidgetList{main});
        QCOMPARE(messages.take(), QStringList{"ratebook|The window could not be opened (out of memory)."});
    }

    // In the real event loop no hand-over ends the program; closing the main window does. Each step presses a key,
    // waits until the window expected is active alone, and goes back to the loop, which would end if asked to.
    void programEndsWithMainWindow()
    {
        const QStringList keys{"Alt+D", "F2", "Alt+M", "Shift+F3"}, expected{"datasheet1", "Form1", "Form17", "Form1"};
        QStringList steps;
        QTimer turn; // a step at each turn of the loop; Qt fires it not again while a step waits
        connect(&turn, &QTimer::timeout, [&] {
            if (steps.size() == keys.size())
                return void(windows::form1()->close());
            QWidget *active = QApplication::activeWindow() ? QApplication::activeWindow() : windows::form1();
            if (QTest::qWaitForWindowActive(active))
                QTest::keySequence(active, QKeySequence(keys[steps.size()]));
            const QString want = expected[steps.size()];
            steps << (QTest::qWaitFor([&] { return alone(want) && visibleWindows()[0]->isActiveWindow(); }) ? want : "not " + want);
        });
        turn.start(0);
        QTimer::singleShot(10000, &turn, [] { QCoreApplication::exit(2); });
        QCOMPARE(QApplication::exec(), 0);
        QCOMPARE(steps, expected);
        QVERIFY(windows::noneLoaded());
    }

    // Opening and closing each work window two hundred times leaves as many objects alive
    // as the first visit did (which makes what the toolkit keeps for good).
    void soak()
    {
        auto census = [] { return std::pair(QApplication::allWidgets().size(), qApp->findChildren<QObject *>().size()); };
        for (const QString window : {"datasheet1", "Form17"}) {
            auto before = census();
            for (int i = 0; i <= 200; ++i) {
                QWidget *w = openWindow(window);
                QVERIFY(w);
                QTest::keyClick(w, window == "datasheet1" ? Qt::Key_F2 : Qt::Key_F3);
                QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
                if (i == 0)
                    before = census();
            }
            QCOMPARE(census(), before);
        }
    }

    // Without a display the program says so on one line and fails, rather than abort.
    void needsADisplay()
    {
        QProcess ratebook;
        ratebook.setProcessEnvironment(QProcessEnvironment()); // an empty one, so no display of any kind
        ratebook.start(RATEBOOK_BINARY, {});
        QVERIFY(ratebook.waitForFinished(10000));
        const QString said = QString::fromLocal8Bit(ratebook.readAllStandardError());
        QVERIFY2(ratebook.exitCode() == 1 && said.count('\n') == 1 && said.contains("DISPLAY"), qPrintable(said));
    }
};

QTEST_MAIN(tst_MainWindow)
#include "tst_mainwindow.moc"
