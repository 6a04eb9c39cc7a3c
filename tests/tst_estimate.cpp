// SPDX-FileCopyrightText: 2026 ratebook developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The worked abstract, every row as a reader checks it, and a rate typed where there was none.
#include "abstract/abstractrows.h"
#include "common/numbertext.h"
#include "worked.h"

#include <QTest>

using namespace ratebook;

namespace {

EstimateInputs workedInputs()
{
    EstimateInputs inputs;
    CostTexts costs;
    std::ranges::transform(worked::costs, costs.begin(), &QString::toStdString);
    inputs.rates = analyseUnitRates(costs);
    std::ranges::transform(worked::quantities, inputs.quantities.begin(), &QString::toStdString);
    for (const QStringList &addOn : worked::addOns)
        inputs.addOns.push_back({addOn[0].toStdString(), parseFixed(addOn[1].toStdString(), 2)});
    inputs.sayTo = 100;
    return inputs;
}

QStringList shown(const EstimateInputs &inputs)
{
    QStringList rows;
    for (const AbstractRow &row : abstractRows(workOutAbstract(inputs), inputs.typedRates))
        rows << row.cells.join(" | ");
    return rows;
}

} // namespace

class tst_Estimate : public QObject
{
    Q_OBJECT

private slots:
    void workedAbstract()
    {
        QCOMPARE(shown(workedInputs()), worked::abstract);
        const Paise said = workOutAbstract(workedInputs()).finalFigure();
        QCOMPARE(rupeesInWords(said), worked::words.toStdString());
    }

    // Item 4 at 7,650.50 by hand, the add-ons and Say taken away: nothing is left out.
    void aTypedRateFillsTheGap()
    {
        EstimateInputs inputs = workedInputs();
        inputs.typedRates[3] = 765050;
        inputs.addOns.clear();
        inputs.sayTo = 0;
        const QStringList rows = shown(inputs);
        QCOMPARE(rows[3],
                 "4 | RCC (1:1.5:3) | 1.000 | Cum | 7,650.50 (by hand) | 1 Cum | 7,650.50");
        QCOMPARE(rows[12], " | Total |  |  |  |  | 93,958.41");
        QCOMPARE(rupeesInWords(workOutAbstract(inputs).finalFigure()),
                 "Rupees Ninety-Three Thousand Nine Hundred Fifty-Eight and Paise Forty-One Only");
    }

    void aQuantityThatIsNoNumberStopsIt()
    {
        EstimateInputs inputs = workedInputs();
        inputs.quantities[8] = "125.5x";
        QVERIFY_THROWS_EXCEPTION(NotANumber, workOutAbstract(inputs));
    }
};

QTEST_APPLESS_MAIN(tst_Estimate)
#include "tst_estimate.moc"
