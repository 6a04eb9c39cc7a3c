// SPDX-FileCopyrightText: 2026 ratebook developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The extractor driven as a user drives it.
#include "extractor/materials.h"
#include "windowtest.h"

// Each caption: the name a failure gives, the blanks that align the units, the unit.
const char *const Items[] = {"PCC (1:4:8) mix|50|(Cum )", "PCC (1:5:10) mix|49|(Cum)", "RCC (1:2:4) mix|51|(Cum)",
    "RCC (1:1.5:3)|54|(Cum)", "Brick Masonary With CM (1:4) mix|22|(Cum)", "Brick Masonary With CM (1:5) mix|22|(Cum)",
    "Brick Masonary With CM (1:6) mix|22|(Cum)", "Brick Masonary With CM (1:8) mix|22|(Cum)",
    "Plastering with CM (1:3) Mix, 12  mm Thick|9|(Sqm)", "Plastering with CM (1:3) Mix, 20 mm Thick|10|(Sqm)",
    "Plastering with CM (1:5) Mix, 12 mm Thick|10|(Sqm)", "Plastering with CM (1:5) Mix, 20 mm Thick|10|(Sqm)"};

class tst_ExtractorWindow : public QObject
{
    Q_OBJECT

    QWidget *w = nullptr;
    MessageLog messages;
    const QStringList locked = QStringList(12, "0 closed ticked");

    QCheckBox *tick(int i) { return child<QCheckBox>(w, "Check" + QString::number(i)); }
    QLineEdit *box(int i) { return child<QLineEdit>(w, "Text" + QString::number(i)); }
    void type(int i, const char *keys) { QTest::keySequence(box(i), QKeySequence(keys)); }
    // Each box's text, " closed" if locked, " ticked"; then the focus.
    QStringList items()
    {
        QStringList shown;
        for (int i = 1; i <= 12; ++i)
            shown << box(i)->text() + (box(i)->isEnabled() ? "" : " closed") + (tick(i)->isChecked() ? " ticked" : "");
        return shown << focused();
    }
    // The table is what the computation gives for the boxes.
    void computed()
    {
        ratebook::QuantityTexts texts;
        for (int i = 0; i < 12; ++i)
            texts[i] = box(i + 1)->text().toStdString();
        QCOMPARE(tableRows(w), joined(ratebook::materialTableRows(texts)));
    }

private slots:
    void init() { QVERIFY(w = openWindow("Form17")); }
    void cleanup() { closeEverything(); QCOMPARE(messages.take(), QStringList()); }

    // Unticked, a box opens with the focus; a bad text empties the table; emptied or blank it holds "0" again.
    void eachItem()
    {
        for (int i = 1; i <= 12; ++i) {
            const QStringList caption = QString(Items[i - 1]).split('|');
            QCOMPARE(tick(i)->text(), caption[0] + QString(caption[1].toInt(), ' ') + caption[2]);
            QTest::mouseClick(tick(i), Qt::LeftButton);
            type(i, "Ctrl+A, 2, 5, x");
            QCOMPARE(messages.take() << items()[i - 1] + items()[12] << tableRows(w),
                     (QStringList{"ratebook|" + caption[0] + " reads \"25x\", which is not a number.", "25xText" + QString::number(i)}));
            for (const char *keys : {"Backspace", "Backspace, Backspace", "4, Ctrl+A, Space"})
                type(i, keys), computed();
            QCOMPARE(items()[i - 1] + items()[12], "0Text" + QString::number(i));
            type(i, "7");
            QTest::mouseClick(tick(i), Qt::LeftButton);
            QCOMPARE(items().mid(0, 12), locked);
            computed();
        }
    }

    // Enable All opens all, empties the table, the focus in the last box opened; Disable All locks all at "0".
    void allAtOnce()
    {
        QCOMPARE(items() << child<QGroupBox>(w, "Frame1")->title(), locked + QStringList({"Command1", "Material Listing"}));
        computed();
        auto *t = child<QTreeWidget>(w, "ListView1");
        t->setFocus();
        QTest::keyClick(t, Qt::Key_C, Qt::ControlModifier); // the header goes out with the rows
        QCOMPARE(QApplication::clipboard()->text().section('\n', 0, 0), "40 MM METAL\t20 MM CHIPS\tBRICKS\tCEMENT\tSAND");
        press(w, "Command3", "&Enable All");
        QCOMPARE(items() + tableRows(w), QStringList(12, "0") << "Text12");
        press(w, "Command3", "&Enable All"); // none left to open: the focus stays
        QCOMPARE(focused(), "Command3");
        press(w, "Command1", "&Get Material");
        computed();
        press(w, "desiable", "&Disable All");
        QCOMPARE(items() + tableRows(w), locked + QStringList{"desiable"});
    }

    // A key on item 1's tick opens its box though ticked, and its text counts; a real box (icon 4: question).
    void itemOnesKey()
    {
        QTest::keyClick(tick(1), Qt::Key_A);
        type(1, "6");
        QCOMPARE(items().mid(0, 2), (QStringList{"06 ticked", "0 closed ticked"}));
        computed();
        QTest::keyClick(tick(1), Qt::Key_Space);
        QCOMPARE(answerMessageBox([this] { type(1, "x"); }), "ratebook|PCC (1:4:8) mix reads \"06x\", which is not a number.|4|1");
        QTRY_COMPARE(focused(), "Text1");
    }
};

QTEST_MAIN(tst_ExtractorWindow)
#include "tst_extractorwindow.moc"
