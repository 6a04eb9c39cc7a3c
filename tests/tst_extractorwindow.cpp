// The extractor as a user drives it: a tick locks its box at "0", unticking opens it, and every
// keystroke rebuilds the table the computation gives; Enable All, Disable All and item 1's key.
#include "extractor/materials.h"
#include "windowtest.h"
#include "workedexample.h"

// Each item's caption: the name a failure names it by, the blanks that set the units in a column, the unit.
const char *const Items[] = {"PCC (1:4:8) mix|50|(Cum )", "PCC (1:5:10) mix|49|(Cum)", "RCC (1:2:4) mix|51|(Cum)",
    "RCC (1:1.5:3)|54|(Cum)", "Brick Masonary With CM (1:4) mix|22|(Cum)", "Brick Masonary With CM (1:5) mix|22|(Cum)",
    "Brick Masonary With CM (1:6) mix|22|(Cum)", "Brick Masonary With CM (1:8) mix|22|(Cum)",
    "Plastering with CM (1:3) Mix, 12  mm Thick|9|(Sqm)", "Plastering with CM (1:3) Mix, 20 mm Thick|10|(Sqm)",
    "Plastering with CM (1:5) Mix, 12 mm Thick|10|(Sqm)", "Plastering with CM (1:5) Mix, 20 mm Thick|10|(Sqm)"};

class tst_ExtractorWindow : public QObject
{
    Q_OBJECT

    QWidget *w = nullptr;
    MessageLog messages;

    QCheckBox *tick(int item) { return child<QCheckBox>(w, QStringLiteral("Check%1").arg(item)); }
    QLineEdit *box(int item) { return child<QLineEdit>(w, QStringLiteral("Text%1").arg(item)); }
    QString focused() { return QApplication::focusWidget()->objectName(); }
    // Each box as its text, " closed" when locked and " ticked" with its tick.
    QStringList items()
    {
        QStringList shown;
        for (int item = 1; item <= 12; ++item)
            shown << box(item)->text() + (box(item)->isEnabled() ? "" : " closed") + (tick(item)->isChecked() ? " ticked" : "");
        return shown;
    }
    // The rows the computation gives for the boxes' texts.
    QStringList computed()
    {
        ratebook::QuantityTexts texts;
        for (int item = 1; item <= 12; ++item)
            texts[std::size_t(item - 1)] = box(item)->text().toStdString();
        return joined(ratebook::materialTableRows(texts));
    }
    void type(int item, const char *keys) { QTest::keySequence(box(item), QKeySequence(keys)); }

private slots:
    void init() { QVERIFY(w = openWindow("Form17")); }
    void cleanup() { closeEverything(); QCOMPARE(messages.take(), QStringList()); }

    // Every item ticked and locked at "0", the table of zeros whole in view, the focus on Get Material.
    void opening()
    {
        auto *table = child<QTreeWidget>(w, "ListView1");
        QCOMPARE(w->windowTitle() + '|' + child<QGroupBox>(w, "Frame1")->title() + '|' + focused(), "Material Extractor|Material Listing|Command1");
        QCOMPARE(items(), QStringList(12, "0 closed ticked"));
        QCOMPARE(tableRows(w), computed());
        QStringList headers;
        for (int column = 0; column < table->columnCount(); ++column)
            headers << table->headerItem()->text(column);
        QCOMPARE(headers.join('|'), "40 MM METAL|20 MM CHIPS|BRICKS|CEMENT|SAND");
        QVERIFY(table->viewport()->rect().contains(table->visualItemRect(table->topLevelItem(2))));
        for (int column = 0; column < 5; ++column) // the widest cells shown whole; the size hint is public on the base
            QVERIFY(static_cast<QAbstractItemView *>(table)->sizeHintForColumn(column) <= table->columnWidth(column));
    }

    // Unticked, an item's box opens with the focus; a text that is no number is reported by the item's
    // name and empties the table; emptied or blank, the box holds "0" again; ticked, it is locked at "0".
    void eachItem()
    {
        for (int item = 1; item <= 12; ++item) {
            const QStringList caption = QString(Items[item - 1]).split('|');
            QCOMPARE(tick(item)->text(), caption[0] + QString(caption[1].toInt(), ' ') + caption[2]);
            QTest::mouseClick(tick(item), Qt::LeftButton);
            QCOMPARE(items()[item - 1] + '|' + focused(), "0|" + box(item)->objectName());
            type(item, "Ctrl+A, 2, 5");
            QCOMPARE(tableRows(w), computed());
            type(item, "x");
            QCOMPARE(messages.take(), QStringList{"ratebook|" + caption[0] + " reads \"25x\", which is not a number."});
            QCOMPARE(tableRows(w), QStringList());
            type(item, "Backspace");
            QCOMPARE(tableRows(w), computed());
            for (const char *keys : {"Backspace, Backspace", "Ctrl+A, Space"}) {
                type(item, keys);
                QCOMPARE(box(item)->text() + '|' + focused(), "0|" + box(item)->objectName());
                QCOMPARE(tableRows(w), computed());
                type(item, "4");
            }
            QTest::mouseClick(tick(item), Qt::LeftButton);
            QCOMPARE(items(), QStringList(12, "0 closed ticked"));
            QCOMPARE(tableRows(w), computed());
        }
    }

    // Enable All opens every item with its text, empties the table and leaves the focus in the last box it
    // opened; Disable All locks them at "0" and empties the table, which a changed box fills again.
    void allAtOnce()
    {
        press(w, "Command3", "&Enable All");
        QCOMPARE(items() + QStringList{focused()} + tableRows(w), QStringList(12, "0") << "Text12");
        press(w, "Command3", "&Enable All"); // none left to open: the focus stays
        QCOMPARE(focused(), "Command3");
        press(w, "Command1", "&Get Material");
        QCOMPARE(tableRows(w), computed());
        press(w, "desiable", "&Disable All");
        QCOMPARE(items() + tableRows(w), QStringList(12, "0 closed ticked"));
        press(w, "Command3", "&Enable All");
        type(2, "7");
        type(7, "Backspace, 3");
        press(w, "desiable", "&Disable All");
        QCOMPARE(items(), QStringList(12, "0 closed ticked"));
        QCOMPARE(tableRows(w), computed());
    }

    // A key on item 1's tick opens its box though the item stays ticked, and what is typed there counts.
    void itemOnesKey()
    {
        for (int item : {2, 1}) {
            tick(item)->setFocus();
            QTest::keyClick(tick(item), Qt::Key_A);
        }
        QCOMPARE(items().mid(0, 2), (QStringList{"0 ticked", "0 closed ticked"}));
        type(1, "End, 6");
        QCOMPARE(tableRows(w), computed());
        QCOMPARE(items()[0], "06 ticked");
        QTest::keyClick(tick(1), Qt::Key_Space);
        QCOMPARE(items()[0] + '|' + focused(), "06|Text1");
    }

    // Modal, question mark, one OK; the focus comes back to the box being typed in.
    void realMessageBox()
    {
        QTest::mouseClick(tick(5), Qt::LeftButton);
        const QString seen = answerMessageBox([this] { type(5, "x"); });
        QCOMPARE(seen, QStringLiteral("ratebook|Brick Masonary With CM (1:4) mix reads \"0x\", which is not a number.|%1|1")
                           .arg(int(QMessageBox::Question)));
        QTRY_COMPARE(QApplication::focusWidget(), box(5));
    }
};

QTEST_MAIN(tst_ExtractorWindow)
#include "tst_extractorwindow.moc"
