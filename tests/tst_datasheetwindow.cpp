// The data sheet driven as a user drives it: keys into the cost boxes, clicks on the
// buttons, F2 and the close box; the rate table read back cell by cell.
#include "windowtest.h"
#include "workedexample.h"

#include "app/form1.h"
#include "datasheet/datasheet1.h"

#include <QClipboard>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>

static const char *const Inputs[] = {"cement1", "MM20", "MM40", "SAND", "BRICKS", "MASON1", "MASON2", "MANMAZDOOR", "WOMANMAZDOOR"};

class tst_DataSheetWindow : public QObject
{
    Q_OBJECT

    datasheet1 *w = nullptr;
    MessageLog *messages = nullptr;

    QLineEdit *box(int i) { return child<QLineEdit>(w, Inputs[i]); }
    QTreeWidget *table() { return child<QTreeWidget>(w, "ListView1"); }
    void click(const char *button) { QTest::mouseClick(child<QPushButton>(w, button), Qt::LeftButton); }
    void type(const QStringList &costs)
    {
        for (int i = 0; i < costs.size(); ++i)
            QTest::keyClicks(box(i), costs[i]);
    }
    QStringList rows()
    {
        QStringList rows;
        for (int r = 0; r < table()->topLevelItemCount(); ++r) {
            const QTreeWidgetItem *item = table()->topLevelItem(r);
            rows << QStringList{item->text(0), item->text(1), item->text(2), item->text(3)}.join('|');
        }
        return rows;
    }

private slots:
    void init()
    {
        messages = new MessageLog;
        Form1 *main = ratebook::windows::form1();
        QVERIFY(QTest::qWaitForWindowActive(main));
        QTest::keyClick(main, Qt::Key_D, Qt::AltModifier);
        // An access key clicks its button the way a mouse does, a moment later.
        QTRY_VERIFY(w = qobject_cast<datasheet1 *>(QApplication::activeWindow()));
        QCOMPARE(visibleWindows(), QWidgetList{w});
    }
    void cleanup()
    {
        closeEverything();
        delete messages;
    }

    void opensBlankWithItsColumns()
    {
        QCOMPARE(w->windowTitle(), QString("Rate Book"));
        for (int i = 0; i < 9; ++i)
            QVERIFY(box(i)->text().isEmpty());
        QCOMPARE(QApplication::focusWidget(), box(0));
        QCOMPARE(table()->topLevelItemCount(), 0);
        // 5407.5, 1802.5, 1802.5 and 3046.48 twips: the last column reaches past the list.
        const QStringList headers = {"Description Of Item|361", "Material Cost|120", "Labour Cost|120", "Men & Material Cost|203"};
        QCOMPARE(table()->columnCount(), 4);
        for (int c = 0; c < 4; ++c)
            QCOMPARE(table()->headerItem()->text(c) + '|' + QString::number(table()->columnWidth(c)), headers[c]);
        QCOMPARE(captionsNotWhole(w), QStringList());
    }

    void enterStep_data()
    {
        QTest::addColumn<int>("input");
        QTest::addColumn<QString>("message"); // title|prompt
        const char *const messages[] = {
            "Cement Cost|Enter Cost Of Cement Per 50 kg ", "20 mm Chips Cost|Enter Cost Of 20 mm Chips Per Cu.m ",
            "40 mm Metal Cost|Enter Cost Of 40 mm Metal Per Cu.m ", "Sand Cost|Enter Cost Of Sand Per Cu.m ",
            "Bricks Cost|Enter cost Of Bricks Per No ", "Mason 1st Labour|Enter Labour Cost Of Mason 1st Class Per No  ",
            "Mason 2nd Labour|Enter Labour Cost Of Mason 2nd Class Per No  ",
            "Manmazdoor Labour|Enter Labour Cost Of Manmazdoor Per No  ",
            "Womanmazdoor Labour|Enter Labour Cost Of Womanmazdoor Per No  "};
        for (int i = 0; i < 9; ++i)
            QTest::newRow(Inputs[i]) << i << messages[i];
    }
    // A blank box answers Enter with its own prompt and keeps the focus (blanks count as
    // nothing); a filled one hands the focus on without taking the Enter into its text.
    void enterStep()
    {
        QFETCH(int, input);
        QFETCH(QString, message);
        box(input)->setFocus();
        for (Qt::Key key : {Qt::Key_Return, Qt::Key_Space, Qt::Key_Enter})
            QTest::keyClick(box(input), key);
        QCOMPARE(messages->count(), 2);
        QCOMPARE(messages->last().title + '|' + messages->last().prompt, message);
        QCOMPARE(QApplication::focusWidget(), box(input));
        QTest::keyClicks(box(input), "450\r");
        QCOMPARE(messages->count(), 2);
        QCOMPARE(box(input)->text(), QString("450"));
        QCOMPARE(QApplication::focusWidget(), input < 8 ? box(input + 1) : child<QWidget>(w, "unitcost"));
    }

    void keyFilter_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("text");
        QTest::newRow("digits and points") << "1.2.3" << "1.2.3";
        QTest::newRow("letters, blank, minus, comma") << "1a Z-,2" << "12";
        QTest::newRow("signs and exponent") << "+1e5" << "15";
        QTest::newRow("non-ASCII digits and letters") << QString::fromUtf8("١٢é७") << "";
        QTest::newRow("control characters") << QString::fromUtf8("\t\x1b\x7f" "4\x01") << "4";
    }
    void keyFilter()
    {
        QFETCH(QString, typed);
        for (int i = 0; i < 9; ++i) {
            typeText(box(i), typed);
            QTEST(box(i)->text(), "text");
        }
        QCOMPARE(messages->count(), 0);
    }

    // The clipboard shortcuts are characters the filter drops; the editing keys still edit.
    void keyFilterDropsClipboardKeys()
    {
        QLineEdit *sand = box(3);
        QApplication::clipboard()->setText("999");
        QTest::keyClicks(sand, "45");
        QTest::keyClick(sand, Qt::Key_V, Qt::ControlModifier);
        QTest::keyClick(sand, Qt::Key_Insert, Qt::ShiftModifier);
        QTest::keyClick(sand, Qt::Key_A, Qt::ControlModifier);
        sand->selectAll(); // Ctrl+C and Ctrl+X would have something to take
        QTest::keyClick(sand, Qt::Key_C, Qt::ControlModifier);
        QTest::keyClick(sand, Qt::Key_X, Qt::ControlModifier);
        QCOMPARE(sand->text(), QString("45"));
        QCOMPARE(QApplication::clipboard()->text(), QString("999"));
        QTest::keyClick(sand, Qt::Key_Backspace);
        QTest::keyClick(sand, Qt::Key_Home);
        QTest::keyClick(sand, Qt::Key_Delete);
        QCOMPARE(sand->text(), QString(""));
    }

    // Rows computed from earlier values stay until a box becomes blank.
    void changeRule()
    {
        type(ExampleCosts);
        click("unitcost");
        QTest::keyClicks(box(5), "\b1");
        QCOMPARE(box(5)->text(), QString("301"));
        QCOMPARE(rows(), ExampleRates);
        box(5)->setText("   "); // as pasted: blanks count as nothing
        QCOMPARE(rows(), QStringList());
        QCOMPARE(table()->columnCount(), 4);
        box(5)->setText("300");
        click("unitcost");
        QTest::keyClicks(box(4), "\b");
        QCOMPARE(rows(), QStringList());
    }

    // With several boxes blank the focus ends on the last of them, not the first.
    void checktextboxFocusesLastBlank()
    {
        QStringList costs = ExampleCosts;
        costs[0].clear();
        costs[3].clear();
        type(costs);
        click("unitcost");
        QCOMPARE(messages->take().size(), 1);
        QCOMPARE(QApplication::focusWidget(), box(3));
        QCOMPARE(rows(), QStringList());
        QTest::keyClicks(box(0), "250");
        QTest::keyClicks(box(3), "500");
        box(2)->setFocus();
        QCOMPARE(w->checktextbox(), short(0));
        QCOMPARE(QApplication::focusWidget(), box(2));
    }

    void rateTable_data()
    {
        QTest::addColumn<QStringList>("costs");
        QTest::addColumn<QStringList>("rows");
        QTest::newRow("worked example") << ExampleCosts << ExampleRates;
        QTest::newRow("all zero") << QStringList(9, "0") << zeroRates();
    }
    // A second click rebuilds the rows rather than adding to them.
    void rateTable()
    {
        QFETCH(QStringList, costs);
        type(costs);
        click("unitcost");
        click("unitcost");
        QTEST(rows(), "rows");
        QCOMPARE(table()->topLevelItem(0)->textAlignment(1) & Qt::AlignHorizontal_Mask, int(Qt::AlignHCenter));
        QCOMPARE(messages->count(), 0);
    }

    void failures_data()
    {
        QTest::addColumn<int>("input");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("message");
        QTest::newRow("two points") << 4 << "1.2.3" << "Country Bricks Per 1 Nos reads \"1.2.3\", which is not a number.";
        QTest::newRow("lone point") << 7 << "." << "Man Mazdoor reads \".\", which is not a number.";
        QTest::newRow("bricks times 600") << 4 << "4" + QString(305, '0') << "The result is too large to compute.";
        QTest::newRow("beyond a double") << 0 << "2" + QString(308, '0') << "The result is too large to compute.";
    }
    // A failed analysis is reported once and leaves the table empty, the boxes as typed.
    void failures()
    {
        QFETCH(int, input);
        QFETCH(QString, typed);
        type(ExampleCosts);
        click("unitcost");
        box(input)->clear();
        QTest::keyClicks(box(input), typed);
        click("unitcost");
        QCOMPARE(messages->count(), 1);
        QTEST(messages->last().prompt, "message");
        QCOMPARE(messages->last().title, QString("ratebook"));
        QCOMPARE(rows(), QStringList());
        QCOMPARE(box(input)->text(), typed);
    }

    void buttonsTakeEnterAndSpace()
    {
        QWidget *unitcost = child<QPushButton>(w, "unitcost");
        unitcost->setFocus();
        QTest::keyClick(unitcost, Qt::Key_Return);
        QTest::keyClick(unitcost, Qt::Key_Space);
        QTest::keyClick(w, Qt::Key_U, Qt::AltModifier);
        QTRY_COMPARE(messages->count(), 3);
        QCOMPARE(messages->last().prompt, QString("Fill All Text Boxes"));
    }

    // The one place a real message box is shown: modal, question mark, one OK, the title.
    void realMessageBox()
    {
        delete std::exchange(messages, nullptr);
        const QString seen = answerMessageBox([this] { QTest::keyClick(box(3), Qt::Key_Return); });
        messages = new MessageLog;
        QCOMPARE(seen, QStringLiteral("Sand Cost|Enter Cost Of Sand Per Cu.m |%1|1").arg(int(QMessageBox::Question)));
        QTRY_COMPARE(QApplication::focusWidget(), box(3));
    }

    void closes_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QKeyCombination>("key"); // none: the close box
        for (const char *name : {"cement1", "WOMANMAZDOOR", "unitcost", "close", "ListView1"})
            QTest::newRow(name) << QString(name) << QKeyCombination(Qt::Key_F2);
        QTest::newRow("Shift+Ctrl+F2") << "SAND" << QKeyCombination(Qt::ShiftModifier | Qt::ControlModifier, Qt::Key_F2);
        QTest::newRow("Alt+C") << "MM20" << QKeyCombination(Qt::AltModifier, Qt::Key_C);
        QTest::newRow("Enter on Close") << "close" << QKeyCombination(Qt::Key_Return);
        QTest::newRow("close box") << "cement1" << QKeyCombination();
    }
    // Every way out brings back a fresh main window with the focus on its first button.
    void closes()
    {
        QFETCH(QString, control);
        QFETCH(QKeyCombination, key);
        QWidget *focus = child<QWidget>(w, qPrintable(control));
        focus->setFocus();
        if (key.key() != Qt::Key_unknown)
            QTest::keyClick(focus, key.key(), key.keyboardModifiers());
        else
            w->close();
        QTRY_COMPARE(visibleWindows().size(), 1);
        QTRY_COMPARE(visibleWindows().front()->objectName(), QString("Form1"));
        QVERIFY(QTest::qWaitForWindowActive(visibleWindows().front()));
        QCOMPARE(QApplication::focusWidget()->objectName(), QString("Command1"));
    }

    void reopensFresh()
    {
        type(ExampleCosts);
        click("unitcost");
        QTest::keyClick(w, Qt::Key_F2);
        init();
        for (int i = 0; i < 9; ++i)
            QVERIFY(box(i)->text().isEmpty());
        QCOMPARE(rows(), QStringList());
    }
};

QTEST_MAIN(tst_DataSheetWindow)
#include "tst_datasheetwindow.moc"
