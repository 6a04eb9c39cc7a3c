// SPDX-FileCopyrightText: 2026 ratebook developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The rate table of the worked example, and which box a failure names.
#include "datasheet/unitrates.h"
#include "worked.h"

#include <QTest>

using namespace ratebook;

class tst_UnitRates : public QObject
{
    Q_OBJECT

private slots:
    void workedExample()
    {
        QCOMPARE(joined(rateTableRows(texts<CostInputCount>(worked::costs))), worked::rates);
    }

    void firstFailure_data()
    {
        QTest::addColumn<QString>("costs"); // in the order of the boxes
        QTest::addColumn<QString>("fails");
        QTest::newRow("cement before chips") << ".. 1.. 1 1 1 1 1 1 1" << "input 0 is not a number";
        QTest::newRow("the labour before the bricks")
            << "1 1 1 1 .. 1 1 1 1.." << "input 8 is not a number";
        QTest::newRow("bricks overflow before chips are read")
            << "1 .. 1 1 4e305 1 1 1 1" << "too large";
    }
    void firstFailure()
    {
        QFETCH(QString, costs);
        const CostTexts typed = texts<CostInputCount>(costs.split(' '));
        QTEST(outcome([&typed] { return joined(rateTableRows(typed)).join('\n'); }), "fails");
    }
};

QTEST_APPLESS_MAIN(tst_UnitRates)
#include "tst_unitrates.moc"
