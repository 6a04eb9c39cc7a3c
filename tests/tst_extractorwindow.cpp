// The material extractor beside what the random sessions compare: captions and columns
// as shown, known tables cell by cell, and the real message box.
#include "windowtest.h"

class tst_ExtractorWindow : public QObject
{
    Q_OBJECT

    QWidget *w = nullptr;
    MessageLog messages;

    QCheckBox *tick(int item) { return child<QCheckBox>(w, qPrintable(QStringLiteral("Check%1").arg(item))); }
    // Typing over a box starts with a click on its tick, which opens it and gives it the focus.
    void typeOver(int item, const QString &text)
    {
        QTest::mouseClick(tick(item), Qt::LeftButton);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(QApplication::focusWidget(), text);
    }

private slots:
    void init() { QVERIFY(w = openWindow("Form17")); }
    void cleanup() { closeEverything(); }

    // The blanks set the units in a column, so the caption lengths are exact; all items start
    // at zero, and the table shows its three rows without scrolling.
    void itemsAndTable()
    {
        QCOMPARE(w->windowTitle(), QString("Material Extractor"));
        const qsizetype lengths[] = {71, 70, 71, 72, 59, 59, 59, 59, 56, 56, 56, 56};
        for (int item = 1; item <= 12; ++item) {
            const QString name = WorkItems[item - 1], unit = item == 1 ? "(Cum )" : item <= 8 ? "(Cum)" : "(Sqm)";
            QCOMPARE(tick(item)->text(), name + QString(lengths[item - 1] - name.size() - unit.size(), ' ') + unit);
        }
        auto *table = child<QTreeWidget>(w, "ListView1"); // the headers are pinned where the rows are copied out
        QCOMPARE(tableRows(w), (QStringList{"00.00 (Cu.m)|00.00 (Cu.m)|00.00 (Nos)|00.00 (Cu.m)|00.00 (Cu.m)",
            "|||0.00 (50 Kg. Bags)|", "00.00 (Cft)|00.00 (Cft)||00.00 (Cft)|00.00 (Cft)"}));
        QVERIFY(table->viewport()->rect().contains(table->visualItemRect(table->topLevelItem(2))));
        // Typed in over the ticks, the worked example: the table follows, its widest cells shown whole.
        for (const auto &[item, text] : {std::pair(1, "10"), std::pair(3, "5"), std::pair(5, "20"), std::pair(9, "100")})
            typeOver(item, text);
        QCOMPARE(tableRows(w), (QStringList{"09.20 (Cu.m)|04.60 (Cu.m)|12000.00 (Nos)|04.70 (Cu.m)|15.00 (Cu.m)",
            "|||135.36 (50 Kg. Bags)|", "324.85 (Cft)|162.43 (Cft)||165.96 (Cft)|529.65 (Cft)"}));
        QCOMPARE(messages.take().size(), 0);
        for (int column = 0; column < 5; ++column) // the size hint is public on the base class
            QVERIFY(static_cast<QAbstractItemView *>(table)->sizeHintForColumn(column) <= table->columnWidth(column));
    }

    // Modal, question mark, one OK; the focus comes back to the box being typed in.
    void realMessageBox()
    {
        const QString seen = answerMessageBox([this] { typeOver(5, "x"); });
        QCOMPARE(seen, QStringLiteral("ratebook|Brick Masonary With CM (1:4) mix reads \"x\", which is not a number.|%1|1")
                           .arg(int(QMessageBox::Question)));
        QTRY_COMPARE(QApplication::focusWidget(), child<QWidget>(w, "Text5"));
    }
};

QTEST_MAIN(tst_ExtractorWindow)
#include "tst_extractorwindow.moc"
