// What a typed text reads as: the grammar shared by both work windows, overflow against
// underflow, and that a comma locale does not change the decimal separator.
#include "common/numbertext.h"

#include <QTest>

#include <clocale>
#include <cmath>

using namespace ratebook;

class tst_NumberText : public QObject
{
    Q_OBJECT

private slots:
    void blank_data();
    void blank();
    void converts_data();
    void converts();
    void rejects_data();
    void rejects();
    void tooLarge_data();
    void tooLarge();
    void namesTheInput();
    void commaLocaleKeepsThePoint();
};

void tst_NumberText::blank_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("blank");
    QTest::newRow("empty") << "" << true;
    QTest::newRow("spaces") << "   " << true;
    QTest::newRow("digit among spaces") << " 1 " << false;
    QTest::newRow("lone point") << "." << false;
    // Only the space counts as blank, as the boxes are tested elsewhere.
    QTest::newRow("tab") << "\t" << false;
}

void tst_NumberText::blank()
{
    QFETCH(QString, text);
    QFETCH(bool, blank);
    QCOMPARE(isBlank(text.toStdString()), blank);
}

void tst_NumberText::converts_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");
    QTest::newRow("integer") << "250" << 250.0;
    QTest::newRow("decimal") << "12.75" << 12.75;
    QTest::newRow("leading point") << ".5" << 0.5;
    QTest::newRow("trailing point") << "5." << 5.0;
    QTest::newRow("leading zeros") << "007" << 7.0;
    QTest::newRow("spaces around") << "  42  " << 42.0;
    QTest::newRow("plus sign") << "+.5" << 0.5;
    QTest::newRow("minus sign") << "-3" << -3.0;
    QTest::newRow("exponent") << "1.5e3" << 1500.0;
    QTest::newRow("exponent signs") << "25E-1" << 2.5;
    QTest::newRow("largest double") << "1.7976931348623157e308" << 1.7976931348623157e308;
    QTest::newRow("underflow is zero") << "1e-400" << 0.0;
    QTest::newRow("just the largest, written small") << "0.0001e312" << 1e308;
    QTest::newRow("tiny but representable") << "1e-310" << 1e-310;
    QTest::newRow("huge exponent on zero") << "0e99999999999999999999" << 0.0;
    QTest::newRow("400 digits") << QString(400, '9').prepend("0.") << 1.0;
}

void tst_NumberText::converts()
{
    QFETCH(QString, text);
    QFETCH(double, value);
    QCOMPARE(toNumber(text.toStdString()), value);
}

void tst_NumberText::rejects_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("empty") << "";
    QTest::newRow("blank") << "   ";
    QTest::newRow("lone point") << ".";
    QTest::newRow("two points") << "1.2.3";
    QTest::newRow("double point") << "1..2";
    QTest::newRow("comma") << "1,5";
    QTest::newRow("letter after number") << "12a";
    QTest::newRow("lone minus") << "-";
    QTest::newRow("sign then point") << "-.";
    QTest::newRow("two signs") << "+-1";
    QTest::newRow("space inside") << "1 2";
    QTest::newRow("exponent without digits") << "1e";
    QTest::newRow("exponent without mantissa") << "e5";
    QTest::newRow("hex") << "0x10";
    QTest::newRow("inf") << "inf";
    QTest::newRow("nan") << "NaN";
    QTest::newRow("tab around") << "\t5";
    QTest::newRow("no-break space") << QString::fromUtf8("5\u00a0");
    QTest::newRow("arabic-indic digits") << QString::fromUtf8("١٢");
    QTest::newRow("fullwidth digits") << QString::fromUtf8("１２");
    QTest::newRow("embedded nul") << QString::fromUtf8("1\0" "2", 3);
}

void tst_NumberText::rejects()
{
    QFETCH(QString, text);
    const std::string s = text.toStdString();
    try {
        toNumber(s);
        QFAIL("converted a text that is not a number");
    } catch (const NotANumber &e) {
        QCOMPARE(e.text(), s);
    }
}

void tst_NumberText::tooLarge_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("past the largest double") << "1.8e308";
    QTest::newRow("negative") << "-1e309";
    QTest::newRow("310 digits") << QString(310, '9');
    QTest::newRow("saturated exponent") << "1e99999999999999999999";
    QTest::newRow("digits behind the point, large exponent") << "0.001e312";
}

void tst_NumberText::tooLarge()
{
    QFETCH(QString, text);
    QVERIFY_THROWS_EXCEPTION(TooLarge, toNumber(text.toStdString()));
}

void tst_NumberText::namesTheInput()
{
    try {
        toNumber("1.2.3", 4);
        QFAIL("converted two points");
    } catch (const NotANumber &e) {
        QCOMPARE(e.input(), 4);
        QCOMPARE(e.text(), std::string("1.2.3"));
    }
}

void tst_NumberText::commaLocaleKeepsThePoint()
{
    const char *set = std::setlocale(LC_ALL, "de_DE.UTF-8");
    if (!set)
        set = std::setlocale(LC_ALL, "fr_FR.UTF-8");
    if (!set)
        QSKIP("no comma-decimal locale is installed");
    const double value = toNumber("2.5");
    const bool commaRejected = [] {
        try { toNumber("2,5"); return false; } catch (const NotANumber &) { return true; }
    }();
    std::setlocale(LC_ALL, "C");
    QCOMPARE(value, 2.5);
    QVERIFY(commaRejected);
}

QTEST_APPLESS_MAIN(tst_NumberText)
#include "tst_numbertext.moc"
