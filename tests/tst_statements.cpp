// SPDX-FileCopyrightText: 2026 ratebook developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The statement and workbook read back as received: the PDF by pdftotext, cells by unzip,
// and figures as LibreOffice works them out afresh.
#include "fixture.h"

#include "app/startup.h"

namespace {

// Run in `folder`, under a locale that leaves figures as the program shows them.
QString output(const QString &program, const QStringList &arguments, const QString &folder = {})
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("LC_ALL", "C.UTF-8");
    process.setProcessEnvironment(environment);
    process.setWorkingDirectory(folder);
    process.start(program, arguments);
    process.waitForFinished(120000);
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

    // The window of an estimate opened from a sample.
    static QWidget *opened(const QString &file, const QString &name)
    {
        ratebook::start({"ratebook", sample(file)});
        return child(ratebook::windows::extractor(), name);
    }
    QWidget *filled(const QString &name, const QStringList &costs = worked::costs)
    {
        if (name == "AbstractOfEstimate")
            return opened("estimate", name);
        if (name == "DetailsOfMeasurement")
            return opened("one-room-building", name);
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

    // The workbook with the value of every formula dropped, `edit` ("B4=25") typed into its
    // first sheet, worked out afresh by LibreOffice; its pages as text.
    QString recalculate(const QString &book, const QString &edit = {})
    {
        const QString unpacked = dir.filePath("unpacked");
        QDir(unpacked).removeRecursively();
        output("unzip", {"-q", book, "-d", unpacked});
        for (const QFileInfo &sheet : QDir(unpacked + "/xl/worksheets").entryInfoList({"*.xml"})) {
            QString xml = bytes(sheet.filePath());
            xml.remove(QRegularExpression("(?<=</f>)<v>[^<]*</v>"));
            const QString typed = QString("\\1%1\\2").arg(edit.section('=', 1));
            if (!edit.isEmpty() && sheet.fileName() == "sheet1.xml")
                xml.replace(
                    QRegularExpression(
                        QString("(<c r=\"%1\"[^>]*><v>)[^<]*(</v>)").arg(edit.section('=', 0, 0))),
                    typed);
            written(sheet.filePath(), xml.toUtf8());
        }
        const QString again = dir.filePath("again.xlsx");
        QFile::remove(again);
        output("zip", {"-qr", again, "."}, unpacked);
        if (output("unzip", {"-p", again, "xl/worksheets/sheet1.xml"}).contains("</f><v>"))
            return {}; // nothing would be worked out afresh
        output("soffice", {"-env:UserInstallation=file://" + dir.filePath("office"), "--headless",
                           "--convert-to", "pdf", "--outdir", dir.path(), again});
        return output("pdftotext", {"-layout", dir.filePath("again.pdf"), "-"});
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
        QTest::addColumn<QString>("title");
        QTest::addColumn<int>("added"); // blank lines added to the table
        QTest::addColumn<int>("pages");
        const QString rates = "Rate Analysis";
        const QString sheet = "DetailsOfMeasurement";
        const QString measurement = "Details of Measurement";
        QTest::newRow("rates, PDF") << "datasheet1" << "Ctrl+Shift+E" << rates << 0 << 1;
        QTest::newRow("rates, printed") << "datasheet1" << "Ctrl+P" << rates << 0 << 1;
        QTest::newRow("abstract, PDF")
            << "AbstractOfEstimate" << "Ctrl+Shift+E" << "Abstract of Estimate" << 0 << 1;
        QTest::newRow("measurements, PDF") << sheet << "Ctrl+Shift+E" << measurement << 0 << 1;
        QTest::newRow("measurements over two pages") << sheet << "Ctrl+P" << measurement << 40 << 2;
    }
    // Every cell as shown, every input as typed, the header atop each page; in the very file
    // the dialog named.
    void statement()
    {
        QFETCH(QString, window);
        QFETCH(QString, keys);
        QFETCH(QString, title);
        QFETCH(int, added);
        QWidget *w = filled(window);
        for (int line = 0; line < added; ++line)
            onTable(w, "Insert");
        onTable(w, keys);
        const QString text = output("pdftotext", {"-layout", answers.file, "-"});
        const QStringList pages = text.split('\f', Qt::SkipEmptyParts);
        QTEST(int(pages.size()), "pages");
        const QString today = QLocale().toString(QDate::currentDate(), QLocale::LongFormat);
        QStringList shown{title, "Ward 7 school", "Cuttack", today, "Prepared by", "Checked by"};
        for (const QString &row : tableRows(w))
            shown << row.split(" | ", Qt::SkipEmptyParts);
        for (const QLineEdit *box : w->findChildren<QLineEdit *>())
            shown << box->text();
        for (const QLabel *words : w->findChildren<QLabel *>("words"))
            shown << words->text();
        for (const QString &cell : shown)
            QVERIFY2(text.contains(cell), qPrintable(cell + " not in:\n" + text));
        const QAbstractItemModel *table = child<QTreeView>(w, "ListView1")->model();
        for (qsizetype page = 0; page < pages.size(); ++page) {
            const QString number = QString("Page %1 of %2").arg(page + 1).arg(pages.size());
            for (int column = 0; column < table->columnCount(); ++column)
                QVERIFY(pages[page].contains(table->headerData(column, Qt::Horizontal).toString()));
            QVERIFY2(pages[page].contains(number), qPrintable(number + " not in:\n" + pages[page]));
        }
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

    void formulas_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QList<int>>("rows"); // an abstract's empty sixth is not kept
        QTest::addColumn<QStringList>("formulas");
        QTest::newRow("abstract: amounts as formulas")
            << "AbstractOfEstimate" << QList<int>{7, 10, 18, 19, 20, 21, 22}
            << QStringList{"##,##0.00=ROUND(ROUND(C9,3)*E9/F9,2)=24690",
                           "##,##0.00=SUM(G9:G11)=32165",
                           "##,##0.00=SUM(G12,G15,G19)=86307.91",
                           "##,##0.00=ROUND(SUM(G20:G20)*5/100,2)=4315.4",
                           "##,##0.00=ROUND(SUM(G20:G21)*18/100,2)=16312.2",
                           "##,##0.00=SUM(G20:G22)=106935.51",
                           "##,##0.00=ROUND(G23,-2)=106900"};
        QTest::newRow("measurements: E1's net, item 6's line and totals")
            << "DetailsOfMeasurement" << QList<int>{8, 14, 16, 19, 20}
            << QStringList{"0.00=SUM(G8:G9)=11.23", "0.00=ROUND(PRODUCT(C16:F16),2)=6.15",
                           "0.00=SUM(G16:G17)=10.29", "0.00=SUM(G19:G20)=1.14",
                           "0.00=SUM(G16:G17)-SUM(G19:G20)=9.15"};
    }
    // Each figure a formula worked out to the figure shown.
    void formulas()
    {
        QFETCH(QString, window);
        QFETCH(QList<int>, rows);
        answers.file = dir.filePath("formulas.xlsx");
        onTable(filled(window), "Ctrl+E");
        const QStringList sheet = sheetRows(answers.file, 1);
        QStringList formulas;
        for (int row : rows)
            formulas << sheet.value(row).split(" | ").filter(QRegularExpression("=[A-Z]+\\("));
        QTEST(formulas, "formulas");
    }

    void bundle_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QStringList>("parts");
        QTest::addColumn<QString>("notCounted");
        const QString a = "Abstract of Estimate", r = "Rate Analysis", m = "Material Statement";
        QTest::newRow("the one-room building, every part")
            << "one-room-building"
            << QStringList{a, "Details of Measurement", r, m, "Labour Statement"}
            << "item E1, item S1";
        QTest::newRow("no measurements, no part of them") << "estimate"
            << QStringList{a, r, m, "Labour Statement"} << "RCC (1:2:4) mix, RCC (1:1.5:3)";
    }
    // The face sheet with the last figure in words and the parts listed at the page each starts
    // on; every page headed by the name of work and counted over them all.
    void bundle()
    {
        QFETCH(QStringList, parts);
        QFETCH(QString, file);
        QWidget *a = opened(file, "AbstractOfEstimate");
        onTable(a, "Ctrl+Shift+D");
        const QString pdf = output("pdftotext", {"-layout", answers.file, "-"});
        const QStringList pages = pdf.split('\f', Qt::SkipEmptyParts);
        const QString work = ratebook::documents::Document::of(a)->details().work;
        for (qsizetype p = 0; p < pages.size(); ++p) {
            const QString number = QString("Page %1 of %2").arg(p + 1).arg(pages.size());
            QVERIFY2(pages[p].startsWith(work) && pages[p].section('\n', 0, 0).endsWith(number),
                     qPrintable(number));
        }
        QCOMPARE(pages[0].count(QRegularExpression(" page \\d+\\n")), parts.size());
        int last = 1;
        for (const QString &part : parts) {
            const QRegularExpressionMatch listed
                = QRegularExpression(part + " +page (\\d+)").match(pages[0]);
            QVERIFY2(listed.hasMatch() && listed.captured(1).toInt() > last, qPrintable(part));
            last = listed.captured(1).toInt();
            QVERIFY2(pages[last - 1].section('\n', 0, 4).contains(part), qPrintable(part));
        }
        QVERIFY(pages[0].contains(tableRows(a).last().section(" | ", -1)));
        QVERIFY(pages[0].contains(child<QLabel>(a, "words")->text().section(": ", 1)));
        QFETCH(QString, notCounted);
        QVERIFY(pdf.simplified().contains(
            "Not counted, having no labour in the data sheet: " + notCounted + "."));
    }

    void wholeWorkbook_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("cement"); // typed over the costs sheet's; none
        QTest::newRow("the one-room building") << "one-room-building" << "";
        QTest::newRow("the worked abstract") << "estimate" << "";
        QTest::newRow("a cost changed, the estimate under a lakh") << "estimate" << "25";
        QTest::newRow("a random estimate") << "random" << "";
    }
    // Every cached figure gone, LibreOffice works the estimate out again from its costs and its
    // quantities: each figure the abstract, the materials and the labour show, as the program
    // works them out, grouped in lakhs; a label that quotes a figure follows it, and words no
    // longer of the figure say so.
    void wholeWorkbook()
    {
        QFETCH(QString, file);
        QFETCH(QString, cement);
        QWidget *a = opened(file == "random" ? "estimate" : file, "AbstractOfEstimate");
        QWidget *w = ratebook::windows::extractor();
        QRandomGenerator random(20261207);
        for (int item = 1; file == "random" && item <= 12; ++item) {
            child<QCheckBox>(w, QString("Check%1").arg(item))->setChecked(false);
            child<QLineEdit>(w, QString("Text%1").arg(item))
                ->setText(QString::number(random.bounded(99999) / 7.0));
        }
        answers.file += ".xlsx";
        onTable(a, "Ctrl+Shift+X");
        const QString edit = cement.isEmpty() ? QString() : "B4=" + cement;
        const QString again = recalculate(answers.file, edit);
        if (!cement.isEmpty()) {
            const QByteArray typed = "\"cement1\": \"" + cement.toUtf8();
            answers.file = written(dir.filePath("cheap"),
                                   edited("costs", "\"cement1\": \"250", typed));
            onTable(a, "Ctrl+R");
            QVERIFY(again.contains("not of the figure above"));
        }
        onTable(a, "Ctrl+L");
        QStringList figures;
        for (QWidget *window : {a, w, child(a, "LabourStatement")}) {
            for (const QString &row : tableRows(window))
                figures << row.split(" | ", Qt::SkipEmptyParts)
                               .filter(QRegularExpression("^[-0-9.,]+( |$)"));
        }
        figures.replaceInStrings(QRegularExpression(" \\(.*"), "");
        for (const QString &f : figures)
            QVERIFY2(again.contains(f), qPrintable(f + " not in:\n" + again));
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
