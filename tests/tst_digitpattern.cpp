// SPDX-FileCopyrightText: 2026 ratebook developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The digit patterns; halves go away from zero on the decimal value.
#include "common/digitpattern.h"

#include <QTest>

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
        QTest::newRow("no integer digit below one") << 0.5 << "######.#0" << ".50";
        QTest::newRow("every integer digit") << 1234567.891 << "######.#0" << "1234567.89";
        QTest::newRow("padded after the minus") << -1.15 << "00.00" << "-01.15";
        QTest::newRow("a decimal half goes up") << 2.675 << "0.00" << "2.68";
        QTest::newRow("a negative half goes down") << -0.125 << "0.00" << "-0.13";
        QTest::newRow("a carry past the point") << 99.995 << "00.00" << "100.00";
        QTest::newRow("no minus on a zero") << -0.004 << "00.00" << "00.00";
        // Its shortest digits end on a 16th-digit 5, which must not round the 15th up.
        QTest::newRow("the 15th digit decides") << 9700.935977810885 << "0.00000000000"
                                                << "9700.93597781088";
    }
    void format()
    {
        QFETCH(double, value);
        QFETCH(QString, pattern);
        QTEST(QString::fromStdString(formatNumber(value, pattern.toStdString())), "text");
    }
};

QTEST_APPLESS_MAIN(tst_DigitPattern)
#include "tst_digitpattern.moc"
