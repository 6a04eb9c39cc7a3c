// SPDX-FileCopyrightText: 2026 ratebook developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Lines of measurement as a reader checks them with a calculator, and an item's totals.
#include "measurement/measurements.h"

#include <QTest>

using namespace ratebook;

namespace {

QString quantity(const QStringList &factors)
{
    FactorTexts texts;
    for (std::size_t f = 0; f < FactorCount; ++f)
        texts[f] = factors.value(qsizetype(f)).toStdString();
    try {
        const std::optional<Hundredths> q = lineQuantity(texts);
        return q ? QString::fromStdString(fixedText(*q, 2)) : "none";
    } catch (const BadFactor &e) {
        const QString why = e.why() == BadFigure::TooManyDecimals ? "too many decimals"
                                                                  : "not a number";
        return QString("factor %1: %2").arg(int(e.factor())).arg(why);
    } catch (const TooLarge &) {
        return "too large";
    }
}

MeasurementLine line(const QString &particulars, const QStringList &factors, bool deduct = false)
{
    MeasurementLine l{particulars.toStdString(), {}, deduct};
    for (std::size_t f = 0; f < FactorCount; ++f)
        l.factors[f] = factors.value(qsizetype(f)).toStdString();
    return l;
}

QString totals(const MeasuredItem &item)
{
    return QString::fromStdString(fixedText(item.gross(), 2) + " - "
                                  + fixedText(item.deductions(), 2) + " = "
                                  + fixedText(item.net(), 2));
}

} // namespace

class tst_Measurements : public QObject
{
    Q_OBJECT

private slots:
    void lineQuantity_data()
    {
        QTest::addColumn<QStringList>("factors"); // Nos, Length, Breadth, Depth
        QTest::addColumn<QString>("quantity");
        QTest::newRow("four factors to 0.01") << QStringList{"2", "5.03", "0.80", "0.90"} << "7.24";
        QTest::newRow("exactly 0.005 over goes up")
            << QStringList{"1", "2.01", "0.50", ""} << "1.01";
        QTest::newRow("and a negative one down") << QStringList{"-1", "2.01", "0.5", ""} << "-1.01";
        QTest::newRow("a blank factor is not used")
            << QStringList{"2", "4.00", " ", "3.00"} << "24.00";
        QTest::newRow("one factor is a line") << QStringList{"", "", "", "2.125"} << "2.13";
        QTest::newRow("no factor, no quantity") << QStringList{"", "", "", ""} << "none";
        QTest::newRow("a fourth decimal")
            << QStringList{"1", "2.0005", "", ""} << "factor 1: too many decimals";
        QTest::newRow("two points")
            << QStringList{"1", "2", "1.2.3", ""} << "factor 2: not a number";
        QTest::newRow("a decimal comma is no point")
            << QStringList{"2,5", "", "", ""} << "factor 0: not a number";
        QTest::newRow("past 64 bits on the way only")
            << QStringList{"1000", "1000", "1000", "9.999"} << "9999000000.00";
        QTest::newRow("beyond") << QStringList{"100000000", "100000000", "100000000", ""}
                                << "too large";
    }
    void lineQuantity()
    {
        QFETCH(QStringList, factors);
        QTEST(quantity(factors), "quantity");
    }

    // The worked wall: two walls, a door and two windows deducted, lines kept in their parts.
    void itemTotals()
    {
        MeasuredItem wall("6");
        wall.append(line("door", {"1", "1.00", "0.23", "2.10"}, true));
        wall.append(line("Long walls", {"2", "4.46", "0.23", "3.00"}));
        wall.append(line("windows", {"2", "1.20", "0.23", "1.20"}, true));
        wall.append(line("Short walls", {"2", "3.00", "0.23", "3.00"}));
        QCOMPARE(wall.deductionsFrom(), 2u);
        QCOMPARE(wall.lines()[1].particulars, "Short walls");
        QCOMPARE(totals(wall), "10.29 - 1.14 = 9.15");

        QVERIFY_THROWS_EXCEPTION(BadFactor, wall.setFactor(0, Length, "4.4.6"));
        QCOMPARE(wall.lines()[0].factors[Length], "4.46");
        QCOMPARE(totals(wall), "10.29 - 1.14 = 9.15");
        // 1e16 Cum fits in hundredths, not in the abstract's thousandths
        QVERIFY_THROWS_EXCEPTION(TooLarge, wall.append(line("", {"1000000000", "10000000"})));
        QCOMPARE(wall.lines().size(), 4u);

        QCOMPARE(wall.toggleDeduct(2), 2u); // the door is measured now, last of the measured
        QCOMPARE(totals(wall), "10.77 - 0.66 = 10.11");
        wall.removeLine(0);
        QCOMPARE(totals(wall), "4.62 - 0.66 = 3.96");
        QCOMPARE(wall.insertLine(99, false), 2u);
        QVERIFY(wall.measured());
        wall.removeLine(0);
        wall.removeLine(0);
        wall.removeLine(1);
        QCOMPARE(wall.lines().size(), 1u);
        QVERIFY(!wall.measured());
    }
};

QTEST_APPLESS_MAIN(tst_Measurements)
#include "tst_measurements.moc"
