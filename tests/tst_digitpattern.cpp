// The digit patterns of both tables and the rounding a reader expects: halves go away
// from zero on the decimal value as written, never on the binary artefact below it.
#include "common/digitpattern.h"
#include "common/numbertext.h"

#include <QTest>

#include <limits>

using namespace ratebook;

class tst_DigitPattern : public QObject
{
    Q_OBJECT

private slots:
    void format_data();
    void format();
    void notFinite();
};

void tst_DigitPattern::format_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QString>("text");

    const QString rate = "######.#0", volume = "00.00", bags = "0.00";
    QTest::newRow("rate: half") << 0.5 << rate << ".50";
    QTest::newRow("rate: zero") << 0.0 << rate << ".00";
    QTest::newRow("rate: no upper limit") << 1234567.891 << rate << "1234567.89";
    QTest::newRow("rate: whole") << 2469.0 << rate << "2469.00";
    QTest::newRow("rate: 1e20 keeps every digit") << 1e20 << rate << "100000000000000000000.00";
    QTest::newRow("rate: negative") << -12.5 << rate << "-12.50";
    QTest::newRow("rate: negative below one") << -0.25 << rate << "-.25";
    QTest::newRow("volume: zero") << 0.0 << volume << "00.00";
    QTest::newRow("volume: pads below ten") << 9.2 << volume << "09.20";
    QTest::newRow("volume: no padding from ten") << 324.852 << volume << "324.85";
    QTest::newRow("volume: negative pads too") << -1.15 << volume << "-01.15";
    QTest::newRow("bags: zero") << 0.0 << bags << "0.00";
    QTest::newRow("bags: below one") << 0.456 << bags << "0.46";

    // Halves, as a person reads them.
    QTest::newRow("2.675 up") << 2.675 << bags << "2.68";
    QTest::newRow("1.005 up") << 1.005 << bags << "1.01";
    QTest::newRow("0.125 up") << 0.125 << bags << "0.13";
    QTest::newRow("-0.125 away from zero") << -0.125 << bags << "-0.13";
    QTest::newRow("0.005 up to the first digit") << 0.005 << rate << ".01";
    QTest::newRow("just below a half") << 0.00499999 << bags << "0.00";
    QTest::newRow("carry through nines") << 99.995 << volume << "100.00";
    QTest::newRow("carry into a new digit") << 9.999 << rate << "10.00";
    QTest::newRow("sum with binary noise") << 0.1 + 0.2 << bags << "0.30";

    // Nothing that rounds to zero shows a minus sign.
    QTest::newRow("negative zero") << -0.0 << rate << ".00";
    QTest::newRow("tiny negative") << -0.004 << volume << "00.00";
    QTest::newRow("underflowing negative") << -1e-300 << bags << "0.00";

    QTest::newRow("largest double")
        << std::numeric_limits<double>::max() << bags
        << QString("179769313486232") + QString(294, '0') + ".00";
}

void tst_DigitPattern::format()
{
    QFETCH(double, value);
    QFETCH(QString, pattern);
    QFETCH(QString, text);
    QCOMPARE(QString::fromStdString(formatNumber(value, pattern.toStdString())), text);
}

void tst_DigitPattern::notFinite()
{
    QVERIFY_THROWS_EXCEPTION(TooLarge, formatNumber(std::numeric_limits<double>::infinity(), "0.00"));
    QVERIFY_THROWS_EXCEPTION(TooLarge, formatNumber(std::numeric_limits<double>::quiet_NaN(), "0.00"));
}

QTEST_APPLESS_MAIN(tst_DigitPattern)
#include "tst_digitpattern.moc"
