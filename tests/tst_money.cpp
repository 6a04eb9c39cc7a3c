// SPDX-FileCopyrightText: 2026 ratebook developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Money as a reader checks it with a calculator.
#include "common/money.h"

#include <QTest>

using namespace ratebook;

class tst_Money : public QObject
{
    Q_OBJECT

private slots:
    void lines_data()
    {
        QTest::addColumn<double>("quantity");
        QTest::addColumn<double>("rate");
        QTest::addColumn<int>("per");
        QTest::addColumn<qint64>("amount");
        QTest::newRow("the quantity is taken as shown") << 12.3456 << 3499.2 << 1 << 4320112LL;
        QTest::newRow("per 10 Sqm divides by ten once") << 125.5 << 917.0 << 10 << 1150835LL;
        QTest::newRow("a rate's half goes up on its decimal digits") << 1.0 << 1.005 << 1 << 101LL;
        QTest::newRow("a half paisa goes away from zero") << 0.5 << 0.01 << 1 << 1LL;
        QTest::newRow("minus half a paisa goes away from zero") << -0.5 << 0.01 << 1 << -1LL;
    }

    void lines()
    {
        QFETCH(double, quantity);
        QFETCH(double, rate);
        QFETCH(int, per);
        QTEST(qint64(amountFor(shownUnits(quantity, 3), shownUnits(rate, 2), per)), "amount");
    }

    void typedFigures_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("reads");
        QTest::newRow("commas may group thousands") << "7,650.50" << "765050";
        QTest::newRow("a fraction needs no leading zero") << "-.5" << "-50";
        QTest::newRow("blank is not a figure") << " " << "not a number";
        QTest::newRow("an exponent is not taken") << " 1e3" << "not a number";
        QTest::newRow("nor two points") << "1..2" << "not a number";
        QTest::newRow("a comma sits between digits") << "5," << "not a number";
        QTest::newRow("a third decimal is one too many") << "1.005" << "too many decimals";
    }

    void typedFigures()
    {
        QFETCH(QString, text);
        QString reads;
        try {
            reads = QString::number(parseFixed(text.toStdString(), 2));
        } catch (const BadFigure &e) {
            QCOMPARE(e.text(), text.toStdString());
            reads = e.why() == BadFigure::NotANumber ? "not a number" : "too many decimals";
        }
        QTEST(reads, "reads");
    }

    void tooLarge()
    {
        QVERIFY_THROWS_EXCEPTION(TooLarge, amountFor(INT64_MAX, 2, 1));
        QVERIFY_THROWS_EXCEPTION(TooLarge, parseFixed("92233720368547759", 2));
        QVERIFY_THROWS_EXCEPTION(TooLarge, shownUnits(1e300, 3));
    }

    void amountReads_data()
    {
        QTest::addColumn<qint64>("amount");
        QTest::addColumn<QString>("figures");
        QTest::addColumn<QString>("words");
        QTest::newRow("nothing is Rupees Zero") << 0LL << "0.00" << "Rupees Zero Only";
        QTest::newRow("paise alone say no Rupees") << 1LL << "0.01" << "Paise One Only";
        QTest::newRow("10.29 keeps its 29 paise")
            << 1029LL << "10.29" << "Rupees Ten and Paise Twenty-Nine Only";
        QTest::newRow("no comma below a thousand")
            << 99900LL << "999.00" << "Rupees Nine Hundred Ninety-Nine Only";
        QTest::newRow("a lakh") << 10000000LL << "1,00,000.00" << "Rupees One Lakh Only";
        QTest::newRow("a crore") << 1000000000LL << "1,00,00,000.00" << "Rupees One Crore Only";
        QTest::newRow("the Say, whole rupees")
            << 10690000LL << "1,06,900.00" << "Rupees One Lakh Six Thousand Nine Hundred Only";
        QTest::newRow("the most negative amount")
            << qint64(INT64_MIN) << "-92,23,37,20,36,85,47,758.08"
            << "Minus Rupees Nine Hundred Twenty-Two Crore Thirty-Three Lakh Seventy-Two Thousand "
               "Thirty-Six Crore Eighty-Five Lakh Forty-Seven Thousand Seven Hundred Fifty-Eight "
               "and Paise Eight Only";
    }

    void amountReads()
    {
        QFETCH(qint64, amount);
        QTEST(QString::fromStdString(fixedText(amount, 2, true)), "figures");
        QTEST(QString::fromStdString(rupeesInWords(amount)), "words");
    }
};

QTEST_APPLESS_MAIN(tst_Money)
#include "tst_money.moc"
