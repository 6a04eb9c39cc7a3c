// SPDX-FileCopyrightText: 2026 ratebook developers
// SPDX-License-Identifier: GPL-3.0-or-later
// What a typed text reads as. Every box reads through here, so this is also the catalogue of odd texts.
#include "common/numbertext.h"

#include <QTest>

#include <clocale>

using namespace ratebook;

class tst_NumberText : public QObject
{
    Q_OBJECT

private slots:
    void reads_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("reads"); // "nan": not a number, "big": too large for a double
        for (const QString &row : QStringList{"  007  |7", ".5|0.5", "5.|5", "-3|-3", "25E-1|2.5", "1e-400|0", "0.0001e312|1e308",
                 "0." + QString(400, '3') + "|0.3333333333333333", "   |nan", ".|nan", "1.2.3|nan", "1,5|nan", "12a|nan", "-.|nan", "+-1|nan",
                 "1e|nan", "0x10|nan", "inf|nan", "\t|nan", "12\u00a0|nan", "１２|nan", "-1e309|big", "0.001e312|big", QString(1 << 20, ' ') + "|nan", QString(1 << 20, '7') + "|big"})
            QTest::newRow(qPrintable(row.left(20))) << row.section('|', 0, 0) << row.section('|', 1);
    }

    void reads()
    {
        QFETCH(QString, text);
        QFETCH(QString, reads);
        try {
            QCOMPARE(toNumber(text.toStdString(), 3), reads.toDouble());
            QVERIFY(reads != "nan" && reads != "big");
        } catch (const NotANumber &e) {
            QVERIFY(reads == "nan" && e.text() == text.toStdString() && e.input() == 3);
        } catch (const TooLarge &) {
            QCOMPARE(reads, "big");
        }
        QCOMPARE(isBlank(text.toStdString()), text.count(' ') == text.size()); // a tab is not a blank
    }

    // The point is the separator in any locale.
    void commaLocale()
    {
        if (!std::setlocale(LC_ALL, "de_DE.UTF-8"))
            QSKIP("no de_DE.UTF-8 locale");
        QCOMPARE(toNumber("2.5"), 2.5);
        QVERIFY_THROWS_EXCEPTION(NotANumber, toNumber("2,5"));
    }
};

QTEST_APPLESS_MAIN(tst_NumberText)
#include "tst_numbertext.moc"
