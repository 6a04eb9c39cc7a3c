// SPDX-FileCopyrightText: 2026 ratebook developers
// SPDX-License-Identifier: GPL-3.0-or-later
// What a typed text reads as: every box reads through here.
#include "worked.h"

#include <QTest>

using namespace ratebook;

class tst_NumberText : public QObject
{
    Q_OBJECT

private slots:
    void reads_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("reads"); // a number, "not a number" or "too large"
        QTest::newRow("blanks around and leading zeros") << "  007  " << "7";
        QTest::newRow("a point first or last") << ".5" << "0.5";
        QTest::newRow("a capital exponent") << "-25E-1" << "-2.5";
        QTest::newRow("too small for a double is zero") << "1e-400" << "0";
        QTest::newRow("an exponent brings it in range") << "0.0001e312" << "1e+308";
        QTest::newRow("only blanks") << "   " << "not a number";
        QTest::newRow("a decimal comma") << "1,5" << "not a number";
        QTest::newRow("an exponent without digits") << "1e" << "not a number";
        QTest::newRow("past the largest double") << "-1e309" << "too large";
        QTest::newRow("a megabyte of digits") << QString(1 << 20, '7') << "too large";
    }
    void reads()
    {
        QFETCH(QString, text);
        QTEST(outcome([&text] { return QString::number(toNumber(text.toStdString())); }), "reads");
    }
};

QTEST_APPLESS_MAIN(tst_NumberText)
#include "tst_numbertext.moc"
