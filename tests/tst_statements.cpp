// SPDX-FileCopyrightText: 2026 ratebook developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The statement and workbook read back as received: the PDF by pdftotext, cells by unzip.
#include "fixture.h"

#include "app/startup.h"

namespace {

QString output(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished();
    return QString::fromUtf8(process.readAllStandardOutput());
}

QStringList captures(const QString &text, const QString &pattern)
{
    QStringList found;
    for (const QRegularExpressionMatch &m : QRegularExpression(pattern).globalMatch(text))
        found << m.captured(1).replace("&amp;", "&");
    return found;
}

// A sheet's rows: a text as it stands, a number as "format=formula=value".
QStringList sheetRows(const QString &book, int sheet)
{
    auto part = [&book](const QString &name) { return output("unzip", {"-p", book, name}); };
    const QStringList strings = captures(part("xl/sharedStrings.xml"), "<t[^>]*>([^<]*)</t>");
    const QString styles = part("xl/styles.xml");
    QMap<QString, QString> formatCodes{{"0", "General"}, {"1", "0"}, {"2", "0.00"}};
    const QRegularExpression custom("<numFmt numFmtId=\"(\\d+)\" formatCode=\"([^\"]*)\"");
    for (const QRegularExpressionMatch &m : custom.globalMatch(styles))
        formatCodes[m.captured(1)] = m.captured(2);
    const QString xfs = styles.section("<cellXfs", 1);
    const QStringList formats = captures(xfs, "<xf numFmtId=\"(\\d+)\"");
    const QRegularExpression cell(
        R"x(<c r="\w+"(?: s="(\d+)")?( t="s")?>(?:<f>([^<]*)</f>)?<v>([^<]*)</v>)x");
    QStringList rows;
    const QString xml = part(QString("xl/worksheets/sheet%1.xml").arg(sheet));
    for (const QString &row : captures(xml, "<row [^>]*>(.*?)</row>")) {
        QStringList cells;
        for (const QRegularExpressionMatch &c : cell.globalMatch(row)) {
            const QString value = c.captured(4);
            if (c.hasCaptured(2)) {
                cells << strings.value(value.toInt());
                continue;
            }
            const QString formula = c.hasCaptured(3) ? c.captured(3) + "=" : "";
            cells << formatCodes.value(formats.value(c.captured(1).toInt())) + "=" + formula
                         + QString::number(value.toDouble(), 'g', 15);
        }
        rows << cells.join(" | ");
    }
    return rows;
}

} // namespace

class tst_Statements : public WindowTest
{
    Q_OBJECT

    QTemporaryDir dir;

    QWidget *filled(const QString &name, const QStringList &costs = worked::costs)
    {
        if (name == "AbstractOfEstimate") {
            ratebook::start({"ratebook", sample("estimate")});
            return ratebook::windows::extractor()->findChild<QWidget *>(name);
        }
        QWidget *w = openWindow(name);
        if (name == "Form17") {
            QTest::mouseClick(child(w, "Check5"), Qt::LeftButton);
            child<QLineEdit>(w, "Text5")->setText("-3.5");
            return w;
        }
        for (qsizetype i = 0; i < costs.size(); ++i)
            child<QLineEdit>(w, worked::costBoxes[i])->setText(costs[i]);
        press(w, "unitcost", "&Unit Cost");
        return w;
    }

private slots:
    void init()
    {
        answers.file = dir.filePath(QTest::currentDataTag());
        answers.forms.clear();
        answers.fileRequests.clear();
    }

    void statement_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("keys");
        QTest::newRow("rates, PDF") << "datasheet1" << "Ctrl+Shift+E";
        QTest::newRow("rates, printed") << "datasheet1" << "Ctrl+P";
        QTest::newRow("abstract, PDF") << "AbstractOfEstimate" << "Ctrl+Shift+E";
    }
    // Every cell as shown, every input as typed; in the very file the dialog named.
    void statement()
    {
        QFETCH(QString, window);
        QFETCH(QString, keys);
        QWidget *w = filled(window);
        onTable(w, keys);
        const QString text = output("pdftotext", {"-layout", answers.file, "-"});
        QStringList shown{"Ward 7 school", "Cuttack", "Page 1 of 1"};
        for (const QString &row : tableRows(w))
            shown << row.split(" | ", Qt::SkipEmptyParts);
        for (const QLineEdit *box : w->findChildren<QLineEdit *>())
            shown << box->text();
        for (const QLabel *words : w->findChildren<QLabel *>("words"))
            shown << words->text();
        for (const QString &cell : shown)
            QVERIFY2(text.contains(cell), qPrintable(cell + " not in:\n" + text));
    }

    void workbook_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QStringList>("costs");
        QTest::addColumn<QString>("typed"); // the first inputs as the inputs sheet holds them
        QTest::addColumn<QString>("row");   // the table's first row as the table sheet does
        QStringList costs = worked::costs;
        costs[0] = "250.125";
        costs[1] = "1.2e3";
        QTest::newRow("rates") << "datasheet1" << costs << "0.000=250.125 | 0=1200 | 0=1000"
            << "PCC (1:4:8) Mix/Cu.m | 0.00=1978.41 | 0.00=491 | 0.00=2469.41";
        QTest::newRow("materials") << "Form17" << QStringList() << "0=0 | 0=0 | 0=0"
            << "0.00=0 | Cu.m | 0.00=0 | Cu.m | 0.00=-2100 | Nos | 0.00=-0.33 | Cu.m | "
               "0.00=-1.33 | Cu.m";
    }
    // Inputs with the decimals typed; figures in two decimals, their units apart.
    void workbook()
    {
        QFETCH(QString, window);
        QFETCH(QStringList, costs);
        QWidget *w = filled(window, costs);
        onTable(w, "Ctrl+E");
        onTable(w, "Ctrl+E");
        QCOMPARE(answers.forms, QStringList{"statementDetails"});
        QCOMPARE(answers.fileRequests.size(), 2);
        QStringList typed;
        for (const QString &row : sheetRows(answers.file, 1).mid(5, 3))
            typed << row.section(" | ", 1, 1);
        QTEST(typed.join(" | "), "typed");
        const QStringList table = sheetRows(answers.file, 2);
        QCOMPARE(table.size(), tableRows(w).size() + 1);
        QTEST(table.value(1), "row");
    }

    // Each amount a formula worked out to the figure shown, grouped the Indian way.
    void abstractWorkbook()
    {
        answers.file = dir.filePath("abstract.xlsx");
        onTable(filled("AbstractOfEstimate"), "Ctrl+E");
        const QStringList rows = sheetRows(answers.file, 1);
        QStringList amounts;
        for (int row : {7, 10, 18, 19, 20, 21, 22}) // the empty sixth row is not kept
            amounts << rows.value(row).section(" | ", -1);
        QCOMPARE(amounts, (QStringList{"##\\,##0.00=ROUND(C9*E9/F9,2)=24690",
                                       "##\\,##0.00=SUM(G9:G11)=32165",
                                       "##\\,##0.00=SUM(G12,G15,G19)=86307.91",
                                       "#\\,##0.00=ROUND(SUM(G20:G20)*5/100,2)=4315.4",
                                       "##\\,##0.00=ROUND(SUM(G20:G21)*18/100,2)=16312.2",
                                       "#\\,##\\,##0.00=SUM(G20:G22)=106935.51",
                                       "#\\,##\\,##0.00=ROUND(G23,-2)=106900"}));
    }

    void refused_data()
    {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("verb");
        QTest::newRow("print") << "Ctrl+P" << "Print" << "print";
        QTest::newRow("PDF") << "Ctrl+Shift+E" << "Export PDF" << "export";
        QTest::newRow("workbook") << "Ctrl+E" << "Export to spreadsheet" << "export";
    }
    // Before the figures are worked out, or once a cost has changed, nothing goes out.
    void refused()
    {
        QFETCH(QString, keys);
        QFETCH(QString, title);
        QFETCH(QString, verb);
        onTable(openWindow("datasheet1"), keys);
        const QString empty = "|The table is empty, so there is nothing to %1. "
                              "Work out the figures first.";
        QCOMPARE(answers.takeMessages(), QStringList{title + empty.arg(verb)});
        closeEverything();
        QWidget *w = filled("datasheet1");
        QTest::keyClicks(child(w, "cement1"), "5");
        onTable(w, keys);
        const QString changed = "|The costs have changed since the rates were worked out: "
                                "press Unit Cost first.";
        QCOMPARE(answers.takeMessages(), QStringList{title + changed});
        QCOMPARE(answers.fileRequests.size(), 0);
        QTest::keyClick(child(w, "cement1"), Qt::Key_Backspace);
        onTable(w, keys);
        QCOMPARE(answers.forms, QStringList{"statementDetails"});
    }
};

QTEST_MAIN(tst_Statements)
#include "tst_statements.moc"
