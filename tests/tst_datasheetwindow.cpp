// The data sheet beside what the random sessions compare: known rate tables cell by cell,
// the failure messages, the columns, the clipboard keys and the real message box.
#include "windowtest.h"
#include "workedexample.h"

class tst_DataSheetWindow : public QObject
{
    Q_OBJECT

    QWidget *w = nullptr;
    MessageLog messages;

    QLineEdit *box(int i) { return child<QLineEdit>(w, CostBoxes[i]); }

private slots:
    void init() { QVERIFY(w = openWindow("datasheet1")); }
    void cleanup() { closeEverything(); }

    // 5407.5, 1802.5, 1802.5 and 3046.48 twips: the last column reaches past the list.
    void titleAndColumns()
    {
        QCOMPARE(w->windowTitle(), QString("Rate Book"));
        const auto *table = child<QTreeWidget>(w, "ListView1");
        QStringList columns;
        for (int c = 0; c < table->columnCount(); ++c)
            columns << table->headerItem()->text(c) + '=' + QString::number(table->columnWidth(c));
        QCOMPARE(columns, (QStringList{"Description Of Item=361", "Material Cost=120", "Labour Cost=120",
                                       "Men & Material Cost=203"}));
    }

    // A hint shows over its own control only: a frame's not over the boxes inside it.
    void hints()
    {
        auto hintOver = [](QWidget *control) {
            QHelpEvent help(QEvent::ToolTip, QPoint(2, 2), control->mapToGlobal(QPoint(2, 2)));
            QApplication::sendEvent(control, &help);
            return QToolTip::isVisible() ? QToolTip::text() : QString();
        };
        // Asked first, while no hint is up, since a hint fades out only later.
        QCOMPARE(hintOver(child<QWidget>(w, "MASON1")) + hintOver(child<QWidget>(w, "Label1")), QString());
        QCOMPARE(hintOver(child<QWidget>(w, "Frame2")), QString("Enter The Cost Of Labour At Site."));
        QVERIFY(hintOver(child<QTreeWidget>(w, "ListView1")->viewport()).startsWith("Click The UNIT COST"));
    }

    void unitCost_data()
    {
        QTest::addColumn<QStringList>("costs");
        QTest::addColumn<int>("key"); // pressed on Unit Cost after a click on it
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<QString>("message"); // title|text, once for each press
        QStringList twoPoints = ExampleCosts, overflow = ExampleCosts, blank = ExampleCosts;
        twoPoints[4] = "1.2.3";
        overflow[4] = "4" + QString(305, '0'); // finite until multiplied by 600
        blank[3] = " ";
        QTest::newRow("worked example") << ExampleCosts << int(Qt::Key_Return) << ExampleRates << "";
        QTest::newRow("all zero") << QStringList(9, "0") << int(Qt::Key_Space) << zeroRates() << "";
        QTest::newRow("two points") << twoPoints << int(Qt::Key_Return) << QStringList()
                                    << "ratebook|Country Bricks Per 1 Nos reads \"1.2.3\", which is not a number.";
        QTest::newRow("bricks times 600") << overflow << int(Qt::Key_Space) << QStringList()
                                          << "ratebook|The result is too large to compute.";
        QTest::newRow("a blank box") << blank << int(Qt::Key_Return) << QStringList()
                                     << "Fill All Text Boxes|Fill All Text Boxes";
    }
    // A second press rebuilds the rows rather than adding to them, and a failure leaves the
    // table empty; cells take their header's alignment.
    void unitCost()
    {
        QFETCH(QStringList, costs);
        QFETCH(int, key);
        QFETCH(QString, message);
        for (int i = 0; i < 9; ++i)
            box(i)->setText(costs[i]);
        auto *unitcost = child<QPushButton>(w, "unitcost");
        QTest::mouseClick(unitcost, Qt::LeftButton);
        unitcost->setFocus();
        QTest::keyClick(unitcost, Qt::Key(key));
        QTEST(tableRows(w), "rows");
        QStringList said;
        for (const auto &m : messages.take())
            said << m.title + '|' + m.prompt;
        QCOMPARE(said, QStringList(message.isEmpty() ? 0 : 2, message));
        const auto *table = child<QTreeWidget>(w, "ListView1");
        if (table->topLevelItemCount())
            QCOMPARE(table->topLevelItem(0)->textAlignment(1) & Qt::AlignHorizontal_Mask, int(Qt::AlignHCenter));
    }

    // The clipboard shortcuts type characters the filter drops; the editing keys still edit.
    void clipboardKeysDropped()
    {
        QLineEdit *sand = box(3);
        QApplication::clipboard()->setText("999");
        QTest::keyClicks(sand, "45");
        sand->selectAll(); // Ctrl+C and Ctrl+X would have something to take, a paste something to replace
        QTest::keySequence(sand, QKeySequence("Ctrl+V, Ctrl+C, Ctrl+X"));
        QCOMPARE(sand->text() + '|' + QApplication::clipboard()->text(), QString("45|999"));
        QTest::keySequence(sand, QKeySequence("Home, Del"));
        QCOMPARE(sand->text(), QString("5"));
    }

    // Modal, question mark, one OK; the keypad's Enter prompts as the main one does.
    void realMessageBox()
    {
        const QString seen = answerMessageBox([this] { QTest::keyClick(box(3), Qt::Key_Enter, Qt::KeypadModifier); });
        QCOMPARE(seen, QStringLiteral("Sand Cost|Enter Cost Of Sand Per Cu.m |%1|1").arg(int(QMessageBox::Question)));
        QTRY_COMPARE(QApplication::focusWidget(), box(3));
    }
};

QTEST_MAIN(tst_DataSheetWindow)
#include "tst_datasheetwindow.moc"
