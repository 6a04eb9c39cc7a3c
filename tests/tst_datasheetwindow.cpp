// The data sheet as a user drives it: the Enter step and the failure message of every box,
// the key filter, the rules for blank boxes, and the rows, which are what the analysis gives.
#include "datasheet/unitrates.h"
#include "windowtest.h"
#include "workedexample.h"

// The boxes in the order of Enter: each with the caption a failure names it by, and the
// title and prompt of Enter on it blank.
const struct { const char *name, *caption, *message; } Boxes[] = {
    {"cement1", "Cement Per 50 Kg bag", "Cement Cost|Enter Cost Of Cement Per 50 kg "},
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

    QLineEdit *box(int i) { return child<QLineEdit>(w, Boxes[i].name); }
    QString focused() { return QApplication::focusWidget()->objectName(); }
    void fill(const QStringList &costs)
    {
        for (int i = 0; i < 9; ++i)
            box(i)->setText(costs[i]);
    }
    void unitCost() { press(w, "unitcost", "&Unit Cost"); }
    static QStringList rates(const QStringList &costs)
    {
        ratebook::CostTexts texts;
        std::ranges::transform(costs, texts.begin(), &QString::toStdString);
        return joined(ratebook::rateTableRows(texts));
    }

private slots:
    void init() { QVERIFY(w = openWindow("datasheet1")); }
    void cleanup() { closeEverything(); QCOMPARE(messages.take(), QStringList()); }

    // The columns are W/2, W/6, W/6 and W/3.55 of the list's 10815 twips: the last reaches past it.
    void opening()
    {
        QCOMPARE(w->windowTitle() + '|' + focused(), "Rate Book|cement1");
        const auto *table = child<QTreeWidget>(w, "ListView1");
        QStringList shown{table->toolTip()};
        for (int c = 0; c < table->columnCount(); ++c)
            shown << table->headerItem()->text(c) + '=' + QString::number(table->columnWidth(c));
        for (const QGroupBox *frame : w->findChildren<QGroupBox *>())
            shown << frame->title() + ": " + frame->toolTip();
        QCOMPARE(shown, (QStringList{"Click The UNIT COST Button To Get The Cost Of The Materials Per Cubicmeter.",
            "Description Of Item=361", "Material Cost=120", "Labour Cost=120", "Men & Material Cost=203",
            "Cost Of Materials: Enter The Cost Of Materials At Site.", "Cost Of Labour: Enter The Cost Of Labour At Site."}));
    }

    // Enter in a blank box prompts and keeps the focus there; in a filled one it adds nothing and moves on
    // (from the last box to Unit Cost). A text that is no number is reported by the box's caption.
    void eachBox()
    {
        for (int i = 0; i < 9; ++i) {
            fill(ExampleCosts);
            box(i)->setText(" ");
            QTest::keyClick(box(i), Qt::Key_Return);
            QCOMPARE(messages.take(), QStringList{Boxes[i].message});
            QCOMPARE(focused(), Boxes[i].name);
            QTest::keyClicks(box(i), "\b1.2.3");
            QTest::keyClick(box(i), Qt::Key_Enter, Qt::KeypadModifier);
            QCOMPARE(box(i)->text() + '|' + focused(), "1.2.3|" + QString(i < 8 ? Boxes[i + 1].name : "unitcost"));
            unitCost();
            QCOMPARE(messages.take(), QStringList{QStringLiteral("ratebook|%1 reads \"1.2.3\", which is not a number.").arg(Boxes[i].caption)});
            QCOMPARE(tableRows(w), QStringList());
        }
    }

    // A second press, by key, rebuilds the rows rather than adding to them; cells take their header's alignment.
    void rows()
    {
        fill(ExampleCosts);
        unitCost();
        child<QWidget>(w, "unitcost")->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(tableRows(w), rates(ExampleCosts));
        QCOMPARE(child<QTreeWidget>(w, "ListView1")->topLevelItem(0)->textAlignment(2) & Qt::AlignHCenter, int(Qt::AlignHCenter));
        box(4)->setText("4" + QString(305, '0')); // finite until multiplied by 600
        unitCost();
        QCOMPARE(messages.take(), QStringList{"ratebook|The result is too large to compute."});
        QCOMPARE(tableRows(w), QStringList());
    }

    // A box emptied, or holding only blanks, clears the rows; another number keeps them. With several boxes
    // blank, Unit Cost only asks for them all, and the focus ends on the last blank one.
    void blankBoxes()
    {
        for (const auto &[edit, left] : {std::pair("End, Backspace, Backspace", 0), std::pair("Home, Del", 10), std::pair("", 0)}) {
            fill(ExampleCosts);
            unitCost();
            box(3)->setText("12");
            box(3)->setFocus();
            *edit ? QTest::keySequence(box(3), QKeySequence(edit)) : box(3)->setText("  "); // as pasted
            QCOMPARE(tableRows(w).size(), left);
        }
        box(0)->clear();
        box(7)->setFocus();
        unitCost();
        QCOMPARE(messages.take(), QStringList{"Fill All Text Boxes|Fill All Text Boxes"});
        QCOMPARE(focused(), "SAND");
    }

    // Only digits, the point and Backspace reach a box: the clipboard keys neither paste nor take anything.
    void keyFilter()
    {
        QApplication::clipboard()->setText("999");
        QTest::keyClicks(box(3), "4a -,5.x");
        box(3)->selectAll();
        QTest::keySequence(box(3), QKeySequence("Ctrl+V, Ctrl+C, Ctrl+X"));
        QCOMPARE(box(3)->text() + '|' + QApplication::clipboard()->text(), "45.|999");
    }

    // Modal, question mark, one OK; the focus comes back to the box.
    void realMessageBox()
    {
        const QString seen = answerMessageBox([this] { QTest::keyClick(box(3), Qt::Key_Return); });
        QCOMPARE(seen, QStringLiteral("Sand Cost|Enter Cost Of Sand Per Cu.m |%1|1").arg(int(QMessageBox::Question)));
        QTRY_COMPARE(QApplication::focusWidget(), box(3));
    }
};

QTEST_MAIN(tst_DataSheetWindow)
#include "tst_datasheetwindow.moc"
