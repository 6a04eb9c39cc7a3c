// The navigation between the three windows: one window on screen after every step, and
// a fresh window on every visit.
#include "windowtest.h"

using namespace ratebook;

static bool alone(const QString &name) { return visibleWindows().size() == 1 && visibleWindows()[0]->objectName() == name; }

class tst_MainWindow : public QObject
{
    Q_OBJECT

    MessageLog messages;

private slots:
    void initTestCase() { setUpApplication(); }
    void cleanup() { closeEverything(); QCOMPARE(messages.take(), QStringList()); }

    // However a work window opens (by a key on a button, or a click) and closes (by a key on a control, or the close
    // box), a new main window comes back alone with the focus on its first button; a second visit goes alike.
    void roundTrip_data()
    {
        QTest::addColumn<QStringList>("steps"); // button|caption|key|window|title|control|key
        for (const char *steps : {"Command1|&Data sheet Viewer||datasheet1|Rate Book|ListView1|Shift+Ctrl+F2",
                 "Command2|&Material Viewer|Alt+D|datasheet1|Rate Book|MM20|Alt+C", "Command1|&Data sheet Viewer|Return|datasheet1|Rate Book|cement1|",
                 "Command2|&Material Viewer|Space|Form17|Material Extractor|Check12|Shift+Ctrl+F3",
                 "Command1|&Data sheet Viewer|Alt+M|Form17|Material Extractor|ListView1|Alt+C"})
            QTest::newRow(steps) << QString(steps).split('|');
    }
    void roundTrip()
    {
        QFETCH(QStringList, steps);
        auto press = [](QWidget *to, const QString &key) { to->setFocus(); QTest::keySequence(to, QKeySequence(key)); };
        for (int visit = 0; visit < 2; ++visit) {
            const QPointer<QWidget> main = openWindow("Form1"); // a new main window may reuse the address
            auto *button = child<QPushButton>(main, steps[0]);
            QCOMPARE(main->windowTitle() + focused() + button->text(), "The Estimate BuilderCommand1" + steps[1]);
            steps[2].isEmpty() ? QTest::mouseClick(button, Qt::LeftButton) : press(button, steps[2]);
            QTRY_VERIFY(!main && alone(steps[3]));
            const QPointer<QWidget> work = visibleWindows()[0];
            QVERIFY(QTest::qWaitForWindowActive(work));
            QCOMPARE(work->windowTitle(), steps[4]);
            steps[6].isEmpty() ? void(work->close()) : press(child(work, steps[5]), steps[6]);
            QTRY_VERIFY(!work && alone("Form1"));
        }
    }

    // Two hundred openings of each work window leave as many objects alive as the first did.
    void soak()
    {
        auto census = [] { return std::pair(QApplication::allWidgets().size(), qApp->findChildren<QObject *>().size()); };
        for (const QString window : {"datasheet1", "Form17"}) {
            auto before = census();
            for (int i = 0; i <= 200; ++i) {
                QTest::keyClick(openWindow(window), window == "Form17" ? Qt::Key_F3 : Qt::Key_F2);
                QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
                if (i == 0)
                    before = census();
            }
            QCOMPARE(census(), before);
        }
    }
};

QTEST_MAIN(tst_MainWindow)
#include "tst_mainwindow.moc"
