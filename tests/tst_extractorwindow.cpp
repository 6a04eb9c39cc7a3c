// The material extractor driven as a user drives it, its table read back cell by cell.
#include "windowtest.h"

#include "app/form1.h"
#include "extractor/form17.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>
#include <QTreeWidget>

using namespace ratebook;

static const QString Zeros = "00.00 (Cu.m)|00.00 (Cu.m)|00.00 (Nos)|00.00 (Cu.m)|00.00 (Cu.m)||||0.00 (50 Kg. Bags)||00.00 (Cft)|00.00 (Cft)||00.00 (Cft)|00.00 (Cft)";

static QCheckBox *tick(QWidget *w, int item) { return child<QCheckBox>(w, qPrintable(QStringLiteral("Check%1").arg(item))); }
static QLineEdit *box(QWidget *w, int item) { return child<QLineEdit>(w, qPrintable(QStringLiteral("Text%1").arg(item))); }
static QTreeWidget *table(QWidget *w) { return child<QTreeWidget>(w, "ListView1"); }
// Keys go where the user's focus is; typing over a box starts with a click on it or its tick.
static void press(QWidget *w, QKeyCombination key) { QTest::keyClick(w->focusWidget(), key.key(), key.keyboardModifiers()); }
static void type(QWidget *w, const QString &text) { QTest::keyClicks(w->focusWidget(), text); }
static void clickAndType(QWidget *w, QWidget *clicked, const QString &text)
{
    QTest::mouseClick(clicked, Qt::LeftButton);
    press(w, Qt::ControlModifier | Qt::Key_A);
    type(w, text);
}

// The table's cells row after row, joined by '|'.
static QString cells(QWidget *w)
{
    QStringList texts;
    for (int cell = 0; cell < 5 * table(w)->topLevelItemCount(); ++cell)
        texts << table(w)->topLevelItem(cell / 5)->text(cell % 5);
    return texts.join('|');
}

class tst_ExtractorWindow : public QObject
{
    Q_OBJECT

    Form17 *w = nullptr;
    MessageLog *messages = nullptr;

    // All items ticked and locked, or all open; all at "0", the table zeros or cleared.
    void verifyItems(bool ticked)
    {
        for (int item = 1; item <= 12; ++item)
            QVERIFY(tick(w, item)->isChecked() == ticked && box(w, item)->isEnabled() != ticked && box(w, item)->text() == "0");
        QCOMPARE(cells(w), ticked ? Zeros : QString());
    }

private slots:
    void init()
    {
        delete std::exchange(messages, new MessageLog);
        QVERIFY(QTest::qWaitForWindowActive(windows::form1()));
        QTest::mouseClick(child<QWidget>(windows::form1(), "Command2"), Qt::LeftButton);
        QTRY_VERIFY(w = qobject_cast<Form17 *>(QApplication::activeWindow()));
        verifyItems(true);
        QCOMPARE(QApplication::focusWidget(), child<QWidget>(w, "Command1"));
    }

    void cleanup()
    {
        closeEverything();
        delete std::exchange(messages, nullptr);
    }

    // The blanks set the units in a column, so the lengths are exact; all show whole.
    void captions()
    {
        const char *const names[] = {"PCC (1:4:8) mix", "PCC (1:5:10) mix", "RCC (1:2:4) mix", "RCC (1:1.5:3)", "Brick Masonary With CM (1:4) mix",
            "Brick Masonary With CM (1:5) mix", "Brick Masonary With CM (1:6) mix", "Brick Masonary With CM (1:8) mix", "Plastering with CM (1:3) Mix, 12  mm Thick",
            "Plastering with CM (1:3) Mix, 20 mm Thick", "Plastering with CM (1:5) Mix, 12 mm Thick", "Plastering with CM (1:5) Mix, 20 mm Thick"};
        const qsizetype lengths[] = {71, 70, 71, 72, 59, 59, 59, 59, 56, 56, 56, 56};
        for (int item = 1; item <= 12; ++item) {
            const QString name = names[item - 1], unit = item == 1 ? "(Cum )" : item <= 8 ? "(Cum)" : "(Sqm)";
            QCOMPARE(tick(w, item)->text(), name + QString(lengths[item - 1] - name.size() - unit.size(), ' ') + unit);
        }
        QCOMPARE(captionsNotWhole(w), QStringList());
        QVERIFY(table(w)->viewport()->rect().contains(table(w)->visualItemRect(table(w)->topLevelItem(2))));
    }

    void typing_data()
    {
        QTest::addColumn<QString>("typed"); // item=keys, each over a "0"; '\b' is Backspace
        QTest::addColumn<QString>("text"); // left in the last box
        QTest::addColumn<QString>("cells");
        QTest::addColumn<QString>("message");
        QTest::newRow("2 in masonry") << "5=2" << "2" << "00.00 (Cu.m)|00.00 (Cu.m)|1200.00 (Nos)|00.19 (Cu.m)|00.76 (Cu.m)||||5.47 (50 Kg. Bags)||00.00 (Cft)|00.00 (Cft)||06.71 (Cft)|26.84 (Cft)" << "";
        // An emptied box is never left empty: it reads "0" again, recomputed.
        QTest::newRow("last character deleted") << "5=7\b" << "0" << Zeros << "";
        QTest::newRow("blanks only") << "7= " << "0" << Zeros << "";
        QTest::newRow("letter after a number") << "1=10x" << "10x" << "" << "PCC (1:4:8) mix reads \"10x\", which is not a number.";
        QTest::newRow("letter deleted again") << "6=5x\b" << "5" << "00.00 (Cu.m)|00.00 (Cu.m)|3000.00 (Nos)|00.38 (Cu.m)|01.90 (Cu.m)||||10.94 (50 Kg. Bags)||00.00 (Cft)|00.00 (Cft)||13.42 (Cft)|67.09 (Cft)" << "Brick Masonary With CM (1:5) mix reads \"5x\", which is not a number.";
        QTest::newRow("minus then a digit") << "5=-2" << "-2" << "00.00 (Cu.m)|00.00 (Cu.m)|-1200.00 (Nos)|-00.19 (Cu.m)|-00.76 (Cu.m)||||-5.47 (50 Kg. Bags)||00.00 (Cft)|00.00 (Cft)||-06.71 (Cft)|-26.84 (Cft)" << "Brick Masonary With CM (1:4) mix reads \"-\", which is not a number.";
        QTest::newRow("worked example, widest cells") << "1=10,3=5,5=20,9=100" << "100" << "09.20 (Cu.m)|04.60 (Cu.m)|12000.00 (Nos)|04.70 (Cu.m)|15.00 (Cu.m)||||135.36 (50 Kg. Bags)||324.85 (Cft)|162.43 (Cft)||165.96 (Cft)|529.65 (Cft)" << "";
    }

    // Whatever is typed, the focus stays in the box, the table follows and shows whole.
    void typing()
    {
        QFETCH(QString, typed);
        QList<int> items;
        for (const QString &entry : typed.split(',')) {
            items << entry.section('=', 0, 0).toInt();
            clickAndType(w, tick(w, items.last()), "");
            for (const QChar c : entry.section('=', 1))
                c == '\b' ? press(w, Qt::Key_Backspace) : type(w, c);
        }
        QTEST(box(w, items.last())->text(), "text");
        QCOMPARE(QApplication::focusWidget(), box(w, items.last()));
        QTEST(cells(w), "cells");
        QTEST(messages->count() ? messages->last().prompt : QString(), "message");
        QVERIFY(messages->count() <= 1); // once for the keystroke that made the text unreadable
        for (int column = 0; column < 5; ++column) // the size hint is public on the base class
            QVERIFY(static_cast<QAbstractItemView *>(table(w))->sizeHintForColumn(column) <= table(w)->columnWidth(column));
        for (int item : items)
            QTest::mouseClick(tick(w, item), Qt::LeftButton);
        verifyItems(true);
    }

    // Disable All's zeros come from the recomputing as it sets each open box to "0".
    void enableAndDisableAll()
    {
        press(w, Qt::AltModifier | Qt::Key_E);
        QTRY_COMPARE(QApplication::focusWidget(), box(w, 12));
        verifyItems(false);
        press(w, Qt::AltModifier | Qt::Key_G);
        QTRY_COMPARE(cells(w), Zeros);
        clickAndType(w, box(w, 2), "3");
        clickAndType(w, box(w, 7), "4");
        press(w, Qt::AltModifier | Qt::Key_D);
        QTRY_VERIFY(!box(w, 7)->isEnabled());
        verifyItems(true);
    }

    // A character key on Check1 opens Text1 though item 1 stays ticked; Space still unticks.
    void check1KeyOpensText1()
    {
        press(w, Qt::ShiftModifier | Qt::Key_Backtab); // from Get Material to Check1
        type(w, "q");
        QVERIFY(tick(w, 1)->isChecked() && box(w, 1)->isEnabled() && !box(w, 2)->isEnabled());
        clickAndType(w, box(w, 1), "10");
        QCOMPARE(cells(w).section('|', 0, 0), QString("09.20 (Cu.m)"));
        QTest::mouseClick(child<QWidget>(w, "Command1"), Qt::LeftButton);
        press(w, Qt::ShiftModifier | Qt::Key_Backtab);
        type(w, " ");
        QVERIFY(!tick(w, 1)->isChecked() && box(w, 1)->text() == "10");
    }

    // The one real message box: question mark, one OK, "ratebook"; the focus comes back.
    void realMessageBox()
    {
        delete std::exchange(messages, nullptr);
        QString seen = "no modal message box";
        QTimer::singleShot(0, this, [&seen] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                seen = QStringLiteral("%1|%2|%3").arg(box->windowTitle()).arg(int(box->icon())).arg(box->buttons().size());
                box->accept();
            }
        });
        clickAndType(w, tick(w, 5), "x");
        QCOMPARE(seen, QStringLiteral("ratebook|%1|1").arg(int(QMessageBox::Question)));
        QTRY_COMPARE(QApplication::focusWidget(), box(w, 5));
    }

    void closes_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QKeyCombination>("key"); // Key_unknown: the close box
        QTest::newRow("F3 on Get Material") << "Command1" << QKeyCombination(Qt::Key_F3);
        QTest::newRow("Shift+F3 on Check1") << "Check1" << (Qt::ShiftModifier | Qt::Key_F3);
        QTest::newRow("Shift+Ctrl+F3 in Text12") << "Text12" << (Qt::ShiftModifier | Qt::ControlModifier | Qt::Key_F3);
        QTest::newRow("Alt+C in the table") << "ListView1" << (Qt::AltModifier | Qt::Key_C);
        QTest::newRow("close box") << "Text3" << QKeyCombination(Qt::Key_unknown);
    }

    // However it closes, the main window alone comes back and opens the extractor afresh.
    void closes()
    {
        QFETCH(QString, control);
        QFETCH(QKeyCombination, key);
        QTest::mouseClick(child<QWidget>(w, "Command3"), Qt::LeftButton); // a fresh window undoes this
        child<QWidget>(w, qPrintable(control))->setFocus();
        const QPointer<Form17> extractor = w;
        key.key() == Qt::Key_unknown ? void(w->close()) : press(w, key);
        QTRY_VERIFY(!extractor);
        QVERIFY(visibleWindows().size() == 1 && visibleWindows().front() == windows::form1()); // not built anew here
        init();
    }
};

QTEST_MAIN(tst_ExtractorWindow)
#include "tst_extractorwindow.moc"
