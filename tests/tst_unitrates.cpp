// SPDX-FileCopyrightText: 2026 ratebook developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The rate table of the worked example, cell by cell.
#include "common/numbertext.h"
#include "datasheet/unitrates.h"

#include <QTest>

using namespace ratebook;

class tst_UnitRates : public QObject
{
    Q_OBJECT

private slots:
    void workedExample()
    {
        QStringList rows;
        for (const RateRow &r : rateTableRows({"250", "1200", "1000", "500", "3", "300", "250", "150", "120"}))
            rows << QString::fromStdString(r[0] + '|' + r[1] + '|' + r[2] + '|' + r[3]);
        QCOMPARE(rows, (QStringList{"PCC (1:4:8) Mix/Cu.m|1978.00|491.00|2469.00", "PCC (1:5:10) Mix/Cu.m|1812.40|491.00|2303.40",
            "Brick Masonary With CM(1:5) Mix/Cu.m|2537.20|962.00|3499.20", "Brick Masonary With CM(1:6) Mix/Cu.m|2446.00|962.00|3408.00",
            "Brick Masonary With CM(1:8) Mix/Cu.m|2332.00|728.00|3060.00", "RCC (1:2:4) Mix/Cu.m|2990.00||",
            "Wall Plastering With CM(1:5) Mix/10 Sq.m -- 12 mm Tk|291.00|482.00|773.00",
            "Wall Plastering With CM(1:5) Mix/10 Sq.m -- 20 mm Tk|407.40|1009.00|1416.40",
            "Ceiling Plastering With CM(1:3) Mix/10 Sq.m -- 12 mm Tk|435.00|482.00|917.00",
            "Ceiling Plastering With CM(1:3) Mix/10 Sq.m -- 20 mm Tk|609.00|1009.00|1618.00"}));
    }

    // Of two bad boxes the one read first is named; an overflow met before either wins (-1).
    void firstFailure()
    {
        for (auto [texts, box] : {std::pair{".. 1.. 1 1 1 1 1 1 1", 0}, {"1 1 1 1 .. 1 1 1 1..", 8}, {"1 .. 1 1 4e305 1 1 1 1", -1}}) {
            CostTexts read;
            std::ranges::transform(QString(texts).split(' '), read.begin(), &QString::toStdString);
            try {
                QFAIL((rateTableRows(read), texts));
            } catch (const ComputeError &e) {
                QCOMPARE(dynamic_cast<const NotANumber *>(&e) ? dynamic_cast<const NotANumber *>(&e)->input() : -1, box);
            }
        }
    }
};

QTEST_APPLESS_MAIN(tst_UnitRates)
#include "tst_unitrates.moc"
