// The unit-rate analysis without a window: the worked example cell by cell, and which box
// a failure names, since each is read where the analysis first needs it.
#include "common/numbertext.h"
#include "datasheet/unitrates.h"
#include "workedexample.h"

#include <QTest>

#include <algorithm>

using namespace ratebook;

class tst_UnitRates : public QObject
{
    Q_OBJECT

private slots:
    void outcome_data()
    {
        QTest::addColumn<QString>("costs");
        QTest::addColumn<QStringList>("expected"); // the rows, or the failure
        QStringList zero; // every cost cell .00; reinforced concrete has no labour or total
        for (const QString &row : ExampleRates)
            zero << row.section('|', 0, 0) + (row.endsWith("||") ? "|.00||" : "|.00|.00|.00");
        QTest::newRow("worked example") << ExampleCosts.join(' ') << ExampleRates;
        QTest::newRow("all zero") << "0 0 0 0 0 0 0 0 0" << zero;
        QTest::newRow("two points in bricks") << "1 1 1 1 1.2.3 1 1 1 1" << QStringList{"box 4 reads 1.2.3"};
        QTest::newRow("lone point in labour") << "1 1 1 1 1 1 1 . 1" << QStringList{"box 7 reads ."};
        QTest::newRow("cement before chips") << ".. 1.. 1 1 1 1 1 1 1" << QStringList{"box 0 reads .."};
        QTest::newRow("labour before bricks") << "1 1 1 1 .. 1 1 1 1.." << QStringList{"box 8 reads 1.."};
        for (const char *c : {"1 1 1 1 4e305 1 1 1 1", "1 1 1 1 1 1 1 1 2e308", "1 1 1 1 1 1 1 1e308 1e308",
                              "1 .. 1 1 4e305 1 1 1 1", "1 1 1 1 1 1 1 1.5e308 1..2"})
            QTest::newRow(c) << QString(c) << QStringList{"too large"};
    }

    void outcome()
    {
        QFETCH(QString, costs);
        CostTexts texts;
        std::ranges::transform(costs.split(' '), texts.begin(), &QString::toStdString);
        QStringList outcome;
        try {
            outcome = joined(rateTableRows(texts));
        } catch (const NotANumber &e) {
            outcome << QStringLiteral("box %1 reads %2").arg(e.input()).arg(QString::fromStdString(e.text()));
        } catch (const TooLarge &) {
            outcome << "too large";
        }
        QTEST(outcome, "expected");
    }
};

QTEST_APPLESS_MAIN(tst_UnitRates)
#include "tst_unitrates.moc"
