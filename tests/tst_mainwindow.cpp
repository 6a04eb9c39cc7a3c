// The main window and the navigation between the three windows: exactly one window on
// screen after every step, a fresh window on every visit, and the end of the program.
#include "windowtest.h"

using namespace ratebook;

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

    void roundTrip_data()
    {
        QTest::addColumn<QString>("button"); // of the main window, given the focus
        QTest::addColumn<QString>("open"); // the key pressed there; none: a mouse click
        QTest::addColumn<QString>("control"); // window.control given the focus there
        QTest::addColumn<QString>("close"); // the key pressed there; none: the close box
        QTest::newRow("click; Shift+Ctrl+F2") << "Command1" << "" << "datasheet1.ListView1" << "Shift+Ctrl+F2";
        QTest::newRow("Alt+D; Alt+C in a box") << "Command2" << "Alt+D" << "datasheet1.MM20" << "Alt+C";
        QTest::newRow("Enter; close box") << "Command1" << "Return" << "datasheet1.cement1" << "";
        QTest::newRow("Space; Shift+Ctrl+F3") << "Command2" << "Space" << "Form17.Check12" << "Shift+Ctrl+F3";
        QTest::newRow("Alt+M; Alt+C in the table") << "Command1" << "Alt+M" << "Form17.ListView1" << "Alt+C";
    }
    // The main window hands over to the work window; whichever way that closes, a new main window
    // comes back alone, titled and with the focus on its first button, so a second visit starts afresh.
    void roundTrip()
    {
        QFETCH(QString, button);
        QFETCH(QString, open);
        QFETCH(QString, control);
        QFETCH(QString, close);
        const QString window = control.section('.', 0, 0), focusName = control.section('.', 1);
        auto press = [](QWidget *to, const QString &key) { to->setFocus(); QTest::keySequence(to, QKeySequence(key)); };
        for (int visit = 0; visit < 2; ++visit) {
            const QPointer<Form1> main = windows::form1(); // a new main window may reuse the address
            QCOMPARE(windows::form1(), main.data()); // one instance while loaded
            QVERIFY(QTest::qWaitForWindowActive(main));
            QCOMPARE(main->windowTitle() + '|' + QApplication::focusWidget()->objectName(),
                     QString("The Estimate Builder|Command1"));
            auto *b = child<QPushButton>(main, qPrintable(button));
            open.isEmpty() ? QTest::mouseClick(b, Qt::LeftButton) : press(b, open);
            QTRY_VERIFY(!main && visibleWindows().size() == 1 && visibleWindows().front()->objectName() == window);
            const QPointer<QWidget> work = visibleWindows().front();
            QVERIFY(QTest::qWaitForWindowActive(work));
            close.isEmpty() ? void(work->close()) : press(child<QWidget>(work, qPrintable(focusName)), close);
            QTRY_VERIFY(!work);
            QVERIFY(visibleWindows().size() == 1 && visibleWindows().front()->objectName() == "Form1");
        }
        QCOMPARE(messages.take().size(), 0);
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
        const auto said = messages.take();
        QVERIFY(said.size() == 1 && said[0].prompt == "The window could not be opened (out of memory).");
    }

    // In the real event loop: no hand-over ends the program, closing the main window does.
    void programEndsWithMainWindow()
    {
        // Each key in the active window, a wait until the one expected is active alone, then back to
        // the event loop, which would end there if the hand-over had asked it to.
        const std::pair<const char *, QString> keys[] = {{"Alt+D", "datasheet1"}, {"F2", "Form1"}, {"Alt+M", "Form17"},
                                                         {"Shift+F3", "Form1"}};
        QStringList steps;
        QObject pending; // takes the timers still due with it when the test ends
        std::function<void()> step = [&] {
            if (steps.size() == 4)
                return void(windows::form1()->close());
            const auto &[key, expected] = keys[steps.size()];
            QWidget *active = QApplication::activeWindow() ? QApplication::activeWindow() : windows::form1();
            if (QTest::qWaitForWindowActive(active))
                QTest::keySequence(active, QKeySequence(key));
            const bool settled = QTest::qWaitFor([&expected] {
                return QApplication::activeWindow() && QApplication::activeWindow()->objectName() == expected
                    && visibleWindows().size() == 1;
            });
            steps << (settled ? expected : "not " + expected);
            QTimer::singleShot(0, &pending, step);
        };
        QTimer::singleShot(0, &pending, step);
        QTimer::singleShot(10000, &pending, [] { QCoreApplication::exit(2); });
        QCOMPARE(QApplication::exec(), 0);
        QCOMPARE(steps, (QStringList{"datasheet1", "Form1", "Form17", "Form1"}));
        QVERIFY(windows::noneLoaded());
    }

    // Without a display the program says so on one line and fails, rather than abort.
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
        QVERIFY(said.count('\n') == 1 && said.contains("DISPLAY"));
    }
};

QTEST_MAIN(tst_MainWindow)
#include "tst_mainwindow.moc"
