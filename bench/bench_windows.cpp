// The windows driven as a user drives them, timed: a keystroke in the extractor to its
// rebuilt table, a "Unit Cost" click to the rebuilt rates, each work window opened and
// closed through the main window, and what start-up builds.
#include "tests/windowtest.h"

#include "app/form1.h"
#include "datasheet/datasheet1.h"
#include "extractor/form17.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

using namespace ratebook;

class bench_Windows : public QObject
{
    Q_OBJECT

    MessageLog messages; // a message would block in a modal loop; here it is a fault

private slots:
    void initTestCase() { ratebook::setUpApplication(); }

    void cleanup()
    {
        closeEverything();
        QCOMPARE(messages.take().size(), 0);
    }

    // Start-up does what main() does; the work windows are built only when asked for.
    void startBuildsMainWindowOnly()
    {
        windows::form1()->show();
        QStringList built;
        for (const QWidget *w : QApplication::topLevelWidgets())
            built << w->objectName();
        qInfo("built at start: %s", qPrintable(built.join(' ')));
        QCOMPARE(built, QStringList("Form1"));
    }

    void keystrokeToMaterialTable()
    {
        QWidget *w = windows::extractor();
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w));
        QTest::mouseClick(child<QCheckBox>(w, "Check5"), Qt::LeftButton);
        auto *box = child<QLineEdit>(w, "Text5");
        auto *table = child<QTreeWidget>(w, "ListView1");
        QCOMPARE(QApplication::focusWidget(), box);
        QTest::keyClick(box, Qt::Key_End);

        // A digit, then Backspace: every keystroke changes the text, each rebuilds the table.
        int keystrokes = 0;
        QBENCHMARK {
            QTest::keyClick(box, keystrokes++ % 2 ? Qt::Key_Backspace : Qt::Key_7);
        }
        QCOMPARE(box->text(), keystrokes % 2 ? "07" : "0");
        QCOMPARE(table->topLevelItem(0)->text(2), keystrokes % 2 ? "4200.00 (Nos)" : "00.00 (Nos)");
    }

    void unitCostClick()
    {
        QWidget *w = windows::dataSheet();
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w));
        const char *const Costs[] = {"250", "1200", "1000", "500", "3", "300", "250", "150", "120"};
        const char *const inputs[] = {"cement1", "MM20", "MM40", "SAND", "BRICKS", "MASON1", "MASON2", "MANMAZDOOR", "WOMANMAZDOOR"};
        for (int i = 0; i < 9; ++i)
            QTest::keyClicks(child<QLineEdit>(w, inputs[i]), Costs[i]);
        auto *table = child<QTreeWidget>(w, "ListView1");
        auto *unitcost = child<QPushButton>(w, "unitcost");

        QBENCHMARK {
            QTest::mouseClick(unitcost, Qt::LeftButton);
        }
        QCOMPARE(table->topLevelItemCount(), 10);
        QCOMPARE(table->topLevelItem(9)->text(3), "1618.00"); // the worked example's last total
    }

    void openAndClose_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("window");
        QTest::newRow("data sheet") << "Command1" << "datasheet1";
        QTest::newRow("extractor") << "Command2" << "Form17";
    }
    // Each round: the button builds and shows the work window, the main window unloads;
    // closing the work window builds and shows a fresh main window. Both get painted.
    void openAndClose()
    {
        QFETCH(QString, button);
        QFETCH(QString, window);
        windows::form1()->show();
        QString opened;
        QBENCHMARK {
            QTest::mouseClick(child<QPushButton>(windows::form1(), qPrintable(button)), Qt::LeftButton);
            QApplication::processEvents();
            QWidget *work = visibleWindows().value(0);
            opened = work ? work->objectName() : QString();
            if (work)
                work->close();
            QApplication::processEvents();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
        QCOMPARE(opened, window);
        QCOMPARE(visibleWindows().size(), 1);
    }
};

QTEST_MAIN(bench_Windows)
#include "bench_windows.moc"
