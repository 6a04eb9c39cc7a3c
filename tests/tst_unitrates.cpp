// The unit-rate analysis without a window: the worked example cell by cell, the order in
// which sums are formed, and which box a failure names.
#include "common/numbertext.h"
#include "datasheet/unitrates.h"
#include "workedexample.h"

#include <QTest>

using namespace ratebook;

static CostTexts costs(const QString &joined)
{
    CostTexts result;
    const QStringList texts = joined.split(' ');
    for (std::size_t i = 0; i < result.size(); ++i)
        result[i] = texts.value(qsizetype(i)).toStdString();
    return result;
}

class tst_UnitRates : public QObject
{
    Q_OBJECT

private slots:
    void table_data();
    void table();
    void sumsFormLeftToRight();
    void failures_data();
    void failures();
};

void tst_UnitRates::table_data()
{
    QTest::addColumn<QString>("costs");
    QTest::addColumn<QStringList>("rows"); // description|material|labour|total
    QTest::newRow("worked example") << ExampleCosts.join(' ') << ExampleRates;
    QTest::newRow("all zero") << "0 0 0 0 0 0 0 0 0" << zeroRates();
}

void tst_UnitRates::table()
{
    QFETCH(QString, costs);
    QStringList rows;
    for (const RateRow &r : rateTableRows(::costs(costs)))
        rows << QString::fromStdString(r.description + '|' + r.material + '|' + r.labour + '|' + r.total);
    QTEST(rows, "rows");
}

// Doubles are not associative: a rate is its sum formed left to right as the trade writes
// it, or its last digit can differ. These costs are ones where the other order differs.
void tst_UnitRates::sumsFormLeftToRight()
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

void tst_UnitRates::failures_data()
{
    QTest::addColumn<QString>("costs");
    QTest::addColumn<int>("input"); // -1: too large
    QTest::newRow("two points in bricks") << "1 1 1 1 1.2.3 1 1 1 1" << int(Bricks);
    QTest::newRow("lone point in labour") << "1 1 1 1 1 1 1 . 1" << int(ManMazdoor);
    // Each box is read where the analysis first needs it: cement first, chips last.
    QTest::newRow("cement before chips") << ".. 1.. 1 1 1 1 1 1 1" << int(Cement);
    QTest::newRow("labour before bricks") << "1 1 1 1 .. 1 1 1 1.." << int(WomanMazdoor);
    QTest::newRow("brick cost times 600") << "1 1 1 1 4e305 1 1 1 1" << -1;
    QTest::newRow("cost beyond a double") << "1 1 1 1 1 1 1 1 2e308" << -1;
    QTest::newRow("total overflows") << "1 1 1 1 1 1 1 1e308 1e308" << -1;
    QTest::newRow("overflow before a later bad box") << "1 .. 1 1 4e305 1 1 1 1" << -1;
    QTest::newRow("man mazdoor overflows before woman's is read") << "1 1 1 1 1 1 1 1.5e308 1..2" << -1;
}

void tst_UnitRates::failures()
{
    QFETCH(QString, costs);
    QFETCH(int, input);
    try {
        rateTableRows(::costs(costs));
        QFAIL("the analysis did not fail");
    } catch (const NotANumber &e) {
        QCOMPARE(e.input(), input);
        QCOMPARE(QString::fromStdString(e.text()), costs.split(' ').at(input));
    } catch (const TooLarge &) {
        QCOMPARE(input, -1);
    }
}

QTEST_APPLESS_MAIN(tst_UnitRates)
#include "tst_unitrates.moc"
