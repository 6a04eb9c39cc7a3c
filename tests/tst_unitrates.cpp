// The unit-rate analysis without a window: the worked example cell by cell, the order in
// which sums are formed, and which box a failure names.
#include "common/numbertext.h"
#include "datasheet/unitrates.h"

#include <QTest>

using namespace ratebook;

namespace {

CostTexts costs(std::initializer_list<const char *> texts)
{
    CostTexts result;
    std::copy(texts.begin(), texts.end(), result.begin());
    return result;
}

const CostTexts Example = costs({"250", "1200", "1000", "500", "3", "300", "250", "150", "120"});

} // namespace

class tst_UnitRates : public QObject
{
    Q_OBJECT

private slots:
    void workedExample_data();
    void workedExample();
    void allZero();
    void sumsFormLeftToRight();
    void failures_data();
    void failures();
};

void tst_UnitRates::workedExample_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("description");
    QTest::addColumn<QString>("material");
    QTest::addColumn<QString>("labour");
    QTest::addColumn<QString>("total");
    QTest::newRow("1 PCC 1:4:8") << 0 << "PCC (1:4:8) Mix/Cu.m" << "1978.00" << "491.00" << "2469.00";
    QTest::newRow("2 PCC 1:5:10") << 1 << "PCC (1:5:10) Mix/Cu.m" << "1812.40" << "491.00" << "2303.40";
    QTest::newRow("3 masonry 1:5") << 2 << "Brick Masonary With CM(1:5) Mix/Cu.m" << "2537.20" << "962.00" << "3499.20";
    QTest::newRow("4 masonry 1:6") << 3 << "Brick Masonary With CM(1:6) Mix/Cu.m" << "2446.00" << "962.00" << "3408.00";
    QTest::newRow("5 masonry 1:8") << 4 << "Brick Masonary With CM(1:8) Mix/Cu.m" << "2332.00" << "728.00" << "3060.00";
    QTest::newRow("6 RCC, material only") << 5 << "RCC (1:2:4) Mix/Cu.m" << "2990.00" << "" << "";
    QTest::newRow("7 wall 12 mm") << 6 << "Wall Plastering With CM(1:5) Mix/10 Sq.m -- 12 mm Tk" << "291.00" << "482.00" << "773.00";
    QTest::newRow("8 wall 20 mm") << 7 << "Wall Plastering With CM(1:5) Mix/10 Sq.m -- 20 mm Tk" << "407.40" << "1009.00" << "1416.40";
    QTest::newRow("9 ceiling 12 mm") << 8 << "Ceiling Plastering With CM(1:3) Mix/10 Sq.m -- 12 mm Tk" << "435.00" << "482.00" << "917.00";
    QTest::newRow("10 ceiling 20 mm") << 9 << "Ceiling Plastering With CM(1:3) Mix/10 Sq.m -- 20 mm Tk" << "609.00" << "1009.00" << "1618.00";
}

void tst_UnitRates::workedExample()
{
    QFETCH(int, row);
    const RateRow r = rateTableRows(Example).at(std::size_t(row));
    QTEST(QString::fromStdString(r.description), "description");
    QTEST(QString::fromStdString(r.material), "material");
    QTEST(QString::fromStdString(r.labour), "labour");
    QTEST(QString::fromStdString(r.total), "total");
}

void tst_UnitRates::allZero()
{
    const auto rows = rateTableRows(costs({"0", "0", "0", "0", "0", "0", "0", "0", "0"}));
    for (const RateRow &r : rows) {
        QCOMPARE(r.material, std::string(".00"));
        const bool rcc = r.description.starts_with("RCC");
        QCOMPARE(r.labour, std::string(rcc ? "" : ".00"));
        QCOMPARE(r.total, std::string(rcc ? "" : ".00"));
    }
}

// Doubles are not associative: the rates must be the sums formed left to right as the
// trade writes them, or the last digit of a rate can differ from the published one.
void tst_UnitRates::sumsFormLeftToRight()
{
    const double bag = 0.37, metal = 935.53, sand = 538.82;
    const double m1 = 396.77, m2 = 935.53, man = 538.82, woman = 846.31;
    const auto rates = analyseUnitRates(costs({"0.37", "0", "935.53", "538.82", "0", "396.77", "935.53", "538.82", "846.31"}));

    const double c = bag * 28.8;
    const double pccLabour = m1 * 0.06 + m2 * 0.14 + man * 1.8 + woman * 1.4;
    QCOMPARE(rates[0].material, metal * 0.92 + sand * 0.46 + c * 0.115);
    QCOMPARE(*rates[0].labour, pccLabour);
    QCOMPARE(*rates[0].total, rates[0].material + pccLabour);
    QCOMPARE(*rates[2].labour, m2 * 0.98 + m1 * 1.2 + man * 0.7 + woman * 2.1);
    QCOMPARE(*rates[4].labour, m2 * 0.98 + m1 * 0.42 + man * 0.7 + woman * 2.1);
    QCOMPARE(rates[6].material, (c / 5 + sand) * 0.15);
    QCOMPARE(*rates[9].labour, m2 * 2.2 + man * 0.5 + woman * 3.2);

    // These costs are ones where the sum taken from the other end gives other bits.
    QVERIFY(pccLabour != ((woman * 1.4 + man * 1.8) + m2 * 0.14) + m1 * 0.06);
}

void tst_UnitRates::failures_data()
{
    QTest::addColumn<CostTexts>("texts");
    QTest::addColumn<int>("input"); // -1: too large

    QTest::newRow("two points in bricks") << costs({"1", "1", "1", "1", "1.2.3", "1", "1", "1", "1"}) << int(Bricks);
    QTest::newRow("lone point in labour") << costs({"1", "1", "1", "1", "1", "1", "1", ".", "1"}) << int(ManMazdoor);
    // Cement is needed first, chips last: with both bad, cement is named.
    QTest::newRow("cement before chips") << costs({"..", "1..", "1", "1", "1", "1", "1", "1", "1"}) << int(Cement);
    QTest::newRow("labour before bricks") << costs({"1", "1", "1", "1", "..", "1", "1", "1", "1.."}) << int(WomanMazdoor);
    QTest::newRow("chips alone") << costs({"1", "1.1.", "1", "1", "1", "1", "1", "1", "1"}) << int(Chips20);
    QTest::newRow("brick cost times 600") << costs({"1", "1", "1", "1", "4e305", "1", "1", "1", "1"}) << -1;
    QTest::newRow("cost beyond a double") << costs({"1", "1", "1", "1", "1", "1", "1", "1", "2e308"}) << -1;
    QTest::newRow("total overflows") << costs({"1", "1", "1", "1", "1", "1", "1", "1e308", "1e308"}) << -1;
    // The bricks overflow at row 3, before the bad chips of row 6 are read.
    QTest::newRow("overflow before a later bad box") << costs({"1", "..", "1", "1", "4e305", "1", "1", "1", "1"}) << -1;
}

void tst_UnitRates::failures()
{
    QFETCH(CostTexts, texts);
    QFETCH(int, input);
    try {
        rateTableRows(texts);
        QFAIL("the analysis did not fail");
    } catch (const NotANumber &e) {
        QCOMPARE(e.input(), input);
        QCOMPARE(e.text(), texts[std::size_t(input)]);
    } catch (const TooLarge &) {
        QCOMPARE(input, -1);
    }
}

QTEST_APPLESS_MAIN(tst_UnitRates)
#include "tst_unitrates.moc"
