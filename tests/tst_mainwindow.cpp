// The navigation between the three windows: one window on screen after every step.
#include "windowtest.h"

class tst_MainWindow : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { closeEverything(); }

    // However a work window opens and closes (no key: a click, the close box), a new main window comes back alone.
    void roundTrip_data()
    {
        QTest::addColumn<QStringList>("steps"); // button|key|window|title|control|key
        for (const char *steps : {"Command1||datasheet1|Rate Book|cement1|", "Command2|Alt+D|datasheet1|Rate Book|MM20|Alt+C",
                 "Command1|Return|datasheet1|Rate Book|ListView1|Shift+Ctrl+F2", "Command2|Space|Form17|Material Extractor|Check12|Shift+Ctrl+F3",
                 "Command1|Alt+M|Form17|Material Extractor|ListView1|Alt+C"})
            QTest::newRow(steps) << QString(steps).split('|');
    }
    void roundTrip()
    {
        QFETCH(QStringList, steps);
        auto act = [](QWidget *on, const QString &key) { on->setFocus(), key.isEmpty() ? QTest::mouseClick(on, Qt::LeftButton) : QTest::keySequence(on, key); };
        for (int visit = 0; visit < 2; ++visit) {
            const QPointer<QWidget> main = openWindow("Form1"); // a new main window may reuse the address
            QCOMPARE(main->windowTitle() + focused() + child<QPushButton>(main, "Command1")->text() + child<QPushButton>(main, "Command2")->text(),
                     "The Estimate BuilderCommand1&Data sheet Viewer&Material Viewer");
            act(child(main, steps[0]), steps[1]);
            QTRY_VERIFY(!main && visibleWindows().size() == 1 && visibleWindows()[0]->isActiveWindow());
            const QPointer<QWidget> work = visibleWindows()[0];
            QCOMPARE(work->objectName() + work->windowTitle(), steps[2] + steps[3]);
            steps[5].isEmpty() ? void(work->close()) : act(child(work, steps[4]), steps[5]);
            QTRY_VERIFY(!work && visibleWindows().size() == 1 && visibleWindows()[0]->objectName() == "Form1");
        }
    }
};

QTEST_MAIN(tst_MainWindow)
#include "tst_mainwindow.moc"
