// The unit-rate analysis without a window: the worked example cell by cell, the order in
// which sums are formed, and which box a failure names.
#include "common/numbertext.h"
#include "datasheet/unitrates.h"
#include "workedexample.h"

#include <QTest>

#include <algorithm>

using namespace ratebook;

static CostTexts costs(const QString &joined)
{
    CostTexts result; // every row gives all nine
    std::ranges::transform(joined.split(' '), result.begin(), &QString::toStdString);
    return result;
}

static QString failure(int box, const QString &text) { return QStringLiteral("box %1 reads %2").arg(box).arg(text); }

class tst_UnitRates : public QObject
{
    Q_OBJECT

private slots:
    void outcome_data()
    {
        QTest::addColumn<QString>("costs");
        QTest::addColumn<QStringList>("expected"); // rows as description|material|labour|total, or the failure
        QTest::newRow("worked example") << ExampleCosts.join(' ') << ExampleRates;
        QTest::newRow("all zero") << "0 0 0 0 0 0 0 0 0" << zeroRates();
        QTest::newRow("two points in bricks") << "1 1 1 1 1.2.3 1 1 1 1" << QStringList{failure(Bricks, "1.2.3")};
        QTest::newRow("lone point in labour") << "1 1 1 1 1 1 1 . 1" << QStringList{failure(ManMazdoor, ".")};
        // Each box is read where first needed (cement first, chips last); an overflow on the way wins.
        QTest::newRow("cement before chips") << ".. 1.. 1 1 1 1 1 1 1" << QStringList{failure(Cement, "..")};
        QTest::newRow("labour before bricks") << "1 1 1 1 .. 1 1 1 1.." << QStringList{failure(WomanMazdoor, "1..")};
        for (const char *c : {"1 1 1 1 4e305 1 1 1 1", "1 1 1 1 1 1 1 1 2e308", "1 1 1 1 1 1 1 1e308 1e308",
                              "1 .. 1 1 4e305 1 1 1 1", "1 1 1 1 1 1 1 1.5e308 1..2"})
            QTest::newRow(c) << QString(c) << QStringList{"too large"};
    }

    void outcome()
    {
        QFETCH(QString, costs);
        QStringList outcome;
        try {
            for (const RateRow &r : rateTableRows(::costs(costs)))
                outcome << QString::fromStdString(r[0] + '|' + r[1] + '|' + r[2] + '|' + r[3]);
        } catch (const NotANumber &e) {
            outcome << failure(e.input(), QString::fromStdString(e.text()));
        } catch (const TooLarge &) {
            outcome << "too large";
        }
        QTEST(outcome, "expected");
    }

    // Doubles are not associative: a rate is its sum formed left to right as the trade writes
    // it, or its last digit can differ. These costs are ones where the other order differs.
    void sumsFormLeftToRight()
    {
        const double bag = 0.37, metal = 935.53, sand = 538.82, m1 = 396.77, m2 = 935.53, man = 538.82, woman = 846.31;
        const auto rates = analyseUnitRates(costs("0.37 0 935.53 538.82 0 396.77 935.53 538.82 846.31"));
        const double c = bag * 28.8, pccLabour = m1 * 0.06 + m2 * 0.14 + man * 1.8 + woman * 1.4;
        QCOMPARE(rates[0].material, metal * 0.92 + sand * 0.46 + c * 0.115);
        QCOMPARE(*rates[0].labour, pccLabour);
        QCOMPARE(*rates[0].total, rates[0].material + pccLabour);
        QCOMPARE(*rates[4].labour, m2 * 0.98 + m1 * 0.42 + man * 0.7 + woman * 2.1);
        QCOMPARE(rates[6].material, (c / 5 + sand) * 0.15);
        QVERIFY(pccLabour != ((woman * 1.4 + man * 1.8) + m2 * 0.14) + m1 * 0.06);
    }

};

QTEST_APPLESS_MAIN(tst_UnitRates)
#include "tst_unitrates.moc"
