// The material computation without a window: the table cell by cell, what each item
// adds, and which box a failure names.
#include "common/numbertext.h"
#include "extractor/materials.h"

#include <QTest>

using namespace ratebook;

// "item=text" pairs, items numbered from 1; every other box "0", as ticking leaves it.
static QuantityTexts quantities(const QString &items)
{
    QuantityTexts texts;
    texts.fill("0");
    for (const QString &pair : items.split(' ', Qt::SkipEmptyParts))
        texts.at(std::size_t(pair.section('=', 0, 0).toInt() - 1)) = pair.section('=', 1).toStdString();
    return texts;
}

class tst_Materials : public QObject
{
    Q_OBJECT

private slots:
    void outcome_data()
    {
        QTest::addColumn<QString>("items");
        QTest::addColumn<QString>("expected"); // the table's fifteen cells joined by '|', or the failure
        QTest::newRow("all zero") << "" << "00.00 (Cu.m)|00.00 (Cu.m)|00.00 (Nos)|00.00 (Cu.m)|00.00 (Cu.m)||||0.00 (50 Kg. Bags)||00.00 (Cft)|00.00 (Cft)||00.00 (Cft)|00.00 (Cft)";
        QTest::newRow("item 1 at 10") << "1=10" << "09.20 (Cu.m)|00.00 (Cu.m)|00.00 (Nos)|01.15 (Cu.m)|04.60 (Cu.m)||||33.12 (50 Kg. Bags)||324.85 (Cft)|00.00 (Cft)||40.61 (Cft)|162.43 (Cft)";
        QTest::newRow("item 5 at 10") << "5=10" << "00.00 (Cu.m)|00.00 (Cu.m)|6000.00 (Nos)|00.95 (Cu.m)|03.80 (Cu.m)||||27.36 (50 Kg. Bags)||00.00 (Cft)|00.00 (Cft)||33.54 (Cft)|134.18 (Cft)";
        QTest::newRow("item 10 at 100") << "10=100" << "00.00 (Cu.m)|00.00 (Cu.m)|00.00 (Nos)|00.60 (Cu.m)|00.60 (Cu.m)||||17.28 (50 Kg. Bags)||00.00 (Cft)|00.00 (Cft)||21.19 (Cft)|21.19 (Cft)";
        QTest::newRow("items 1, 3, 5, 9") << "1=10 3=5 5=20 9=100" << "09.20 (Cu.m)|04.60 (Cu.m)|12000.00 (Nos)|04.70 (Cu.m)|15.00 (Cu.m)||||135.36 (50 Kg. Bags)||324.85 (Cft)|162.43 (Cft)||165.96 (Cft)|529.65 (Cft)";
        QTest::newRow("minus before the padding zero") << "2=-10" << "-09.20 (Cu.m)|00.00 (Cu.m)|00.00 (Nos)|-00.92 (Cu.m)|-04.60 (Cu.m)||||-26.50 (50 Kg. Bags)||-324.85 (Cft)|00.00 (Cft)||-32.49 (Cft)|-162.43 (Cft)";
        QTest::newRow("offset to zero, bags keep one integer digit") << "1=10 2=-10" << "00.00 (Cu.m)|00.00 (Cu.m)|00.00 (Nos)|00.23 (Cu.m)|00.00 (Cu.m)||||6.62 (50 Kg. Bags)||00.00 (Cft)|00.00 (Cft)||08.12 (Cft)|00.00 (Cft)";
        QTest::newRow("two bad: bricks read item 6 first") << "5=a 6=b" << "item 6 reads b";
        QTest::newRow("two bad: chips before bricks, a letter after a number") << "8=a 3=5b" << "item 3 reads 5b";
        QTest::newRow("bricks overflow") << "6=4e305" << "too large";
    }

    void outcome()
    {
        QFETCH(QString, items);
        QStringList outcome;
        try {
            for (const MaterialRow &row : materialTableRows(quantities(items)))
                for (const std::string &cell : row)
                    outcome << QString::fromStdString(cell);
        } catch (const NotANumber &e) {
            outcome << QStringLiteral("item %1 reads %2").arg(e.input() + 1).arg(QString::fromStdString(e.text()));
        } catch (const TooLarge &) {
            outcome << "too large";
        }
        QTEST(outcome.join('|'), "expected");
    }

    void eachItem_data()
    {
        QTest::addColumn<int>("item");
        QTest::addColumn<QList<double>>("added"); // by 100 units of it to metal, chips, bricks, cement and sand
        const QList<double> rows[] = {{92, 0, 0, 11.5, 46}, {92, 0, 0, 9.2, 46}, {0, 92, 0, 23, 46}, {0, 92, 0, 31, 61},
            {0, 0, 6e4, 9.5, 38}, {0, 0, 6e4, 7.6, 38}, {0, 0, 6e4, 19.0 / 3, 38}, {0, 0, 6e4, 4.75, 38}, {0, 0, 0, 0.5, 0.5},
            {0, 0, 0, 0.6, 0.6}, {0, 0, 0, 0.3, 0.3}, {0, 0, 0, 0.36, 0.36}};
        for (int item = 1; item <= 12; ++item)
            QTest::addRow("item %d", item) << item << rows[item - 1];
    }

    void eachItem()
    {
        QFETCH(int, item);
        const MaterialTotals t = materialTotals(quantities(QStringLiteral("%1=100").arg(item)));
        QTEST((QList<double>{t.metal40, t.chips20, t.bricks, t.cement, t.sand}), "added");
    }
};

QTEST_APPLESS_MAIN(tst_Materials)
#include "tst_materials.moc"
