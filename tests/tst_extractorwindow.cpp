// The material extractor driven as a user drives it: ticks and keys on the twelve items,
// the four buttons by mouse and access key, F3 and the close box; the material table
// read back cell by cell after every step.
#include "windowtest.h"

#include "app/form1.h"
#include "extractor/form17.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QTestEventList>
#include <QTimer>
#include <QTreeWidget>

#include <algorithm>
#include <functional>

using namespace ratebook;

namespace {

// The material table at opening, rows one to three, cell by cell.
const QStringList ZeroTable = {
    "00.00 (Cu.m)", "00.00 (Cu.m)", "00.00 (Nos)", "00.00 (Cu.m)", "00.00 (Cu.m)",
    "", "", "", "0.00 (50 Kg. Bags)", "",
    "00.00 (Cft)", "00.00 (Cft)", "", "00.00 (Cft)", "00.00 (Cft)",
};
const QString Unreadable = "%1 reads \"%2\", which is not a number.";
const QString Masonry14 = "Brick Masonary With CM (1:4) mix";

QCheckBox *tick(QWidget *w, int item) { return child<QCheckBox>(w, qPrintable(QStringLiteral("Check%1").arg(item))); }
QLineEdit *box(QWidget *w, int item) { return child<QLineEdit>(w, qPrintable(QStringLiteral("Text%1").arg(item))); }
QPushButton *button(QWidget *w, const char *name) { return child<QPushButton>(w, name); }
QTreeWidget *table(QWidget *w) { return child<QTreeWidget>(w, "ListView1"); }
int rows(QWidget *w) { return table(w)->topLevelItemCount(); }
// Keys go where the user's focus is, never straight to a chosen control.
QWidget *focused(QWidget *w) { return w->focusWidget(); }

QStringList cells(QWidget *w)
{
    QStringList texts;
    for (int row = 0; row < rows(w); ++row) {
        for (int column = 0; column < table(w)->columnCount(); ++column)
            texts << table(w)->topLevelItem(row)->text(column);
    }
    return texts;
}

void replaceText(QWidget *w, const QString &keys)
{
    QTest::keyClick(focused(w), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(focused(w), keys);
}

// Unticks the item with a click, which puts the focus in its box, and types over the "0".
void openItem(QWidget *w, int item, const QString &keys)
{
    QTest::mouseClick(tick(w, item), Qt::LeftButton);
    replaceText(w, keys);
}

// A cell is cut when its text is wider than its column less the item margins, or when
// its row lies partly outside the visible part of the table.
QStringList cellsNotWhole(QTreeWidget *list)
{
    QStringList cut;
    const int margin = 2 * (list->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, list) + 1);
    for (int row = 0; row < list->topLevelItemCount(); ++row) {
        QTreeWidgetItem *item = list->topLevelItem(row);
        if (!list->viewport()->rect().contains(list->visualItemRect(item)))
            cut << QStringLiteral("row %1").arg(row + 1);
        for (int column = 0; column < list->columnCount(); ++column) {
            if (list->fontMetrics().horizontalAdvance(item->text(column)) > list->columnWidth(column) - margin)
                cut << item->text(column);
        }
    }
    return cut;
}

// Presses a button by its access key (which clicks a moment later) or by the mouse.
void press(QWidget *w, const char *name, Qt::Key accessKey, bool byKey)
{
    byKey ? QTest::keyClick(focused(w), accessKey, Qt::AltModifier) : QTest::mouseClick(button(w, name), Qt::LeftButton);
}

} // namespace

class tst_ExtractorWindow : public QObject
{
    Q_OBJECT

    Form17 *w = nullptr;
    MessageLog *messages = nullptr;

    void verifyOpeningState()
    {
        for (int item = 1; item <= 12; ++item) {
            QVERIFY(tick(w, item)->isChecked() && !box(w, item)->isEnabled());
            QCOMPARE(box(w, item)->text(), QString("0"));
        }
        QCOMPARE(cells(w), ZeroTable);
        QCOMPARE(QApplication::focusWidget(), button(w, "Command1"));
    }

private slots:
    void initTestCase() { ui::setUpApplication(); }

    void init()
    {
        messages = new MessageLog;
        Form1 *main = windows::form1();
        QVERIFY(QTest::qWaitForWindowActive(main));
        QTest::mouseClick(button(main, "Command2"), Qt::LeftButton);
        QTRY_VERIFY(w = qobject_cast<Form17 *>(QApplication::activeWindow()));
        QCOMPARE(visibleWindows(), QWidgetList{w});
    }

    void cleanup()
    {
        closeEverything();
        delete std::exchange(messages, nullptr);
    }

    void opensAllTickedAtZero()
    {
        QCOMPARE(w->windowTitle(), QString("Material Extractor"));
        verifyOpeningState();
        QCOMPARE(messages->count(), 0);
        QTreeWidget *list = table(w);
        const QStringList headers = {"40 MM METAL", "20 MM CHIPS", "BRICKS", "CEMENT", "SAND"};
        QCOMPARE(list->columnCount(), 5);
        for (int c = 0; c < 5; ++c) {
            QCOMPARE(list->headerItem()->text(c), headers[c]);
            QCOMPARE(list->columnWidth(c), list->columnWidth(0));
        }
        // Five fifths fill the table, and no more, so nothing scrolls sideways.
        QVERIFY(5 * list->columnWidth(0) <= list->viewport()->width());
        QVERIFY(5 * (list->columnWidth(0) + 1) > list->viewport()->width());
        QVERIFY(!list->horizontalScrollBar()->isVisible());
    }

    void captions_data()
    {
        QTest::addColumn<int>("item");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<int>("length");
        // Written out blank by blank: the units must stand where these blanks put them.
        QTest::newRow("1") << 1 << "PCC (1:4:8) mix                                                  (Cum )" << 71;
        QTest::newRow("2") << 2 << "PCC (1:5:10) mix                                                 (Cum)" << 70;
        QTest::newRow("3") << 3 << "RCC (1:2:4) mix                                                   (Cum)" << 71;
        QTest::newRow("4") << 4 << "RCC (1:1.5:3)                                                      (Cum)" << 72;
        QTest::newRow("5") << 5 << "Brick Masonary With CM (1:4) mix                      (Cum)" << 59;
        QTest::newRow("6") << 6 << "Brick Masonary With CM (1:5) mix                      (Cum)" << 59;
        QTest::newRow("7") << 7 << "Brick Masonary With CM (1:6) mix                      (Cum)" << 59;
        QTest::newRow("8") << 8 << "Brick Masonary With CM (1:8) mix                      (Cum)" << 59;
        QTest::newRow("9") << 9 << "Plastering with CM (1:3) Mix, 12  mm Thick         (Sqm)" << 56;
        QTest::newRow("10") << 10 << "Plastering with CM (1:3) Mix, 20 mm Thick          (Sqm)" << 56;
        QTest::newRow("11") << 11 << "Plastering with CM (1:5) Mix, 12 mm Thick          (Sqm)" << 56;
        QTest::newRow("12") << 12 << "Plastering with CM (1:5) Mix, 20 mm Thick          (Sqm)" << 56;
    }

    void captions()
    {
        QFETCH(int, item);
        QFETCH(QString, caption);
        QTEST(int(caption.size()), "length"); // the blanks above are counted right
        QCOMPARE(tick(w, item)->text(), caption);
    }

    // Every caption whole, in two columns of six, each tick clear of its box, the table
    // below the frame and the four buttons in one row below it, in their order.
    void captionsWhole()
    {
        QCOMPARE(captionsNotWhole(w), QStringList());
        QWidget *frame = child<QWidget>(w, "Frame1");
        QCOMPARE(frame->property("title").toString(), QString("Material Listing"));
        for (int item = 1; item <= 12; ++item) {
            const QRect check = tick(w, item)->geometry();
            QVERIFY(check.right() < box(w, item)->x() && qAbs(check.y() - box(w, item)->y()) < check.height());
            QVERIFY(item == 1 || item == 7 || check.top() > tick(w, item - 1)->geometry().bottom());
            QVERIFY(item <= 6 || check.left() > box(w, item - 6)->geometry().right());
        }
        QVERIFY(table(w)->y() > frame->geometry().bottom());
        int left = 0;
        const char *const buttons[][2] = {
            {"desiable", "&Disable All"}, {"Command3", "&Enable All"}, {"Command1", "&Get Material"}, {"Command2", "&Close"}};
        for (const auto &[name, text] : buttons) {
            QCOMPARE(button(w, name)->text(), QString(text));
            QVERIFY(button(w, name)->x() > left && button(w, name)->y() > table(w)->geometry().bottom());
            left = button(w, name)->geometry().right();
        }
    }

    void tabOrder()
    {
        press(w, "Command3", Qt::Key_E, true); // opens every box, so Tab stops there
        QTRY_VERIFY(box(w, 1)->isEnabled());
        button(w, "Command1")->setFocus();
        QStringList expected = {"ListView1", "Command2", "Command3", "desiable"};
        for (const char *kind : {"Text", "Check"}) {
            for (int item = 12; item >= 1; --item)
                expected << kind + QString::number(item);
        }
        expected << "Command1";
        QStringList visited;
        for (qsizetype step = 0; step < expected.size(); ++step) {
            QTest::keyClick(focused(w), Qt::Key_Tab);
            visited << focused(w)->objectName();
        }
        QCOMPARE(visited, expected);
    }

    void typing_data()
    {
        QTest::addColumn<int>("item");
        QTest::addColumn<QTestEventList>("keys");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("cell"); // in the first row; -1: the table stays empty
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QStringList>("prompts");
        auto keys = [](const QString &typed, std::initializer_list<Qt::Key> then = {}) {
            QTestEventList events;
            events.addKeyClick(Qt::Key_A, Qt::ControlModifier); // over the "0"
            events.addKeyClicks(typed);
            for (Qt::Key key : then)
                events.addKeyClick(key);
            return events;
        };
        const QStringList none;
        QTest::newRow("2 in masonry") << 5 << keys("2") << "2" << 2 << "1200.00 (Nos)" << none;
        // Clearing a box leaves "0" in it, recomputed, rather than an empty box.
        QTest::newRow("last character deleted") << 5 << keys("7", {Qt::Key_Backspace}) << "0" << 2 << "00.00 (Nos)" << none;
        QTest::newRow("blank alone becomes 0") << 7 << keys(" ") << "0" << 2 << "00.00 (Nos)" << none;
        // Once the box holds "0" again, blanks typed after it are kept and read around the 0.
        QTest::newRow("blanks after the 0 stay") << 7 << keys("   ") << "0  " << 2 << "00.00 (Nos)" << none;
        QTest::newRow("letter after a number") << 1 << keys("10x") << "10x" << -1 << QString()
                                               << QStringList{Unreadable.arg("PCC (1:4:8) mix", "10x")};
        QTest::newRow("letter deleted again") << 3 << keys("5x", {Qt::Key_Backspace}) << "5" << 1 << "04.60 (Cu.m)"
                                              << QStringList{Unreadable.arg("RCC (1:2:4) mix", "5x")};
        QTest::newRow("lone minus sign") << 5 << keys("-") << "-" << -1 << QString() << QStringList{Unreadable.arg(Masonry14, "-")};
        QTest::newRow("minus then a digit") << 5 << keys("-2") << "-2" << 2 << "-1200.00 (Nos)"
                                            << QStringList{Unreadable.arg(Masonry14, "-")};
        QTest::newRow("lone point in plaster") << 9 << keys(".") << "." << -1 << QString()
                                               << QStringList{Unreadable.arg("Plastering with CM (1:3) Mix, 12  mm Thick", ".")};
        QTest::newRow("bricks beyond a double") << 6 << keys("4e305") << "4e305" << -1 << QString()
                                                << QStringList{Unreadable.arg("Brick Masonary With CM (1:5) mix", "4e"),
                                                               "The result is too large to compute."};
    }

    // Unticking opens the box with the focus in it; whatever is typed, the focus stays
    // there and the table follows each keystroke. Ticking again puts "0" back.
    void typing()
    {
        QFETCH(int, item);
        QFETCH(QTestEventList, keys);
        QFETCH(int, cell);
        QTest::mouseClick(tick(w, item), Qt::LeftButton);
        QVERIFY(!tick(w, item)->isChecked() && box(w, item)->isEnabled());
        keys.simulate(focused(w));
        QTEST(box(w, item)->text(), "text");
        QCOMPARE(QApplication::focusWidget(), box(w, item));
        QCOMPARE(rows(w), cell < 0 ? 0 : 3);
        if (cell >= 0)
            QTEST(cells(w)[cell], "shown");
        QStringList prompts;
        for (const ui::Message &m : messages->take())
            prompts << m.prompt + (m.title == "ratebook" ? "" : " titled " + m.title);
        QTEST(prompts, "prompts");

        QTest::mouseClick(tick(w, item), Qt::LeftButton);
        QVERIFY(tick(w, item)->isChecked() && !box(w, item)->isEnabled());
        QCOMPARE(box(w, item)->text(), QString("0"));
        QCOMPARE(cells(w), ZeroTable);
    }

    // With item 1 unreadable, emptying another box runs its change handler twice (the
    // inner run for the "0"); the user still hears of the failure once per keystroke.
    void oneMessagePerKeystroke()
    {
        openItem(w, 1, "x");
        openItem(w, 2, "5");
        QCOMPARE(messages->take().size(), 2);
        QTest::keyClick(focused(w), Qt::Key_Backspace);
        QCOMPARE(box(w, 2)->text(), QString("0"));
        QCOMPARE(messages->count(), 1);
        QCOMPARE(messages->last().prompt, Unreadable.arg("PCC (1:4:8) mix", "x"));
        QCOMPARE(QApplication::focusWidget(), box(w, 2));
        QCOMPARE(rows(w), 0);
    }

    // The one place a real message box is shown: modal, question mark, one OK,
    // "ratebook"; afterwards the typing goes on in the same box.
    void realMessageBox()
    {
        delete std::exchange(messages, nullptr);
        QTest::mouseClick(tick(w, 5), Qt::LeftButton);
        QString seen = "no modal message box";
        QTimer::singleShot(0, this, [&seen] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box)
                return;
            seen = QStringLiteral("%1|%2|%3|%4").arg(box->windowTitle(), box->text()).arg(int(box->icon())).arg(box->buttons().size());
            box->button(QMessageBox::Ok)->click();
        });
        QTest::keyClick(focused(w), Qt::Key_X);
        messages = new MessageLog;
        QCOMPARE(seen, QStringLiteral("ratebook|%1|%2|1").arg(Unreadable.arg(Masonry14, "0x")).arg(int(QMessageBox::Question)));
        QTRY_COMPARE(QApplication::focusWidget(), box(w, 5));
        QCOMPARE(rows(w), 0);
        QTest::keyClick(focused(w), Qt::Key_Backspace);
        QCOMPARE(cells(w), ZeroTable);
    }

    void enableAll_data()
    {
        QTest::addColumn<QList<int>>("openFirst");
        QTest::addColumn<bool>("accessKey");
        QTest::addColumn<QString>("focus");
        QTest::addColumn<QString>("bricks"); // once "&Get Material" recomputes
        QTest::newRow("right after opening, Alt+E") << QList<int>{} << true << "Text12" << "00.00 (Nos)";
        QTest::newRow("item 12 already open") << QList<int>{12, 3} << false << "Text11" << "00.00 (Nos)";
        QTest::newRow("every item already open") << QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12} << false
                                                 << "Command3" << "15600.00 (Nos)";
    }

    // Every item opens with its text kept, the table empties until "&Get Material", and
    // the focus ends in the last box that was ticked.
    void enableAll()
    {
        QFETCH(QList<int>, openFirst);
        QFETCH(bool, accessKey);
        for (int item : openFirst)
            openItem(w, item, QString::number(item));
        press(w, "Command3", Qt::Key_E, accessKey);
        QTRY_COMPARE(rows(w), 0);
        for (int item = 1; item <= 12; ++item) {
            QVERIFY(!tick(w, item)->isChecked() && box(w, item)->isEnabled());
            QCOMPARE(box(w, item)->text(), openFirst.contains(item) ? QString::number(item) : QString("0"));
        }
        QTEST(QApplication::focusWidget()->objectName(), "focus");
        press(w, "Command1", Qt::Key_G, accessKey);
        QTRY_COMPARE(rows(w), 3);
        QTEST(cells(w)[2], "bricks");
    }

    void disableAll_data()
    {
        QTest::addColumn<QList<int>>("openFirst");
        QTest::addColumn<QStringList>("typed");
        QTest::addColumn<bool>("accessKey");
        QTest::addColumn<QStringList>("table");
        QTest::newRow("items 2 and 7 holding numbers, Alt+D") << QList<int>{2, 7} << QStringList{"3", "4"} << true << ZeroTable;
        // Setting "0" over "0" changes nothing, so nothing recomputes after the table is cleared.
        QTest::newRow("nothing open") << QList<int>{} << QStringList() << false << QStringList();
        QTest::newRow("item 4 open at 0") << QList<int>{4} << QStringList{"0"} << false << QStringList();
        QTest::newRow("item 9 holding a letter") << QList<int>{9} << QStringList{"a"} << false << ZeroTable;
    }

    void disableAll()
    {
        QFETCH(QList<int>, openFirst);
        QFETCH(QStringList, typed);
        QFETCH(bool, accessKey);
        for (qsizetype i = 0; i < openFirst.size(); ++i)
            openItem(w, openFirst[i], typed[i]);
        messages->take();
        press(w, "desiable", Qt::Key_D, accessKey);
        const QList<QCheckBox *> ticks = w->findChildren<QCheckBox *>();
        QTRY_VERIFY(std::all_of(ticks.begin(), ticks.end(), std::mem_fn(&QCheckBox::isChecked)));
        for (int item = 1; item <= 12; ++item) {
            QVERIFY(!box(w, item)->isEnabled());
            QCOMPARE(box(w, item)->text(), QString("0"));
        }
        QTEST(cells(w), "table");
        QCOMPARE(messages->count(), 0);
    }

    // A character key on Check1 opens Text1 while item 1 stays ticked; what is typed
    // there counts. Space then still toggles the tick.
    void check1KeyOpensText1()
    {
        QTest::keyClick(focused(w), Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(QApplication::focusWidget(), tick(w, 1));
        QTest::keyClick(focused(w), Qt::Key_Q);
        QVERIFY(tick(w, 1)->isChecked() && box(w, 1)->isEnabled() && !box(w, 2)->isEnabled());
        QCOMPARE(QApplication::focusWidget(), tick(w, 1));
        QTest::mouseClick(box(w, 1), Qt::LeftButton);
        replaceText(w, "10");
        QVERIFY(tick(w, 1)->isChecked());
        QCOMPARE(cells(w)[0], QString("09.20 (Cu.m)"));
        // Back to Check1 by Tab: from Text1 it goes on through Check12 down to Check1.
        for (int step = 0; step < 12 && focused(w) != tick(w, 1); ++step)
            QTest::keyClick(focused(w), Qt::Key_Tab);
        QTest::keyClick(focused(w), Qt::Key_Space);
        QVERIFY(!tick(w, 1)->isChecked());
        QCOMPARE(QApplication::focusWidget(), box(w, 1));
        QCOMPARE(box(w, 1)->text(), QString("10"));
    }

    // Items 1, 3, 5 and 9 at 10, 5, 20 and 100, typed into the window; the widest cells
    // of the worked examples are readable whole.
    void workedExample()
    {
        for (const auto &[item, typed] : {std::pair{1, "10"}, {3, "5"}, {5, "20"}, {9, "100"}})
            openItem(w, item, typed);
        QCOMPARE(cells(w), (QStringList{
            "09.20 (Cu.m)", "04.60 (Cu.m)", "12000.00 (Nos)", "04.70 (Cu.m)", "15.00 (Cu.m)",
            "", "", "", "135.36 (50 Kg. Bags)", "",
            "324.85 (Cft)", "162.43 (Cft)", "", "165.96 (Cft)", "529.65 (Cft)",
        }));
        QCOMPARE(messages->count(), 0);
        QCOMPARE(cellsNotWhole(table(w)), QStringList());
        QVERIFY(!table(w)->horizontalScrollBar()->isVisible());
    }

    void closes_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<int>("how"); // 0: F3, 1: the Close button, 2: Alt+C, 3: the close box
        QTest::addColumn<int>("modifiers");
        const std::pair<const char *, Qt::KeyboardModifiers> f3[] = {
            {"Command1", Qt::NoModifier}, {"ListView1", Qt::ShiftModifier}, {"Check1", Qt::ControlModifier},
            {"Check12", Qt::AltModifier}, {"Text5", Qt::NoModifier}, {"Text12", Qt::ShiftModifier | Qt::ControlModifier}};
        for (const auto &[name, modifiers] : f3)
            QTest::addRow("F3 in %s, modifiers %x", name, uint(modifiers)) << QString(name) << 0 << int(modifiers);
        QTest::newRow("Close button") << "Command2" << 1 << 0;
        QTest::newRow("Alt+C in a box") << "Text3" << 2 << 0;
        QTest::newRow("close box") << "Check4" << 3 << 0;
    }

    // However the extractor closes, it is gone and a fresh main window is the only one
    // left; the next visit starts afresh.
    void closes()
    {
        QFETCH(QString, control);
        QFETCH(int, how);
        QFETCH(int, modifiers);
        openItem(w, 3, "5");
        QTest::mouseClick(button(w, "Command3"), Qt::LeftButton); // every box can take the focus
        auto *focus = child<QWidget>(w, qPrintable(control));
        focus->setFocus();
        QCOMPARE(QApplication::focusWidget(), focus);
        const QPointer<Form17> extractor = w;
        switch (how) {
        case 0: QTest::keyClick(focus, Qt::Key_F3, Qt::KeyboardModifiers(modifiers)); break;
        case 1: QTest::mouseClick(button(w, "Command2"), Qt::LeftButton); break;
        case 2: QTest::keyClick(focus, Qt::Key_C, Qt::AltModifier); break;
        case 3: w->close(); break;
        }
        QTRY_VERIFY(!extractor);
        const QWidgetList shown = visibleWindows();
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown.front()->objectName(), QString("Form1"));
        QVERIFY(QTest::qWaitForWindowActive(shown.front()));
        QCOMPARE(QApplication::focusWidget()->objectName(), QString("Command1"));
        // Alt+M opens it again from scratch: nothing typed or unticked before is kept.
        QTest::keyClick(focused(shown.front()), Qt::Key_M, Qt::AltModifier);
        QTRY_VERIFY(w = qobject_cast<Form17 *>(QApplication::activeWindow()));
        QCOMPARE(visibleWindows(), QWidgetList{w});
        verifyOpeningState();
    }
};

QTEST_MAIN(tst_ExtractorWindow)
#include "tst_extractorwindow.moc"
