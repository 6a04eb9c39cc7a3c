// What a typed text reads as: every box of both windows reads through here, so this is the
// catalogue of odd texts too. Overflow against underflow, and the point whatever the locale.
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
        const QStringList rows = {"250|250", "12.75|12.75", ".5|0.5", "5.|5", "007|7", "  42  |42", "+.5|0.5", "-3|-3",
            "1.5e3|1500", "25E-1|2.5", "1E+2|100", "1e-400|0", "1e-310|1e-310", "0.0001e312|1e308", "0e99999999999999999999|0",
            "0." + QString(400, '9') + "|1", "0." + QString(400, '3') + "|0.3333333333333333", "|nan", "   |nan", ".|nan",
            "1.2.3|nan", "1..2|nan", "1,5|nan", "12a|nan", "-|nan", "-.|nan", "+-1|nan", "1 2|nan", "1e|nan", "e5|nan",
            "0x10|nan", "inf|nan", "NaN|nan", "\t|nan", "\t12\t|nan", "\u00a012\u00a0|nan", "١٢|nan", "１２|nan", "∞|nan",
            QString::fromUtf8("1\0" "2|nan", 7), "1.8e308|big", "-1e309|big", QString(310, '9') + "|big",
            "1e99999999999999999999|big", "0.001e312|big"};
        for (const QString &row : rows)
            QTest::newRow(qPrintable(row.left(24))) << row.section('|', 0, 0) << row.section('|', 1);
        QTest::newRow("a megabyte of blanks") << QString(1 << 20, ' ') << "nan";
        QTest::newRow("a megabyte of digits") << QString(1 << 20, '7') << "big";
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
        // Blank is spaces only: a tab is text.
        QCOMPARE(isBlank(text.toStdString()), text.count(' ') == text.size());
    }

    void commaLocaleKeepsThePoint()
    {
        if (!std::setlocale(LC_ALL, "de_DE.UTF-8"))
            QSKIP("no comma-decimal locale is installed (make test installs de_DE.UTF-8)");
        const auto restore = qScopeGuard([] { std::setlocale(LC_ALL, "C"); });
        QCOMPARE(toNumber("2.5"), 2.5);
        QVERIFY_THROWS_EXCEPTION(NotANumber, toNumber("2,5"));
    }
};

QTEST_APPLESS_MAIN(tst_NumberText)
#include "tst_numbertext.moc"
