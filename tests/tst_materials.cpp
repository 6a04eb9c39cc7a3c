// SPDX-FileCopyrightText: 2026 ratebook developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The material table, cell by cell, and which item a failure names.
#include "extractor/materials.h"
#include "worked.h"

#include <QTest>

using namespace ratebook;

class tst_Materials : public QObject
{
    Q_OBJECT

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
        const QuantityTexts typed = texts<WorkItemCount>(quantities.split(' '));
        QTEST(joined(materialTableRows(typed)), "rows");
    }

    void firstFailure_data()
    {
        QTest::addColumn<QString>("quantities");
        QTest::addColumn<QString>("fails"); // its input counts the items from 0
        // The sums read item 6 before item 5, and the chips (items 4, 3) before the bricks.
        const QString notANumber = "input %1 is not a number";
        QTest::newRow("item 6 before item 5") << "0 0 0 0 a b 0 0 0 0 0 0" << notANumber.arg(5);
        QTest::newRow("item 3 before item 8") << "0 0 5b 0 0 0 0 a 0 0 0 0" << notANumber.arg(2);
        QTest::newRow("an overflow met first wins") << "0 0 0 0 x 4e305 0 0 0 0 0 0" << "too large";
    }
    void firstFailure()
    {
        QFETCH(QString, quantities);
        const QuantityTexts typed = texts<WorkItemCount>(quantities.split(' '));
        QTEST(outcome([&typed] { return QString::number(materialTotals(typed).cement); }), "fails");
    }
};

QTEST_APPLESS_MAIN(tst_Materials)
#include "tst_materials.moc"
