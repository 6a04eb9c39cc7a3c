// SPDX-FileCopyrightText: 2026 ratebook developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The abstract worked out without a window: which rate each of the twelve items takes, items of
// one's own beside them, and the labour the items need.
#include "abstract/estimate.h"
#include "labour/labour.h"
#include "worked.h"

#include <QTest>

using namespace ratebook;

namespace {

EstimateInputs workedInputs()
{
    EstimateInputs inputs;
    inputs.quantities.fill("1");
    inputs.rates = analyseUnitRates(texts<CostInputCount>(worked::costs));
    return inputs;
}

QStringList lines(const Abstract &a)
{
    QStringList out;
    for (const AbstractHead &head : a.heads) {
        out << QString::fromStdString(head.title);
        for (const AbstractLine &l : head.lines) {
            out << QString::fromStdString(l.number + " " + fixedText(l.quantity, 3) + " @ "
                                          + fixedText(l.rate, 2) + " per " + l.perUnit() + " = "
                                          + (l.amount ? fixedText(*l.amount, 2) : "no rate"));
        }
        out << "subtotal " + QString::fromStdString(fixedText(head.subtotal, 2));
    }
    return out;
}

} // namespace

class tst_Estimate : public QObject
{
    Q_OBJECT

private slots:
    void rateOfEachItem_data()
    {
        QTest::addColumn<int>("item");
        QTest::addColumn<QString>("rate"); // at the worked costs
        QTest::newRow("PCC 1:4:8, rate row 1") << 1 << "2469.00 per 1 Cum";
        QTest::newRow("PCC 1:5:10, rate row 2") << 2 << "2303.40 per 1 Cum";
        QTest::newRow("RCC 1:2:4, rate row 6's material") << 3 << "2990.00 per 1 Cum material only";
        QTest::newRow("RCC 1:1.5:3 has no row") << 4 << "none";
        QTest::newRow("masonry CM 1:4 has no row") << 5 << "none";
        QTest::newRow("masonry CM 1:5, rate row 3") << 6 << "3499.20 per 1 Cum";
        QTest::newRow("masonry CM 1:6, rate row 4") << 7 << "3408.00 per 1 Cum";
        QTest::newRow("masonry CM 1:8, rate row 5") << 8 << "3060.00 per 1 Cum";
        QTest::newRow("plaster 1:3 12 mm, ceiling row 9") << 9 << "917.00 per 10 Sqm";
        QTest::newRow("plaster 1:3 20 mm, ceiling row 10") << 10 << "1618.00 per 10 Sqm";
        QTest::newRow("plaster 1:5 12 mm, wall row 7") << 11 << "773.00 per 10 Sqm";
        QTest::newRow("plaster 1:5 20 mm, wall row 8") << 12 << "1416.40 per 10 Sqm";
    }
    void rateOfEachItem()
    {
        QFETCH(int, item);
        QString rate = "not shown";
        for (const AbstractHead &head : workOutAbstract(workedInputs()).heads) {
            for (const AbstractLine &l : head.lines) {
                if (l.item != item)
                    continue;
                rate = QString::fromStdString(fixedText(l.rate, 2) + " per " + l.perUnit());
                if (l.rateKind == AbstractLine::Rate::MaterialOnly)
                    rate += " material only";
                if (l.rateKind == AbstractLine::Rate::None)
                    rate = "none";
            }
        }
        QTEST(rate, "rate");
    }

    // Per 100 under a sub-head of their own, moved to the top; shown at zero; one without a
    // rate named by its No. in what the total leaves out.
    void ownItems()
    {
        EstimateInputs inputs = workedInputs();
        inputs.quantities.fill("0");
        inputs.quantities[0] = "1.87";
        inputs.heads.insert(inputs.heads.begin(), "Earthwork");
        inputs.heads.push_back("Steel");
        inputs.ownItems = {{"S1", "Steel", "Kg", 100, 785000, "Steel", 152500},
                           {"E1", "Earthwork", "Cum", 1, 25000, "Earthwork", 5000, 11230},
                           {"E2", "Sand filling", "Cum", 1, std::nullopt, "Earthwork", 0},
                           {"C9", "Shuttering", "Sqm", 10, 45050, "Concrete", 0}};
        const Abstract a = workOutAbstract(inputs);
        QCOMPARE(lines(a), (QStringList{"Earthwork", "E1 11.230 @ 250.00 per 1 Cum = 2807.50",
                                        "E2 0.000 @ 0.00 per 1 Cum = no rate", "subtotal 2807.50",
                                        "Concrete", "1 1.870 @ 2469.00 per 1 Cum = 4617.03",
                                        "C9 0.000 @ 450.50 per 10 Sqm = 0.00", "subtotal 4617.03",
                                        "Steel", "S1 152.500 @ 7850.00 per 100 Kg = 11971.25",
                                        "subtotal 11971.25"}));
        QCOMPARE(a.total, 1939578);
        QCOMPARE(a.leftOut, std::vector<std::string>{"item E2"});
    }

    // Worked by hand: 10 Cum of PCC and 125.5 Sqm of plaster (per 10 Sqm), at 300, 250, 150, 120.
    void labour()
    {
        const std::vector<LabourItem> items{{"1", "PCC", "Cum", 10000, 1, labourOf(1)},
                                            {"9", "Plaster", "Sqm", 125500, 10, labourOf(9)}};
        const Labour l = workOutLabour(items, {30000, 25000, 15000, 12000});
        QStringList days;
        for (const PerClass &line : l.lines) {
            for (const std::optional<Days> &d : line)
                days << (d ? QString::fromStdString(fixedText(*d, 2)) : "-");
        }
        QCOMPARE(days.join(' '), "0.60 1.40 18.00 14.00 - 13.81 6.28 13.81");
        QCOMPARE(l.days, (std::array<Days, 4>{60, 1521, 2428, 2781}));
        QCOMPARE(l.wages, (std::array<Paise, 4>{18000, 380250, 364200, 333720}));
        QCOMPARE(l.totalWages, 1096170);
    }
};

QTEST_APPLESS_MAIN(tst_Estimate)
#include "tst_estimate.moc"
