// SPDX-FileCopyrightText: 2026 ratebook developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The arithmetic alone, without a window: what each keystroke and each "Unit Cost"
// click spends before Qt sees a row.
#include "common/digitpattern.h"
#include "datasheet/unitrates.h"
#include "extractor/materials.h"
#include "tests/worked.h"

#include <QTest>

#include <algorithm>

using namespace ratebook;

// A result the optimiser cannot drop although nothing reads it.
template <class T>
void keep(const T &value)
{
    asm volatile("" : : "g"(&value) : "memory");
}

class bench_Core : public QObject
{
    Q_OBJECT

    const CostTexts costs = [] {
        CostTexts texts;
        std::ranges::transform(worked::costs, texts.begin(), &QString::toStdString);
        return texts;
    }();
    const QuantityTexts quantities{"1.5", "2", "0",  "12.25", "7",    "0",
                                   "3",   "0", "40", "0",     "18.5", "0"};

private slots:
    void unitRateAnalysis()
    {
        QBENCHMARK { keep(analyseUnitRates(costs)); }
    }
    void rateTableRows()
    {
        QCOMPARE(joined(ratebook::rateTableRows(costs)), worked::rates);
        QBENCHMARK { keep(ratebook::rateTableRows(costs)); }
    }
    void materialTotals()
    {
        QBENCHMARK { keep(ratebook::materialTotals(quantities)); }
    }
    void materialTableRows()
    {
        QCOMPARE(ratebook::materialTableRows(quantities)[0][2], "6000.00 (Nos)");
        QBENCHMARK { keep(ratebook::materialTableRows(quantities)); }
    }
    void formatNumber()
    {
        double value = 1978.004;
        QBENCHMARK { keep(ratebook::formatNumber(value += 0.25, "######.#0")); }
    }
};

QTEST_GUILESS_MAIN(bench_Core)
#include "bench_core.moc"
