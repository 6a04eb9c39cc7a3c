// SPDX-FileCopyrightText: 2026 ratebook developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The data sheet driven as a user drives it.
#include "datasheet/unitrates.h"
#include "windowtest.h"

// The boxes in the order of Enter: the caption a failure gives, the message of Enter on it blank.
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

    // Only digits, the point and Backspace get in; blanks clear the rows; Enter asks for a blank box, leaves a filled one.
    void eachBox()
    {
        const QStringList costs = QString("7 1200 1000 500 3 300 250 150 120").split(' ');
        ratebook::CostTexts texts;
        std::ranges::transform(costs, texts.begin(), &QString::toStdString);
        QApplication::clipboard()->setText("9");
        QCOMPARE(QStringList({focused(), child<QGroupBox>(w, "Frame1")->title(), child(w, "Frame1")->toolTip(), child<QGroupBox>(w, "Frame2")->title(),
                              child(w, "Frame2")->toolTip(), child(w, "ListView1")->toolTip()}).join('|'), "cement1|Cost Of Materials|Enter The Cost Of "
                 "Materials At Site.|Cost Of Labour|Enter The Cost Of Labour At Site.|Click The UNIT COST Button To Get The Cost Of The Materials Per Cubicmeter.");
        for (int i = 0; i < 9; ++i) {
            unitCost(costs);
            QTest::keyClicks(box(i), "409.a -,5\b");
            box(i)->selectAll();
            QTest::keySequence(box(i), QKeySequence("Ctrl+C, Ctrl+V, Ctrl+X"));
            QCOMPARE(tableRows(w) << box(i)->text() + QApplication::clipboard()->text(), joined(ratebook::rateTableRows(texts)) << costs[i] + "409.9");
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

    // A second press rebuilds the rows; Copy takes the header and the rows chosen (none: all). A real box (icon 4:
    // question) asks to fill all boxes, and leaves the focus on the last blank one.
    void rows()
    {
        unitCost(QString("1 2 3 4 5 6 7 8 9").split(' '));
        QTest::keyClick(child(w, "unitcost"), Qt::Key_Space);
        auto *t = child<QTreeWidget>(w, "ListView1");
        QStringList shown = tableRows(w), copied{"Description Of Item\tMaterial Cost\tLabour Cost\tMen & Material Cost"};
        t->setFocus();
        QTest::keyClick(t, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text(), (copied + shown).join('\n').replace('|', '\t') + '\n');
        t->topLevelItem(5)->setSelected(true);
        t->topLevelItem(1)->setSelected(true);
        t->actions()[0]->trigger();
        QCOMPARE(t->actions()[0]->text() + QApplication::clipboard()->text(), "Copy" + (copied << shown[1] << shown[5]).join('\n').replace('|', '\t') + '\n');
        unitCost({"1", "1", "1", "1", "4e305"}); // finite until multiplied by 600
        QCOMPARE(messages.take() << QString::number(shown.size()) + tableRows(w).join(""), (QStringList{"ratebook|The result is too large to compute.", "10"}));
        box(0)->clear();
        box(3)->setText("  ");
        QCOMPARE(answerMessageBox([this] { press(w, "unitcost", "&Unit Cost"); }), "Fill All Text Boxes|Fill All Text Boxes|4|1");
        QTRY_COMPARE(focused(), "SAND");
    }
};

QTEST_MAIN(tst_DataSheetWindow)
#include "tst_datasheetwindow.moc"
