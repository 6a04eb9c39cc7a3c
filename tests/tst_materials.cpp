// The material computation without a window: the table cell by cell for typical
// quantities, what each item adds, the last bit of the totals, and which box a failure names.
#include "common/numbertext.h"
#include "extractor/materials.h"

#include <QTest>

using namespace ratebook;

namespace {

// Every box "0", as ticking leaves it, except the given items (numbered from 1).
QuantityTexts quantities(std::initializer_list<std::pair<int, const char *>> items)
{
    QuantityTexts texts;
    texts.fill("0");
    for (const auto &[item, text] : items)
        texts.at(std::size_t(item - 1)) = text;
    return texts;
}

QStringList cells(const MaterialTable &table)
{
    QStringList result;
    for (const MaterialRow &row : table)
        for (const std::string &cell : row)
            result << QString::fromStdString(cell);
    return result;
}

} // namespace

class tst_Materials : public QObject
{
    Q_OBJECT

private slots:
    void tableCells_data();
    void tableCells();
    void eachItem_data();
    void eachItem();
    void lastBit_data();
    void lastBit();
    void failures_data();
    void failures();
};

void tst_Materials::tableCells_data()
{
    QTest::addColumn<QuantityTexts>("texts");
    QTest::addColumn<QStringList>("row1");
    QTest::addColumn<QStringList>("row2");
    QTest::addColumn<QStringList>("row3");

    const QString bags = "%1 (50 Kg. Bags)";
    auto bagRow = [&bags](const char *n) { return QStringList{"", "", "", bags.arg(n), ""}; };

    QTest::newRow("all zero, as at opening")
        << quantities({})
        << QStringList{"00.00 (Cu.m)", "00.00 (Cu.m)", "00.00 (Nos)", "00.00 (Cu.m)", "00.00 (Cu.m)"}
        << bagRow("0.00")
        << QStringList{"00.00 (Cft)", "00.00 (Cft)", "", "00.00 (Cft)", "00.00 (Cft)"};
    QTest::newRow("item 1 PCC 1:4:8 at 10")
        << quantities({{1, "10"}})
        << QStringList{"09.20 (Cu.m)", "00.00 (Cu.m)", "00.00 (Nos)", "01.15 (Cu.m)", "04.60 (Cu.m)"}
        << bagRow("33.12")
        << QStringList{"324.85 (Cft)", "00.00 (Cft)", "", "40.61 (Cft)", "162.43 (Cft)"};
    QTest::newRow("item 5 masonry 1:4 at 10")
        << quantities({{5, "10"}})
        << QStringList{"00.00 (Cu.m)", "00.00 (Cu.m)", "6000.00 (Nos)", "00.95 (Cu.m)", "03.80 (Cu.m)"}
        << bagRow("27.36")
        << QStringList{"00.00 (Cft)", "00.00 (Cft)", "", "33.54 (Cft)", "134.18 (Cft)"};
    QTest::newRow("item 10 plaster 1:3 20 mm at 100")
        << quantities({{10, "100"}})
        << QStringList{"00.00 (Cu.m)", "00.00 (Cu.m)", "00.00 (Nos)", "00.60 (Cu.m)", "00.60 (Cu.m)"}
        << bagRow("17.28")
        << QStringList{"00.00 (Cft)", "00.00 (Cft)", "", "21.19 (Cft)", "21.19 (Cft)"};
    QTest::newRow("items 1, 3, 5 and 9 together")
        << quantities({{1, "10"}, {3, "5"}, {5, "20"}, {9, "100"}})
        << QStringList{"09.20 (Cu.m)", "04.60 (Cu.m)", "12000.00 (Nos)", "04.70 (Cu.m)", "15.00 (Cu.m)"}
        << bagRow("135.36")
        << QStringList{"324.85 (Cft)", "162.43 (Cft)", "", "165.96 (Cft)", "529.65 (Cft)"};
    // A negative quantity is not refused; its totals show a minus before the padding.
    QTest::newRow("negative PCC 1:5:10")
        << quantities({{2, "-10"}})
        << QStringList{"-09.20 (Cu.m)", "00.00 (Cu.m)", "00.00 (Nos)", "-00.92 (Cu.m)", "-04.60 (Cu.m)"}
        << bagRow("-26.50")
        << QStringList{"-324.85 (Cft)", "00.00 (Cft)", "", "-32.49 (Cft)", "-162.43 (Cft)"};
    QTest::newRow("negative masonry 1:6")
        << quantities({{7, "-2"}})
        << QStringList{"00.00 (Cu.m)", "00.00 (Cu.m)", "-1200.00 (Nos)", "-00.13 (Cu.m)", "-00.76 (Cu.m)"}
        << bagRow("-3.65")
        << QStringList{"00.00 (Cft)", "00.00 (Cft)", "", "-04.47 (Cft)", "-26.84 (Cft)"};
    // Bags below ten keep a single integer digit, unlike every other cell.
    QTest::newRow("negative item offsets another")
        << quantities({{1, "10"}, {2, "-10"}})
        << QStringList{"00.00 (Cu.m)", "00.00 (Cu.m)", "00.00 (Nos)", "00.23 (Cu.m)", "00.00 (Cu.m)"}
        << bagRow("6.62")
        << QStringList{"00.00 (Cft)", "00.00 (Cft)", "", "08.12 (Cft)", "00.00 (Cft)"};
}

void tst_Materials::tableCells()
{
    QFETCH(QuantityTexts, texts);
    QFETCH(QStringList, row1);
    QFETCH(QStringList, row2);
    QFETCH(QStringList, row3);
    // Compared as one list, a failure names the first wrong cell by its index.
    QCOMPARE(cells(materialTableRows(texts)), row1 + row2 + row3);
}

void tst_Materials::eachItem_data()
{
    QTest::addColumn<int>("item");
    QTest::addColumn<double>("metal40");
    QTest::addColumn<double>("chips20");
    QTest::addColumn<double>("bricks");
    QTest::addColumn<double>("cement");
    QTest::addColumn<double>("sand");

    // What 100 units of each item take; a slipped coefficient shows in one row.
    QTest::newRow("1 PCC 1:4:8") << 1 << 92.0 << 0.0 << 0.0 << 11.5 << 46.0;
    QTest::newRow("2 PCC 1:5:10") << 2 << 92.0 << 0.0 << 0.0 << 9.2 << 46.0;
    QTest::newRow("3 RCC 1:2:4") << 3 << 0.0 << 92.0 << 0.0 << 23.0 << 46.0;
    QTest::newRow("4 RCC 1:1.5:3, more sand") << 4 << 0.0 << 92.0 << 0.0 << 31.0 << 61.0;
    QTest::newRow("5 masonry 1:4") << 5 << 0.0 << 0.0 << 60000.0 << 9.5 << 38.0;
    QTest::newRow("6 masonry 1:5") << 6 << 0.0 << 0.0 << 60000.0 << 7.6 << 38.0;
    QTest::newRow("7 masonry 1:6") << 7 << 0.0 << 0.0 << 60000.0 << 19.0 / 3 << 38.0;
    QTest::newRow("8 masonry 1:8") << 8 << 0.0 << 0.0 << 60000.0 << 4.75 << 38.0;
    // Plaster adds as much sand as cement.
    QTest::newRow("9 plaster 1:3 12 mm") << 9 << 0.0 << 0.0 << 0.0 << 0.5 << 0.5;
    QTest::newRow("10 plaster 1:3 20 mm") << 10 << 0.0 << 0.0 << 0.0 << 0.6 << 0.6;
    QTest::newRow("11 plaster 1:5 12 mm") << 11 << 0.0 << 0.0 << 0.0 << 0.3 << 0.3;
    QTest::newRow("12 plaster 1:5 20 mm") << 12 << 0.0 << 0.0 << 0.0 << 0.36 << 0.36;
}

void tst_Materials::eachItem()
{
    QFETCH(int, item);
    const MaterialTotals t = materialTotals(quantities({{item, "100"}}));
    QTEST(t.metal40, "metal40");
    QTEST(t.chips20, "chips20");
    QTEST(t.bricks, "bricks");
    QTEST(t.cement, "cement");
    QTEST(t.sand, "sand");
}

void tst_Materials::lastBit_data()
{
    QTest::addColumn<QuantityTexts>("texts");
    QTest::addColumn<QString>("total");
    QTest::addColumn<double>("expected");

    // Quantities where forming a term or sum another way changes the last bit: the ratio
    // 0.38 / 6 taken first, 28.8 bags per cu.m, the bricks summed before the product, or
    // the sand summed from item 12 down.
    QTest::newRow("cement: times 0.38, then / 6") << quantities({{7, "3"}}) << "cement" << 0x1.851eb851eb853p-3;
    QTest::newRow("bags: times 1440, then / 50") << quantities({{5, "3"}}) << "cementbags" << 0x1.06a7ef9db22d1p+3;
    QTest::newRow("bricks: each item times 600") << quantities({{5, "0.1"}, {6, "0.1"}, {7, "0.1"}}) << "bricks" << 180.0;
    QTest::newRow("sand: summed from the first item")
        << quantities({{1, "0.1"}, {3, "0.1"}, {4, "1"}}) << "sand" << 0x1.676c8b4395810p-1;
}

void tst_Materials::lastBit()
{
    QFETCH(QuantityTexts, texts);
    QFETCH(QString, total);
    QFETCH(double, expected);
    const MaterialTotals t = materialTotals(texts);
    const double actual = total == "cement" ? t.cement
                        : total == "cementbags" ? t.cementbags
                        : total == "bricks" ? t.bricks
                                           : t.sand;
    // QCOMPARE on doubles is fuzzy; seventeen digits tell every double apart.
    QCOMPARE(QString::number(actual, 'g', 17), QString::number(expected, 'g', 17));
}

void tst_Materials::failures_data()
{
    QTest::addColumn<QuantityTexts>("texts");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("input"); // -1: too large

    QTest::newRow("letter after a number in item 1") << quantities({{1, "10a"}}) << "10a" << 0;
    QTest::newRow("lone minus in item 7") << quantities({{7, "-"}}) << "-" << 6;
    QTest::newRow("lone point in item 12") << quantities({{12, "."}}) << "." << 11;
    QTest::newRow("letter in plaster item 9") << quantities({{9, "x"}}) << "x" << 8;
    // With two bad boxes the one the sums reach first is named.
    QTest::newRow("metal reads item 2 before 1") << quantities({{1, "a"}, {2, "b"}}) << "b" << 1;
    QTest::newRow("chips read item 4 before 3") << quantities({{3, "a"}, {4, "b"}}) << "b" << 3;
    QTest::newRow("bricks read item 6 before 5") << quantities({{5, "a"}, {6, "b"}}) << "b" << 5;
    QTest::newRow("bricks read item 5 before 7") << quantities({{7, "a"}, {5, "b"}}) << "b" << 4;
    QTest::newRow("metal before chips") << quantities({{4, "a"}, {1, "b"}}) << "b" << 0;
    QTest::newRow("chips before bricks") << quantities({{8, "a"}, {3, "b"}}) << "b" << 2;
    QTest::newRow("bricks before plaster") << quantities({{9, "a"}, {8, "b"}}) << "b" << 7;
    QTest::newRow("plaster item 9 before 12") << quantities({{12, "a"}, {9, "b"}}) << "b" << 8;

    QTest::newRow("bricks of item 6 at 4e305") << quantities({{6, "4e305"}}) << "" << -1;
    QTest::newRow("negative bricks beyond a double") << quantities({{6, "-4e305"}}) << "" << -1;
    QTest::newRow("two brick terms overflow their sum") << quantities({{5, "1.5e305"}, {6, "1.5e305"}}) << "" << -1;
    QTest::newRow("metal in cubic feet") << quantities({{1, "1e308"}}) << "" << -1;
    QTest::newRow("cement in bags") << quantities({{9, "1e308"}}) << "" << -1;
    // The sums go term by term: the bricks overflow before item 8 is read, but a bad
    // item 6 is read before item 8 overflows.
    QTest::newRow("overflow met before a bad box") << quantities({{6, "4e305"}, {8, "x"}}) << "" << -1;
    QTest::newRow("bad box met before an overflow") << quantities({{6, "x"}, {8, "4e305"}}) << "x" << 5;
}

void tst_Materials::failures()
{
    QFETCH(QuantityTexts, texts);
    QFETCH(QString, text);
    QFETCH(int, input);
    try {
        materialTableRows(texts);
        QFAIL("the computation went through");
    } catch (const NotANumber &e) {
        QCOMPARE(e.input(), input);
        QCOMPARE(QString::fromStdString(e.text()), text);
    } catch (const TooLarge &) {
        QCOMPARE(input, -1);
    }
}

QTEST_APPLESS_MAIN(tst_Materials)
#include "tst_materials.moc"
