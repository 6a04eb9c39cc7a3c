// SPDX-FileCopyrightText: 2026 ratebook developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The data sheet driven as a user drives it.
#include "fixture.h"

class tst_DataSheetWindow : public WindowTest
{
    Q_OBJECT

    QWidget *w = nullptr;

    QLineEdit *cost(const QString &name) { return child<QLineEdit>(w, name); }
    void unitCost(const QStringList &costs)
    {
        for (qsizetype i = 0; i < costs.size(); ++i)
            cost(worked::costBoxes[i])->setText(costs[i]);
        press(w, "unitcost", "&Unit Cost");
    }
    static void costRows()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("asks"); // title|prompt
        QTest::newRow("sand")
            << "SAND" << "Sand Per Cum" << "Sand Cost|Enter Cost Of Sand Per Cu.m ";
        QTest::newRow("bricks") << "BRICKS" << "Country Bricks Per 1 Nos"
                                << "Bricks Cost|Enter cost Of Bricks Per No ";
        QTest::newRow("woman mazdoor") << "WOMANMAZDOOR" << "Woman Mazdoor"
            << "Womanmazdoor Labour|Enter Labour Cost Of Womanmazdoor Per No  ";
    }

private slots:
    void init() { QVERIFY(w = openWindow("datasheet1")); }

    void hints()
    {
        QCOMPARE(child<QGroupBox>(w, "Frame2")->title(), "Cost Of Labour");
        QCOMPARE(child(w, "Frame2")->toolTip(), "Enter The Cost Of Labour At Site.");
        QCOMPARE(child(w, "ListView1")->toolTip(),
                 "Click The UNIT COST Button To Get The Cost Of The Materials Per Cubicmeter.");
    }

    void enterOnABlankCostAsksForIt_data() { costRows(); }
    void enterOnABlankCostAsksForIt()
    {
        QFETCH(QString, box);
        QFETCH(QString, asks);
        cost(box)->setFocus();
        cost(box)->setText("  ");
        QTest::keyClick(cost(box), Qt::Key_Return);
        QCOMPARE(answers.takeMessages(), QStringList{asks});
        QCOMPARE(focused(), box);
    }

    // From the cement, where the window opens, to Unit Cost, adding nothing to a text.
    void enterWalksTheCosts()
    {
        QStringList walked{focused()};
        for (const QString &box : worked::costBoxes) {
            QTest::keyClicks(cost(box), "7");
            QTest::keyClick(cost(box), Qt::Key_Enter, Qt::KeypadModifier);
            QCOMPARE(cost(box)->text(), "7");
            walked << focused();
        }
        QCOMPARE(walked, worked::costBoxes + QStringList{"unitcost"});
    }

    void keyFilter_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("chord");
        QTest::addColumn<QString>("text");
        QTest::newRow("digits and points stand as typed") << "0123456789.." << "" << "0123456789..";
        QTest::newRow("a letter is dropped") << "5a" << "" << "5";
        QTest::newRow("the blank, minus and comma are dropped") << "5 -," << "" << "5";
        QTest::newRow("Backspace deletes") << "56\b" << "" << "5";
        QTest::newRow("Ctrl+V does not paste") << "5" << "Ctrl+V" << "5";
        QTest::newRow("Ctrl+C does not copy") << "5" << "Shift+Home, Ctrl+C" << "5";
    }
    void keyFilter()
    {
        QFETCH(QString, typed);
        QFETCH(QString, chord);
        QApplication::clipboard()->setText("9");
        QTest::keyClicks(cost("MM40"), typed);
        QTest::keySequence(cost("MM40"), QKeySequence(chord));
        QTEST(cost("MM40")->text(), "text");
        QCOMPARE(QApplication::clipboard()->text(), "9");
    }

    void notANumberNamesTheBox_data() { costRows(); }
    void notANumberNamesTheBox()
    {
        QFETCH(QString, box);
        QFETCH(QString, caption);
        unitCost(worked::costs);
        cost(box)->setText("1.2.3");
        press(w, "unitcost", "&Unit Cost");
        const QString said = "ratebook|" + caption + " reads \"1.2.3\", which is not a number.";
        QCOMPARE(answers.takeMessages(), QStringList{said});
        QCOMPARE(tableRows(w), QStringList());
    }

    void aTooLargeResultIsReported()
    {
        QStringList costs = worked::costs;
        costs[4] = "4e305"; // bricks: finite until multiplied by 600
        unitCost(costs);
        const QString said = "ratebook|The result is too large to compute.";
        QCOMPARE(answers.takeMessages(), QStringList{said});
        QCOMPARE(tableRows(w), QStringList());
    }

    void onlyBlanksClearTheRates()
    {
        unitCost(worked::costs);
        cost("SAND")->setText("501");
        QCOMPARE(tableRows(w), worked::rates);
        cost("WOMANMAZDOOR")->setText("   ");
        QCOMPARE(tableRows(w), QStringList());
    }

    // A real box with the question mark (4) and one button; the focus on the last blank.
    void fillAllTextBoxes()
    {
        QStringList costs = worked::costs;
        costs[0] = "";
        costs[3] = "";
        QString seen;
        QTimer::singleShot(0, [&seen] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                seen = box->windowTitle() + '|' + box->text();
                seen += QString("|%1|%2").arg(box->icon()).arg(box->buttons().size());
                box->accept();
            }
        });
        const auto answering = ratebook::kit::setDialogs(answers.real);
        unitCost(costs);
        ratebook::kit::setDialogs(answering);
        QCOMPARE(seen, "Fill All Text Boxes|Fill All Text Boxes|4|1");
        QTRY_COMPARE(focused(), "SAND");
        QCOMPARE(tableRows(w), QStringList());
    }

    void copy_data()
    {
        QTest::addColumn<QList<int>>("chosen");
        QTest::addColumn<bool>("fromMenu");
        QTest::newRow("none chosen, Ctrl+C copies every row") << QList<int>() << false;
        QTest::newRow("Copy in the menu copies the rows chosen") << QList<int>{5, 1} << true;
    }
    // A second Unit Cost rebuilds the rows; they go out under the header.
    void copy()
    {
        QFETCH(QList<int>, chosen);
        QFETCH(bool, fromMenu);
        unitCost(worked::costs);
        QTest::keyClick(child(w, "unitcost"), Qt::Key_Space);
        auto *table = child<QTreeWidget>(w, "ListView1");
        for (int row : chosen)
            table->topLevelItem(row)->setSelected(true);
        QCOMPARE(table->actions().front()->text(), "Copy");
        if (fromMenu)
            table->actions().front()->trigger();
        else
            onTable(w, "Ctrl+C");
        QStringList copied{"Description Of Item\tMaterial Cost\tLabour Cost\tMen & Material Cost"};
        for (int row = 0; row < worked::rates.size(); ++row) {
            if (chosen.isEmpty() || chosen.contains(row))
                copied << QString(worked::rates[row]).replace(" | ", "\t");
        }
        QCOMPARE(QApplication::clipboard()->text(), copied.join('\n') + '\n');
    }
};

QTEST_MAIN(tst_DataSheetWindow)
#include "tst_datasheetwindow.moc"
