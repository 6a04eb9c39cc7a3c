// SPDX-FileCopyrightText: 2026 ratebook developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The statement and the workbook read back as the one who receives them would: the PDF's
// text through pdftotext, the workbook's cells through unzip; and an empty table refused.
#include "windowtest.h"

#include "ui/reportlist.h"
#include "ui/statementcommands.h"

#include <QPrinter>

using namespace ratebook;

class tst_Statements : public QObject
{
    Q_OBJECT

    MessageLog messages;
    QTemporaryDir dir;
    int dialogs = 0;

    static QString output(const QString &program, const QStringList &arguments)
    {
        QProcess process;
        process.start(program, arguments);
        return process.waitForFinished(), QString::fromUtf8(process.readAllStandardOutput());
    }
    static QStringList captures(const QString &text, const QString &pattern)
    {
        QStringList found;
        for (const auto &m : QRegularExpression(pattern).globalMatch(text))
            found << m.captured(1).replace("&amp;", "&");
        return found;
    }
    // The window with its table filled: the worked example, or a quantity typed.
    QWidget *filled(const QString &name)
    {
        QWidget *w = openWindow(name);
        const QStringList boxes = QString("cement1 MM20 MM40 SAND BRICKS MASON1 MASON2 MANMAZDOOR WOMANMAZDOOR").split(' ');
        const QStringList costs = QString("250 1200 1000 500 3 300 250 150 120").split(' '); // the worked example
        for (int i = 0; name == "datasheet1" && i < 9; ++i)
            QTest::keyClicks(child<QLineEdit>(w, boxes[i]), costs[i]);
        QTest::mouseClick(child<QPushButton>(w, name == "datasheet1" ? "unitcost" : "Command1"), Qt::LeftButton);
        if (name == "Form17") {
            QTest::mouseClick(child<QCheckBox>(w, "Check5"), Qt::LeftButton);
            QTest::keyClicks(QApplication::focusWidget(), "3.5"); // then made negative, which no filter stops
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Home);
            QTest::keyClicks(QApplication::focusWidget(), "-");
        }
        return w;
    }
    // The commands' shortcuts work while the table has the focus.
    static void press(QWidget *w, const QString &keys) { child<QWidget>(w, "ListView1")->setFocus(), QTest::keySequence(QApplication::focusWidget(), keys); }

private slots:
    void initTestCase()
    {
        ui::setStatementDialogs({[this](QWidget *, ui::WorkDetails &d) { return d = {"Ward 7 school", "Cuttack", false}, ++dialogs; },
                                 [this](QWidget *, auto &, auto &, auto &) { return ++dialogs, dir.filePath("out"); },
                                 [this](QWidget *, QPrinter &p) { return p.setOutputFileName(dir.filePath("out.pdf")), ++dialogs; }});
    }
    void init() { dialogs = 0; }
    void cleanup() { closeEverything(); QCOMPARE(messages.take().size(), 0); }

    void statement_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("keys");
        QTest::newRow("rates, PDF") << "datasheet1" << "Ctrl+Shift+E";
        QTest::newRow("rates, printed") << "datasheet1" << "Ctrl+P";
        QTest::newRow("materials, PDF") << "Form17" << "Ctrl+Shift+E";
    }
    // Every figure and header as the window shows it, every input as typed, the details.
    void statement()
    {
        QFETCH(QString, window);
        QFETCH(QString, keys);
        QWidget *w = filled(window);
        QFile::remove(dir.filePath("out.pdf"));
        press(w, keys);
        const QString text = output("pdftotext", {"-layout", dir.filePath("out.pdf"), "-"});
        QStringList shown = tableRows(w).join('|').split('|', Qt::SkipEmptyParts) << "Ward 7 school" << "Cuttack" << "Page 1 of 1";
        for (const QLineEdit *box : w->findChildren<QLineEdit *>())
            shown << box->text();
        for (const QString &cell : shown)
            QVERIFY2(text.contains(cell), qPrintable(cell + " not in:\n" + text));
    }
    void workbook_data()
    {
        QTest::addColumn<QString>("window");
        QTest::newRow("rates") << "datasheet1";
        QTest::newRow("materials") << "Form17";
    }
    // Each figure a number in the built-in two-decimal format (2), its unit in the next cell;
    // the details asked once in the window.
    void workbook()
    {
        QFETCH(QString, window);
        QWidget *w = filled(window);
        press(w, "Ctrl+E");
        press(w, "Ctrl+E");
        QCOMPARE(dialogs, 3);
        auto part = [this](const char *name) { return output("unzip", {"-p", dir.filePath("out.xlsx"), name}); };
        const QStringList strings = captures(part("xl/sharedStrings.xml"), "<t[^>]*>([^<]*)</t>");
        const QStringList formats = captures(part("xl/styles.xml").section("<cellXfs", 1), R"x(<xf numFmtId="(\d+)")x");
        QStringList sheet, expected;
        for (const QString &row : captures(part("xl/worksheets/sheet2.xml"), "<row [^>]*>(.*?)</row>")) {
            QStringList cells;
            for (const auto &c : QRegularExpression(R"x(<c r="\w+"(?: s="(\d+)")?( t="s")?><v>([^<]*)</v>)x").globalMatch(row))
                cells << (c.hasCaptured(2) ? strings.value(c.captured(3).toInt())
                                           : formats.value(c.captured(1).toInt()) + "=" + QString::number(c.captured(3).toDouble(), 'f', 2));
            sheet << cells.join('|');
        }
        for (const QString &row : tableRows(w)) {
            QStringList cells;
            for (const QString &cell : row.split('|', Qt::SkipEmptyParts)) {
                const auto figure = QRegularExpression(R"(^(-?\d*\.\d\d)(?: \((.+)\))?$)").match(cell);
                cells << (figure.hasMatch() ? "2=" + QString::number(figure.captured(1).toDouble(), 'f', 2) : cell);
                if (figure.hasCaptured(2))
                    cells << figure.captured(2);
            }
            expected << cells.join('|');
        }
        QCOMPARE(sheet.mid(1), expected);
        QCOMPARE(sheet.value(0).remove("|Unit").split('|'), child<ui::ReportList>(w, "ListView1")->headerTexts());
    }

    // Before "Unit Cost": nothing is asked and nothing written, and each command says why.
    void emptyTable()
    {
        QWidget *w = openWindow("datasheet1");
        for (const char *keys : {"Ctrl+P", "Ctrl+Shift+E", "Ctrl+E"})
            press(w, keys);
        QCOMPARE(messages.take().size(), 3); // "The table is empty, so there is nothing to ..."
        QCOMPARE(dialogs, 0);
    }
};

QTEST_MAIN(tst_Statements)
#include "tst_statements.moc"
