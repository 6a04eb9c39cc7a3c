// SPDX-FileCopyrightText: 2026 ratebook developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The extractor driven as a user drives it; the rows it shows are the computation's.
#include "extractor/materials.h"
#include "fixture.h"

class tst_ExtractorWindow : public WindowTest
{
    Q_OBJECT

    QWidget *w = nullptr;

    QCheckBox *tick(int item) { return child<QCheckBox>(w, QString("Check%1").arg(item)); }
    QLineEdit *box(int item) { return child<QLineEdit>(w, QString("Text%1").arg(item)); }
    void type(int item, const QString &keys) { QTest::keySequence(box(item), QKeySequence(keys)); }
    // Each item's text, then whether its box is locked and its tick set.
    QStringList items()
    {
        QStringList all;
        for (int n = 1; n <= 12; ++n) {
            all << box(n)->text() + (box(n)->isEnabled() ? "" : " locked")
                       + (tick(n)->isChecked() ? " ticked" : "");
        }
        return all;
    }
    QStringList computed()
    {
        ratebook::QuantityTexts texts;
        for (int n = 1; n <= 12; ++n)
            texts[n - 1] = box(n)->text().toStdString();
        return joined(ratebook::materialTableRows(texts));
    }

private slots:
    void init() { QVERIFY(w = openWindow("Form17")); }

    void opensWithEveryItemLockedAtZero()
    {
        QCOMPARE(child<QGroupBox>(w, "Frame1")->title(), "Material Listing");
        QCOMPARE(items(), QStringList(12, "0 locked ticked"));
        QCOMPARE(tableRows(w), computed());
        QCOMPARE(focused(), "Command1");
        onTable(w, "Ctrl+C");
        const QString header = QApplication::clipboard()->text().section('\n', 0, 0);
        QCOMPARE(header, "40 MM METAL\t20 MM CHIPS\tBRICKS\tCEMENT\tSAND");
        QCOMPARE(tick(1)->text(), "PCC (1:4:8) mix" + QString(50, ' ') + "(Cum )");
    }

    void eachItem_data()
    {
        QTest::addColumn<int>("item");
        for (int n = 1; n <= 12; ++n)
            QTest::addRow("item %d", n) << n;
    }
    // Unticked, its box opens with the focus and an emptied box holds "0"; ticked, locked.
    void eachItem()
    {
        QFETCH(int, item);
        QTest::mouseClick(tick(item), Qt::LeftButton);
        QCOMPARE(items()[item - 1], "0");
        QCOMPARE(focused(), box(item)->objectName());
        type(item, "Shift+Home, 2, 5");
        QCOMPARE(box(item)->text(), "25");
        QCOMPARE(tableRows(w), computed());
        type(item, "Shift+Home, Space");
        QCOMPARE(items()[item - 1], "0");
        QCOMPARE(focused(), box(item)->objectName());
        QTest::mouseClick(tick(item), Qt::LeftButton);
        QCOMPARE(items(), QStringList(12, "0 locked ticked"));
        QCOMPARE(tableRows(w), computed());
    }

    void notANumber_data()
    {
        QTest::addColumn<int>("item");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("said");
        QTest::addColumn<QString>("mend");
        QTest::newRow("a letter after a number") << 3 << "2, 5, x"
            << "RCC (1:2:4) mix reads \"025x\", which is not a number." << "Backspace";
        QTest::newRow("a lone minus on the way to a negative") << 9 << "Shift+Home, -"
            << "Plastering with CM (1:3) Mix, 12  mm Thick reads \"-\", which is not a number."
            << "4";
    }
    void notANumber()
    {
        QFETCH(int, item);
        QFETCH(QString, keys);
        QFETCH(QString, said);
        QFETCH(QString, mend);
        QTest::mouseClick(tick(item), Qt::LeftButton);
        type(item, keys);
        QCOMPARE(answers.takeMessages(), QStringList{"ratebook|" + said});
        QCOMPARE(tableRows(w), QStringList());
        type(item, mend);
        QCOMPARE(tableRows(w), computed());
    }

    // Both empty the table till a text changes; Enable All leaves the focus in its last box.
    void enableAndDisableAll()
    {
        press(w, "Command3", "&Enable All");
        QCOMPARE(items(), QStringList(12, "0"));
        QCOMPARE(tableRows(w), QStringList());
        QCOMPARE(focused(), "Text12");
        press(w, "Command3", "&Enable All");
        QCOMPARE(focused(), "Command3");
        press(w, "Command1", "&Get Material");
        QCOMPARE(tableRows(w), computed());
        press(w, "desiable", "&Disable All");
        QCOMPARE(tableRows(w), QStringList());
        press(w, "Command3", "&Enable All");
        for (int item : {2, 7})
            type(item, "Backspace, 8");
        press(w, "desiable", "&Disable All");
        QCOMPARE(items(), QStringList(12, "0 locked ticked"));
        QCOMPARE(tableRows(w), computed());
    }
};

QTEST_MAIN(tst_ExtractorWindow)
#include "tst_extractorwindow.moc"
