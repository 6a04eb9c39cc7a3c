// The material table, and which item a failure names (the sums read boxes as they reach them).
#include "common/numbertext.h"
#include "extractor/materials.h"

#include <QTest>

using namespace ratebook;

class tst_Materials : public QObject
{
    Q_OBJECT

private slots:
    void outcome_data()
    {
        QTest::addColumn<QString>("items"); // "item=text"; the others "0"
        QTest::addColumn<QString>("expected"); // the fifteen cells, or the failure
        // Every item at a quantity of its own, so that every factor shows.
        QTest::newRow("all twelve") << "1=11 2=13 3=17 4=19 5=23 6=29 7=31 8=37 9=410 10=430 11=470 12=530" << "22.08 (Cu.m)|33.12 (Cu.m)|72000.00 (Nos)|28.32 (Cu.m)|84.00 (Cu.m)||||815.58 (50 Kg. Bags)||779.64 (Cft)|1169.47 (Cft)||999.94 (Cft)|2965.97 (Cft)";
        QTest::newRow("minus, offset to zero, bags keep one integer digit") << "1=10 2=-10 3=-0.1" << "00.00 (Cu.m)|-00.09 (Cu.m)|00.00 (Nos)|00.21 (Cu.m)|-00.05 (Cu.m)||||5.96 (50 Kg. Bags)||00.00 (Cft)|-03.25 (Cft)||07.31 (Cft)|-01.62 (Cft)";
        QTest::newRow("chips before bricks, item 6 first") << "5=a 6=b 8=c 4=5d" << "item 4 reads 5d";
        QTest::newRow("bricks overflow") << "6=4e305 7=a" << "too large";
    }

    void outcome()
    {
        QFETCH(QString, items);
        QuantityTexts texts;
        texts.fill("0");
        for (const QString &pair : items.split(' ', Qt::SkipEmptyParts))
            texts.at(pair.section('=', 0, 0).toUInt() - 1) = pair.section('=', 1).toStdString();
        QString outcome;
        try {
            for (const MaterialRow &row : materialTableRows(texts))
                for (const std::string &cell : row)
                    outcome += QString::fromStdString(cell) + '|';
            outcome.chop(1);
        } catch (const NotANumber &e) {
            outcome = QStringLiteral("item %1 reads %2").arg(e.input() + 1).arg(QString::fromStdString(e.text()));
        } catch (const TooLarge &) {
            outcome = "too large";
        }
        QTEST(outcome, "expected");
    }
};

QTEST_APPLESS_MAIN(tst_Materials)
#include "tst_materials.moc"
