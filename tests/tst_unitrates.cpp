// SPDX-FileCopyrightText: 2026 ratebook developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The rate table of the worked example, and which box a failure names.
#include "common/numbertext.h"
#include "datasheet/unitrates.h"
#include "worked.h"

#include <QTest>

using namespace ratebook;

namespace {

CostTexts costTexts(const QStringList &texts)
{
    CostTexts costs;
    std::ranges::transform(texts, costs.begin(), &QString::toStdString);
    return costs;
}

} // namespace

class tst_UnitRates : public QObject
{
    Q_OBJECT

private slots:
    void workedExample()
    {
        QCOMPARE(joined(rateTableRows(costTexts(worked::costs))), worked::rates);
    }

    void firstFailure_data()
    {
        QTest::addColumn<QString>("costs"); // in the order of the boxes
        QTest::addColumn<int>("named");     // the box named; -1 for too large
        QTest::newRow("cement before chips") << ".. 1.. 1 1 1 1 1 1 1" << 0;
        QTest::newRow("the labour before the bricks") << "1 1 1 1 .. 1 1 1 1.." << 8;
        QTest::newRow("bricks overflow before chips are read") << "1 .. 1 1 4e305 1 1 1 1" << -1;
    }
    void firstFailure()
    {
        QFETCH(QString, costs);
        QFETCH(int, named);
        try {
            rateTableRows(costTexts(costs.split(' ')));
            QFAIL("worked out");
        } catch (const NotANumber &e) {
            QCOMPARE(e.input(), named);
        } catch (const TooLarge &) {
            QCOMPARE(-1, named);
        }
    }
};

QTEST_APPLESS_MAIN(tst_UnitRates)
#include "tst_unitrates.moc"
