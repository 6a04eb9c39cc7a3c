// SPDX-FileCopyrightText: 2026 ratebook developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The material table, cell by cell, and which item a failure names.
#include "common/numbertext.h"
#include "extractor/materials.h"
#include "worked.h"

#include <QTest>

using namespace ratebook;

class tst_Materials : public QObject
{
    Q_OBJECT

    static QuantityTexts quantityTexts(const QString &texts)
    {
        QuantityTexts quantities;
        std::ranges::transform(texts.split(' '), quantities.begin(), &QString::toStdString);
        return quantities;
    }

private slots:
    void rows_data()
    {
        QTest::addColumn<QString>("quantities"); // items 1 to 12
        QTest::addColumn<QStringList>("rows");
        // Every item at a quantity of its own, so that every factor shows.
        QTest::newRow("all twelve") << "11 13 17 19 23 29 31 37 410 430 470 530" << QStringList{
            "22.08 (Cu.m) | 33.12 (Cu.m) | 72000.00 (Nos) | 28.32 (Cu.m) | 84.00 (Cu.m)",
            " |  |  | 815.58 (50 Kg. Bags) | ",
            "779.64 (Cft) | 1169.47 (Cft) |  | 999.94 (Cft) | 2965.97 (Cft)"};
        QTest::newRow("volumes padded to two digits") << "10 0 0 0 0 0 0 0 0 0 0 0" << QStringList{
            "09.20 (Cu.m) | 00.00 (Cu.m) | 00.00 (Nos) | 01.15 (Cu.m) | 04.60 (Cu.m)",
            " |  |  | 33.12 (50 Kg. Bags) | ",
            "324.85 (Cft) | 00.00 (Cft) |  | 40.61 (Cft) | 162.43 (Cft)"};
        QTest::newRow("bags keep one integer digit") << "10 -10 0 0 0 0 0 0 0 0 0 0" << QStringList{
            "00.00 (Cu.m) | 00.00 (Cu.m) | 00.00 (Nos) | 00.23 (Cu.m) | 00.00 (Cu.m)",
            " |  |  | 6.62 (50 Kg. Bags) | ",
            "00.00 (Cft) | 00.00 (Cft) |  | 08.12 (Cft) | 00.00 (Cft)"};
    }
    void rows()
    {
        QFETCH(QString, quantities);
        QTEST(joined(materialTableRows(quantityTexts(quantities))), "rows");
    }

    void firstFailure_data()
    {
        QTest::addColumn<QString>("quantities");
        QTest::addColumn<int>("named"); // the item; 0 for too large
        // The sums read item 6 before item 5, and the chips (items 4, 3) before the bricks.
        QTest::newRow("item 6 before item 5") << "0 0 0 0 a b 0 0 0 0 0 0" << 6;
        QTest::newRow("item 3 before item 8") << "0 0 5b 0 0 0 0 a 0 0 0 0" << 3;
        QTest::newRow("an overflow met first wins") << "0 0 0 0 x 4e305 0 0 0 0 0 0" << 0;
    }
    void firstFailure()
    {
        QFETCH(QString, quantities);
        QFETCH(int, named);
        try {
            materialTotals(quantityTexts(quantities));
            QFAIL("worked out");
        } catch (const NotANumber &e) {
            QCOMPARE(e.input() + 1, named);
        } catch (const TooLarge &) {
            QCOMPARE(0, named);
        }
    }
};

QTEST_APPLESS_MAIN(tst_Materials)
#include "tst_materials.moc"
