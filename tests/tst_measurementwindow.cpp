// SPDX-FileCopyrightText: 2026 ratebook developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The details of measurement typed as a user types them, the nets reaching the extractor and
// the abstract; items of one's own added, measured, priced and removed.
#include "fixture.h"

#include "app/startup.h"

namespace {

QAbstractItemView *sheetOf(QWidget *abstract)
{
    return child<QAbstractItemView>(child(abstract, "DetailsOfMeasurement"), "ListView1");
}

QStringList column(QAbstractItemView *view, int column)
{
    QStringList cells;
    for (int row = 0; row < view->model()->rowCount(); ++row)
        cells << view->model()->index(row, column).data().toString();
    return cells;
}

// Keys one by one to whatever has the focus, as they would come from the keyboard.
void type(const QString &keys)
{
    for (const QString &key : keys.split('|')) {
        if (key == "Enter")
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        for (const QChar c : key == "Enter" ? QString() : key)
            QTest::keyClicks(QApplication::focusWidget(), c);
        QCoreApplication::processEvents();
    }
}

} // namespace

class tst_MeasurementWindow : public WindowTest
{
    Q_OBJECT

    QWidget *w = nullptr; // the extractor
    QWidget *a = nullptr; // the abstract
    QAbstractItemView *sheet = nullptr;

    void openSample(const QString &name)
    {
        ratebook::start({"ratebook", sample(name)});
        QVERIFY(w = ratebook::windows::extractor());
        QVERIFY(a = w->findChild<QWidget *>("AbstractOfEstimate"));
    }
    // An item's measurement begun from the sheet's menu, the focus on its first line.
    void measure(const QString &item)
    {
        answers.formAnswers = QStringList{item};
        onTable(a, "Ctrl+M");
        sheet = sheetOf(a);
        onTable(sheet->window(), "Ctrl+M");
        QCOMPARE(answers.forms.takeLast(), "measureItem");
    }
    // The sheet active, on the cell given.
    void goTo(int row, int column)
    {
        sheet = sheetOf(a);
        onTable(sheet->window(), "");
        sheet->setCurrentIndex(sheet->model()->index(row, column));
    }
    QString abstractRow(const QString &number)
    {
        for (const QString &row : tableRows(a)) {
            if (row.startsWith(number + " | "))
                return row;
        }
        return "no row";
    }

private slots:
    void init() { answers.formAnswers = QStringList{"Ward 7 school", "Cuttack"}; }

    // The worked one-room building: each line, the gross, deductions and nets, and the
    // abstract's last figure.
    void workedSheet()
    {
        openSample("one-room-building");
        sheet = sheetOf(a);
        QVERIFY(sheet->isVisible());
        QCOMPARE(column(sheet, 6),
                 (QStringList{"", "7.24", "3.99", "11.23", "", "1.21", "0.66", "1.87",
                              "", "6.15", "4.14", "10.29", "0.48", "0.66", "1.14", "9.15",
                              "", "24.00", "18.00", "1.01", "43.01", "2.10", "2.10", "40.91"}));
        QCOMPARE(column(sheet, 1).mid(11, 5),
                 (QStringList{"Gross", "Deduct: door", "Deduct: windows", "Deductions", "Net"}));
        QCOMPARE(tableRows(a).last(), " | Say |  |  |  |  | 68,300.00");
    }

    // Enter goes cell to cell and from the last to a new line; the net goes into item 6's
    // box, opened for it, and the materials and the abstract follow; the sheet keeps the keys.
    void typedLineReachesExtractor()
    {
        QVERIFY(w = openWindow("Form17"));
        answers.file = sample("costs");
        onTable(w, "Ctrl+Shift+A");
        QVERIFY(a = w->findChild<QWidget *>("AbstractOfEstimate"));
        measure("6  Brick Masonary With CM (1:5) mix");
        type("Long walls|Enter|2|Enter|4.46|Enter|0.23|Enter|3|Enter");
        QCOMPARE(column(sheet, 6).mid(1, 3), (QStringList{"6.15", "", "6.15"}));
        QCOMPARE(sheet->currentIndex().row(), 2);
        QCOMPARE(child<QLineEdit>(w, "Text6")->text(), "6.15");
        QVERIFY(!child<QCheckBox>(w, "Check6")->isChecked());
        QCOMPARE(tableRows(w)[0].section(" | ", 2, 2), "3690.00 (Nos)");
        QCOMPARE(abstractRow("6"),
                 "6 | Brick Masonary With CM (1:5) mix | 6.150 | Cum | 3,499.20 | "
                 "1 Cum | 21,520.08");
        QCOMPARE(QApplication::focusWidget()->window(), sheet->window());
        // The line marked as a deduction, then measured again.
        sheet->setCurrentIndex(sheet->model()->index(1, 1));
        onTable(sheet->window(), "Ctrl+D");
        QCOMPARE(column(sheet, 1).mid(1, 5), (QStringList{"", "Gross", "Deduct: Long walls",
                                                          "Deductions", "Net"}));
        QCOMPARE(child<QLineEdit>(w, "Text6")->text(), "-6.15");
        onTable(sheet->window(), "Ctrl+D");
        QCOMPARE(column(sheet, 1).mid(1, 3), (QStringList{"", "Long walls", "Net"}));
        sheet->setCurrentIndex(sheet->model()->index(1, 1));
        onTable(sheet->window(), "Delete");
        QCOMPARE(column(sheet, 1).mid(1, 2), (QStringList{"Long walls", "Net"}));
    }

    // A bad factor is refused naming item, line and column, and the cell keeps what it had.
    void badCellRefused()
    {
        openSample("one-room-building");
        goTo(9, 3); // item 6, long walls, length
        type("4.4.6|Enter");
        QCOMPARE(
            answers.takeMessages(),
            QStringList{"ratebook|The length typed on line 1 of 6 Brick Masonary With CM (1:5) "
                        "mix, \"4.4.6\", is not a number."});
        QCOMPARE(sheet->model()->index(9, 3).data().toString(), "4.46");
        QCOMPARE(child<QLineEdit>(w, "Text6")->text(), "9.15");
    }

    // Typed over or zeroed in the extractor, the box is marked, not overwritten, until a line
    // of the item changes.
    void markedWhileTheyDiffer()
    {
        openSample("one-room-building");
        sheet = sheetOf(a);
        const QModelIndex net = sheet->model()->index(15, 1);
        QLineEdit *box = child<QLineEdit>(w, "Text6");
        box->selectAll();
        QTest::keyClicks(box, "5");
        QCOMPARE(net.data().toString(), "Net (the extractor holds 5; measured 9.15)");
        press(w, "desiable", "&Disable All");
        QCOMPARE(net.data().toString(), "Net (the extractor holds 0; measured 9.15)");
        goTo(9, 2);
        type("3|Enter");
        QCOMPARE(box->text(), "12.23");
        QCOMPARE(net.data().toString(), "Net");
    }

    // Added under a new sub-head, moved to the top, measured, priced; removing it asks first.
    void ownItem()
    {
        openSample("estimate");
        answers.formAnswers = QStringList{"E1",       "Earthwork in excavation", "Cum", "1", "250",
                                          "Earthwork"};
        onTable(a, "Ctrl+N");
        QCOMPARE(abstractRow("E1"),
                 "E1 | Earthwork in excavation | 0.000 | Cum | 250.00 (by hand) | 1 Cum | 0.00");
        QCOMPARE(tableRows(a)[12], " | Earthwork |  |  |  |  | ");
        auto *table = child<QTreeWidget>(a, "ListView1");
        table->setCurrentItem(table->topLevelItem(12));
        for (int up = 0; up < 3; ++up)
            onTable(a, "Ctrl+Up");
        QCOMPARE(tableRows(a)[0], " | Earthwork |  |  |  |  | ");
        answers.formAnswers = QStringList{"E1", "x", "Cum", "1", "250", "Earthwork"};
        onTable(a, "Ctrl+N");
        QCOMPARE(answers.takeMessages(),
                 QStringList{"Add Item|No. E1 is another item's: each item has a No. "
                             "of its own."});
        measure("E1  Earthwork in excavation");
        type("Trench|Enter|2|Enter|5.03|Enter|0.8|Enter|0.9|Enter");
        QCOMPARE(
            abstractRow("E1"),
            "E1 | Earthwork in excavation | 7.240 | Cum | 250.00 (by hand) | 1 Cum | 1,810.00");
        table->setCurrentItem(table->topLevelItem(1));
        answers.answer = 1;
        onTable(a, "Delete");
        QCOMPARE(answers.questions.takeLast(),
                 "Remove Item|Remove item E1 and its details of measurement?");
        QCOMPARE(abstractRow("E1").left(2), "E1");
        answers.answer = 0;
        onTable(a, "Delete");
        QCOMPARE(abstractRow("E1"), "no row");
        QCOMPARE(sheet->model()->rowCount(), 0);
    }
};

QTEST_MAIN(tst_MeasurementWindow)
#include "tst_measurementwindow.moc"
