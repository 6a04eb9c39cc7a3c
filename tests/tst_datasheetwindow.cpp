// The data sheet as a user drives it: each box's key filter, Enter step, blank rule and
// failure message, and rows that are what the analysis gives.
#include "datasheet/unitrates.h"
#include "windowtest.h"

// The boxes in the order of Enter: the caption a failure names, the title and prompt of Enter on it blank.
const char *const Boxes[][3] = {{"cement1", "Cement Per 50 Kg bag", "Cement Cost|Enter Cost Of Cement Per 50 kg "},
    {"MM20", "20mm HBG Chips Per Cu.m", "20 mm Chips Cost|Enter Cost Of 20 mm Chips Per Cu.m "},
    {"MM40", "40mm HBG Metal Per Cu.m", "40 mm Metal Cost|Enter Cost Of 40 mm Metal Per Cu.m "},
    {"SAND", "Sand Per Cum", "Sand Cost|Enter Cost Of Sand Per Cu.m "},
    {"BRICKS", "Country Bricks Per 1 Nos", "Bricks Cost|Enter cost Of Bricks Per No "},
    {"MASON1", "Mason Ist Class", "Mason 1st Labour|Enter Labour Cost Of Mason 1st Class Per No  "},
    {"MASON2", "Mason IInd Class", "Mason 2nd Labour|Enter Labour Cost Of Mason 2nd Class Per No  "},
    {"MANMAZDOOR", "Man Mazdoor", "Manmazdoor Labour|Enter Labour Cost Of Manmazdoor Per No  "},
    {"WOMANMAZDOOR", "Woman Mazdoor", "Womanmazdoor Labour|Enter Labour Cost Of Womanmazdoor Per No  "}};

class tst_DataSheetWindow : public QObject
{
    Q_OBJECT

    QWidget *w = nullptr;
    MessageLog messages;

    QLineEdit *box(int i) { return child<QLineEdit>(w, Boxes[i][0]); }
    void unitCost(const QStringList &costs)
    {
        for (int i = 0; i < costs.size(); ++i)
            box(i)->setText(costs[i]);
        press(w, "unitcost", "&Unit Cost");
    }

private slots:
    void init() { QVERIFY(w = openWindow("datasheet1")); }
    void cleanup() { closeEverything(); QCOMPARE(messages.take(), QStringList()); }

    // Only digits, the point and Backspace get in, not the clipboard keys; another number keeps the rows, blanks
    // clear them; Enter prompts on a blank box, moves on from a filled one; a bad text is named by the box's caption.
    void eachBox()
    {
        const QStringList costs = QString("7 1200 1000 500 3 300 250 150 120").split(' ');
        ratebook::CostTexts texts;
        std::ranges::transform(costs, texts.begin(), &QString::toStdString);
        QApplication::clipboard()->setText("9");
        QCOMPARE(focused(), "cement1");
        for (int i = 0; i < 9; ++i) {
            unitCost(costs);
            QTest::keyClicks(box(i), "4a -,");
            box(i)->selectAll();
            QTest::keySequence(box(i), QKeySequence("Ctrl+C, Ctrl+V, Ctrl+X"));
            QCOMPARE(tableRows(w) << box(i)->text() + QApplication::clipboard()->text(), joined(ratebook::rateTableRows(texts)) << costs[i] + "49");
            box(i)->setText("  ");
            QTest::keyClick(box(i), Qt::Key_Return);
            QCOMPARE(messages.take() << focused() << tableRows(w), (QStringList{Boxes[i][2], Boxes[i][0]}));
            box(i)->selectAll();
            QTest::keyClicks(box(i), "1.2.3");
            QTest::keyClick(box(i), Qt::Key_Enter, Qt::KeypadModifier);
            QCOMPARE(box(i)->text() + focused(), "1.2.3" + QString(i < 8 ? Boxes[i + 1][0] : "unitcost"));
            unitCost({});
            QCOMPARE(messages.take() + tableRows(w), QStringList{"ratebook|" + QString(Boxes[i][1]) + " reads \"1.2.3\", which is not a number."});
        }
    }

    // A second press rebuilds the rows, not adds. Ctrl+C or the menu's Copy puts the header and the rows chosen (none:
    // all) in a spreadsheet's cells or a word processor's table. An overflow leaves no rows; the focus ends on the last blank box.
    void rows()
    {
        unitCost(QString("1 2 3 4 5 6 7 8 9").split(' '));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        auto *t = child<QTreeWidget>(w, "ListView1");
        QStringList shown = tableRows(w), copied{"Description Of Item|Material Cost|Labour Cost|Men & Material Cost"};
        t->setFocus();
        QTest::keyClick(t, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(shown.size(), 10);
        QCOMPARE(QApplication::clipboard()->text(), (copied + shown).join('\n').replace('|', '\t') + '\n');
        for (int row : {5, 1})
            QTest::mouseClick(t->viewport(), Qt::LeftButton, row == 1 ? Qt::ControlModifier : Qt::KeyboardModifiers(), t->visualItemRect(t->topLevelItem(row)).center());
        t->actions()[0]->trigger();
        QTextDocument pasted;
        pasted.setHtml(QApplication::clipboard()->mimeData()->html());
        QCOMPARE(t->actions()[0]->text() + pasted.toPlainText(), "Copy\n" + (copied << shown[1] << shown[5]).join('\n').replace('|', '\n') + '\n');
        unitCost({"1", "1", "1", "1", "4" + QString(305, '0')}); // finite until multiplied by 600
        unitCost({"", "1", "1", "  "});
        QCOMPARE(messages.take() << focused() + tableRows(w).join(""), (QStringList{"ratebook|The result is too large to compute.", "Fill All Text Boxes|Fill All Text Boxes", "SAND"}));
    }

    // Modal, question mark (4), one OK; the focus comes back.
    void realMessageBox()
    {
        QCOMPARE(answerMessageBox([this] { QTest::keyClick(box(3), Qt::Key_Return); }), "Sand Cost|Enter Cost Of Sand Per Cu.m |4|1");
        QTRY_COMPARE(QApplication::focusWidget(), box(3));
    }
};

QTEST_MAIN(tst_DataSheetWindow)
#include "tst_datasheetwindow.moc"
