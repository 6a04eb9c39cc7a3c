// The navigation between the three windows: one window on screen after every step.
#include "windowtest.h"

static bool alone(const QString &name) { return visibleWindows().size() == 1 && visibleWindows()[0]->objectName() == name; }

class tst_MainWindow : public QObject
{
    Q_OBJECT

    MessageLog messages; // none is due

private slots:
    void cleanup() { closeEverything(); }

    // However a work window opens and closes (no key: a click, the close box), a new main window comes back alone.
    void roundTrip_data()
    {
        QTest::addColumn<QStringList>("steps"); // button|key|window|control|key
        for (const char *steps : {"Command1||datasheet1|cement1|", "Command2|Alt+D|datasheet1|MM20|Alt+C",
                 "Command1|Return|datasheet1|ListView1|Shift+Ctrl+F2", "Command2|Space|Form17|Check12|Shift+Ctrl+F3", "Command1|Alt+M|Form17|ListView1|Alt+C"})
            QTest::newRow(steps) << QString(steps).split('|');
    }
    void roundTrip()
    {
        QFETCH(QStringList, steps);
        auto press = [](QWidget *to, const QString &key) { to->setFocus(), QTest::keySequence(to, QKeySequence(key)); };
        for (int visit = 0; visit < 2; ++visit) {
            const QPointer<QWidget> main = openWindow("Form1"); // a new main window may reuse the address
            QCOMPARE(main->windowTitle() + focused() + child<QPushButton>(main, "Command1")->text() + child<QPushButton>(main, "Command2")->text(),
                     "The Estimate BuilderCommand1&Data sheet Viewer&Material Viewer");
            steps[1].isEmpty() ? QTest::mouseClick(child(main, steps[0]), Qt::LeftButton) : press(child(main, steps[0]), steps[1]);
            QTRY_VERIFY(!main && alone(steps[2]));
            const QPointer<QWidget> work = visibleWindows()[0];
            QVERIFY(QTest::qWaitForWindowActive(work));
            QCOMPARE(work->windowTitle(), steps[2] == "Form17" ? "Material Extractor" : "Rate Book");
            steps[4].isEmpty() ? void(work->close()) : press(child(work, steps[3]), steps[4]);
            QTRY_VERIFY(!work && alone("Form1"));
        }
    }
};

QTEST_MAIN(tst_MainWindow)
#include "tst_mainwindow.moc"
