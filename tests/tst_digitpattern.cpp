// SPDX-FileCopyrightText: 2026 ratebook developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The digit patterns; halves go away from zero on the decimal value, not on the binary one below it.
#include "common/digitpattern.h"
#include "common/numbertext.h"

#include <QTest>

#include <cmath>

using namespace ratebook;

class tst_DigitPattern : public QObject
{
    Q_OBJECT

private slots:
    void format_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QString>("text");
        const struct { double value; const char *pattern, *text; } rows[] = {{0.5, "######.#0", ".50"}, {1234567.891, "######.#0", "1234567.89"},
            {-1.15, "00.00", "-01.15"}, {0.456, "0.00", "0.46"}, {2.675, "0.00", "2.68"}, {-0.125, "0.00", "-0.13"}, {99.995, "00.00", "100.00"},
            {-0.004, "00.00", "00.00"}, {9700.935977810885, "0.00000000000", "9700.93597781088"}}; // its shortest digits end on a 5
        for (const auto &r : rows)
            QTest::addRow("%.17g by %s", r.value, r.pattern) << r.value << r.pattern << r.text;
    }

    void format()
    {
        QFETCH(double, value);
        QFETCH(QString, pattern);
        QTEST(QString::fromStdString(formatNumber(value, pattern.toStdString())), "text");
        QVERIFY_THROWS_EXCEPTION(TooLarge, formatNumber(HUGE_VAL, "0.00"));
    }
};

QTEST_APPLESS_MAIN(tst_DigitPattern)
#include "tst_digitpattern.moc"
