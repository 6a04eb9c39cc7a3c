// The data sheet driven as a user drives it: keys into the cost boxes, clicks on the
// buttons, F2 and the close box; the rate table read back cell by cell.
#include "windowtest.h"

#include "app/form1.h"
#include "datasheet/datasheet1.h"

#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>

namespace {

const char *const Inputs[] = {"cement1", "MM20", "MM40", "SAND", "BRICKS", "MASON1", "MASON2", "MANMAZDOOR", "WOMANMAZDOOR"};
const QStringList Example = {"250", "1200", "1000", "500", "3", "300", "250", "150", "120"};

QLineEdit *box(QWidget *w, const char *name) { return child<QLineEdit>(w, name); }
QTreeWidget *table(QWidget *w) { return child<QTreeWidget>(w, "ListView1"); }

QStringList rowTexts(QWidget *w, int row)
{
    QStringList cells;
    for (int c = 0; c < 4; ++c)
        cells << table(w)->topLevelItem(row)->text(c);
    return cells;
}

void typeCosts(QWidget *w, const QStringList &costs)
{
    for (int i = 0; i < costs.size(); ++i)
        QTest::keyClicks(box(w, Inputs[i]), costs[i]);
}

void clickUnitCost(QWidget *w)
{
    QTest::mouseClick(child<QPushButton>(w, "unitcost"), Qt::LeftButton);
}

} // namespace

class tst_DataSheetWindow : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void opensBlankWithItsColumns();
    void enterStep_data();
    void enterStep();
    void keyFilter_data();
    void keyFilter();
    void keyFilterDropsClipboardKeys();
    void changeRule();
    void checktextboxFocusesLastBlank();
    void workedExample();
    void allZero();
    void failures_data();
    void failures();
    void buttonsTakeEnterAndSpace();
    void realMessageBox();
    void closes_data();
    void closes();
    void reopensFresh();
    void captionsWhole();

private:
    datasheet1 *w = nullptr;
    MessageLog *messages = nullptr;
};

void tst_DataSheetWindow::init()
{
    messages = new MessageLog;
    Form1 *main = ratebook::windows::form1();
    QVERIFY(QTest::qWaitForWindowActive(main));
    QTest::keyClick(main, Qt::Key_D, Qt::AltModifier);
    // An access key clicks its button the way a mouse does, after a short press.
    QTRY_VERIFY(w = qobject_cast<datasheet1 *>(QApplication::activeWindow()));
    QCOMPARE(visibleWindows(), QWidgetList{w});
}

void tst_DataSheetWindow::cleanup()
{
    closeEverything();
    delete messages;
}

void tst_DataSheetWindow::opensBlankWithItsColumns()
{
    QCOMPARE(w->windowTitle(), QString("Rate Book"));
    for (const char *name : Inputs)
        QVERIFY(box(w, name)->text().isEmpty());
    QCOMPARE(QApplication::focusWidget(), box(w, "cement1"));
    QTreeWidget *list = table(w);
    QCOMPARE(list->topLevelItemCount(), 0);
    const QStringList headers = {"Description Of Item", "Material Cost", "Labour Cost", "Men & Material Cost"};
    const int widths[] = {361, 120, 120, 203}; // 5407.5, 1802.5, 1802.5, 3046.48 twips
    QCOMPARE(list->columnCount(), 4);
    for (int c = 0; c < 4; ++c) {
        QCOMPARE(list->headerItem()->text(c), headers[c]);
        QCOMPARE(list->columnWidth(c), widths[c]);
    }
}

void tst_DataSheetWindow::enterStep_data()
{
    QTest::addColumn<int>("input");
    QTest::addColumn<QString>("prompt");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("next");
    const QString prompts[] = {
        "Enter Cost Of Cement Per 50 kg ", "Enter Cost Of 20 mm Chips Per Cu.m ", "Enter Cost Of 40 mm Metal Per Cu.m ",
        "Enter Cost Of Sand Per Cu.m ", "Enter cost Of Bricks Per No ", "Enter Labour Cost Of Mason 1st Class Per No  ",
        "Enter Labour Cost Of Mason 2nd Class Per No  ", "Enter Labour Cost Of Manmazdoor Per No  ",
        "Enter Labour Cost Of Womanmazdoor Per No  "};
    const QString titles[] = {"Cement Cost", "20 mm Chips Cost", "40 mm Metal Cost", "Sand Cost", "Bricks Cost",
                              "Mason 1st Labour", "Mason 2nd Labour", "Manmazdoor Labour", "Womanmazdoor Labour"};
    for (int i = 0; i < 9; ++i)
        QTest::newRow(Inputs[i]) << i << prompts[i] << titles[i] << (i < 8 ? Inputs[i + 1] : "unitcost");
}

// A blank box answers Enter with its own prompt and keeps the focus; a filled one hands
// the focus on without taking the Enter into its text.
void tst_DataSheetWindow::enterStep()
{
    QFETCH(int, input);
    QLineEdit *edit = box(w, Inputs[input]);
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_Return);
    QCOMPARE(messages->count(), 1);
    QTEST(messages->last().prompt, "prompt");
    QTEST(messages->last().title, "title");
    QCOMPARE(QApplication::focusWidget(), edit);

    QTest::keyClick(edit, Qt::Key_Space); // blank inside does not count
    QTest::keyClick(edit, Qt::Key_Enter);
    QCOMPARE(messages->count(), 2);

    QTest::keyClicks(edit, "450");
    QTest::keyClick(edit, Qt::Key_Return);
    QCOMPARE(messages->count(), 2);
    QCOMPARE(edit->text(), QString("450"));
    QFETCH(QString, next);
    QCOMPARE(QApplication::focusWidget()->objectName(), next);
}

void tst_DataSheetWindow::keyFilter_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("text");
    QTest::newRow("digits and points") << "1.2.3" << "1.2.3";
    QTest::newRow("lone point counts") << "." << ".";
    QTest::newRow("letters") << "12abcXYZ" << "12";
    QTest::newRow("blank, minus, comma") << " -,5" << "5";
    QTest::newRow("signs and exponent") << "+1e5" << "15";
    QTest::newRow("non-ASCII digits and letters") << QString::fromUtf8("١٢é७") << "";
    QTest::newRow("control characters") << QString::fromUtf8("\t\x1b\x7f" "4") << "4";
}

void tst_DataSheetWindow::keyFilter()
{
    QFETCH(QString, typed);
    for (const char *name : Inputs) {
        QLineEdit *edit = box(w, name);
        typeText(edit, typed);
        QTEST(edit->text(), "text");
        edit->clear();
    }
    QCOMPARE(messages->count(), 0);
}

// The clipboard shortcuts are characters the filter drops; Backspace and Delete edit.
void tst_DataSheetWindow::keyFilterDropsClipboardKeys()
{
    QLineEdit *edit = box(w, "SAND");
    QApplication::clipboard()->setText("999");
    QTest::keyClicks(edit, "45");
    QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(edit, Qt::Key_Insert, Qt::ShiftModifier);
    QCOMPARE(edit->text(), QString("45"));
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(edit, Qt::Key_X, Qt::ControlModifier);
    QCOMPARE(edit->text(), QString("45"));
    QTest::keyClick(edit, Qt::Key_Backspace);
    QCOMPARE(edit->text(), QString("4"));
    QTest::keyClick(edit, Qt::Key_Home);
    QTest::keyClick(edit, Qt::Key_Delete);
    QCOMPARE(edit->text(), QString(""));
}

// Rows computed from earlier values stay until a box becomes blank.
void tst_DataSheetWindow::changeRule()
{
    typeCosts(w, Example);
    clickUnitCost(w);
    QCOMPARE(table(w)->topLevelItemCount(), 10);

    QLineEdit *masons = box(w, "MASON1");
    QTest::keyClick(masons, Qt::Key_End);
    QTest::keyClick(masons, Qt::Key_Backspace);
    QTest::keyClick(masons, Qt::Key_1);
    QCOMPARE(masons->text(), QString("301"));
    QCOMPARE(table(w)->topLevelItemCount(), 10);
    QCOMPARE(rowTexts(w, 0).at(2), QString("491.00"));

    // Blanks that reach a box otherwise (pasted) count as nothing.
    masons->setText("   ");
    QCOMPARE(table(w)->topLevelItemCount(), 0);
    QCOMPARE(table(w)->columnCount(), 4);

    clickUnitCost(w);
    QCOMPARE(messages->take().size(), 1);
    masons->setText("300");
    clickUnitCost(w);
    QCOMPARE(table(w)->topLevelItemCount(), 10);
    QLineEdit *bricks = box(w, "BRICKS");
    bricks->setFocus();
    QTest::keyClick(bricks, Qt::Key_Backspace);
    QCOMPARE(table(w)->topLevelItemCount(), 0);
}

// With several boxes blank the focus ends on the last of them, not the first.
void tst_DataSheetWindow::checktextboxFocusesLastBlank()
{
    QStringList costs = Example;
    costs[0].clear();
    costs[3].clear();
    typeCosts(w, costs);
    child<QPushButton>(w, "close")->setFocus();
    clickUnitCost(w);
    QCOMPARE(messages->count(), 1);
    QCOMPARE(messages->last().prompt, QString("Fill All Text Boxes"));
    QCOMPARE(messages->last().title, QString("Fill All Text Boxes"));
    QCOMPARE(QApplication::focusWidget(), box(w, "SAND"));
    QCOMPARE(table(w)->topLevelItemCount(), 0);

    QCOMPARE(w->checktextbox(), short(1));
    QTest::keyClicks(box(w, "cement1"), "250");
    QTest::keyClicks(box(w, "SAND"), "500");
    box(w, "MM40")->setFocus();
    QCOMPARE(w->checktextbox(), short(0));
    QCOMPARE(QApplication::focusWidget(), box(w, "MM40"));
}

void tst_DataSheetWindow::workedExample()
{
    typeCosts(w, Example);
    const QList<QStringList> expected = {
        {"PCC (1:4:8) Mix/Cu.m", "1978.00", "491.00", "2469.00"},
        {"PCC (1:5:10) Mix/Cu.m", "1812.40", "491.00", "2303.40"},
        {"Brick Masonary With CM(1:5) Mix/Cu.m", "2537.20", "962.00", "3499.20"},
        {"Brick Masonary With CM(1:6) Mix/Cu.m", "2446.00", "962.00", "3408.00"},
        {"Brick Masonary With CM(1:8) Mix/Cu.m", "2332.00", "728.00", "3060.00"},
        {"RCC (1:2:4) Mix/Cu.m", "2990.00", "", ""},
        {"Wall Plastering With CM(1:5) Mix/10 Sq.m -- 12 mm Tk", "291.00", "482.00", "773.00"},
        {"Wall Plastering With CM(1:5) Mix/10 Sq.m -- 20 mm Tk", "407.40", "1009.00", "1416.40"},
        {"Ceiling Plastering With CM(1:3) Mix/10 Sq.m -- 12 mm Tk", "435.00", "482.00", "917.00"},
        {"Ceiling Plastering With CM(1:3) Mix/10 Sq.m -- 20 mm Tk", "609.00", "1009.00", "1618.00"},
    };
    // A second click rebuilds the rows instead of adding to them.
    for (int click = 0; click < 2; ++click) {
        clickUnitCost(w);
        QCOMPARE(table(w)->topLevelItemCount(), 10);
        for (int row = 0; row < 10; ++row)
            QCOMPARE(rowTexts(w, row), expected[row]);
    }
    QCOMPARE(table(w)->topLevelItem(0)->textAlignment(1) & Qt::AlignHorizontal_Mask, int(Qt::AlignHCenter));
    QCOMPARE(messages->count(), 0);
}

void tst_DataSheetWindow::allZero()
{
    typeCosts(w, QStringList(9, "0"));
    clickUnitCost(w);
    QCOMPARE(table(w)->topLevelItemCount(), 10);
    for (int row = 0; row < 10; ++row) {
        const QString cost = row == 5 ? "" : ".00";
        QCOMPARE(rowTexts(w, row).mid(1), (QStringList{".00", cost, cost}));
    }
}

void tst_DataSheetWindow::failures_data()
{
    QTest::addColumn<int>("input");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("message");
    QTest::newRow("two points") << 4 << "1.2.3" << "Country Bricks Per 1 Nos reads \"1.2.3\", which is not a number.";
    QTest::newRow("lone point") << 7 << "." << "Man Mazdoor reads \".\", which is not a number.";
    QTest::newRow("bricks times 600 overflow") << 4 << "4" + QString(305, '0') << "The result is too large to compute.";
    QTest::newRow("beyond a double") << 0 << "2" + QString(308, '0') << "The result is too large to compute.";
}

// A failed analysis is reported once and leaves the table empty, the boxes as typed.
void tst_DataSheetWindow::failures()
{
    QFETCH(int, input);
    QFETCH(QString, typed);
    typeCosts(w, Example);
    clickUnitCost(w);
    QCOMPARE(table(w)->topLevelItemCount(), 10);
    QLineEdit *edit = box(w, Inputs[input]);
    edit->clear();
    QTest::keyClicks(edit, typed);
    clickUnitCost(w);
    QCOMPARE(messages->count(), 1);
    QTEST(messages->last().prompt, "message");
    QCOMPARE(messages->last().title, QString("ratebook"));
    QCOMPARE(table(w)->topLevelItemCount(), 0);
    QCOMPARE(edit->text(), typed);
}

void tst_DataSheetWindow::buttonsTakeEnterAndSpace()
{
    QWidget *unitcost = child<QPushButton>(w, "unitcost");
    unitcost->setFocus();
    QTest::keyClick(unitcost, Qt::Key_Return);
    QTest::keyClick(unitcost, Qt::Key_Space);
    QCOMPARE(messages->count(), 2);
    QTest::keyClick(w, Qt::Key_U, Qt::AltModifier);
    QTRY_COMPARE(messages->count(), 3);
    QCOMPARE(messages->last().prompt, QString("Fill All Text Boxes"));
}

// The one place a real message box is shown: modal, question mark, one OK, the title.
void tst_DataSheetWindow::realMessageBox()
{
    delete std::exchange(messages, nullptr);
    QString seen;
    QTimer::singleShot(0, this, [&seen] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box)
            return;
        seen = QStringLiteral("%1|%2|%3|%4").arg(box->windowTitle(), box->text()).arg(int(box->icon())).arg(box->buttons().size());
        box->button(QMessageBox::Ok)->click();
    });
    QLineEdit *sand = box(w, "SAND");
    sand->setFocus();
    QTest::keyClick(sand, Qt::Key_Return);
    messages = new MessageLog;
    QCOMPARE(seen, QStringLiteral("Sand Cost|Enter Cost Of Sand Per Cu.m |%1|1").arg(int(QMessageBox::Question)));
    QTRY_COMPARE(QApplication::focusWidget(), sand);
}

void tst_DataSheetWindow::closes_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<int>("how"); // 0: F2, 1: Shift+Ctrl+F2, 2: the close button, 3: Alt+C, 4: the close box
    for (const char *name : {"cement1", "WOMANMAZDOOR", "unitcost", "close", "ListView1"})
        QTest::newRow(qPrintable(QStringLiteral("F2 in %1").arg(name))) << QString(name) << 0;
    QTest::newRow("Shift+Ctrl+F2 in SAND") << "SAND" << 1;
    QTest::newRow("close button") << "close" << 2;
    QTest::newRow("Alt+C") << "MM20" << 3;
    QTest::newRow("close box") << "cement1" << 4;
}

void tst_DataSheetWindow::closes()
{
    QFETCH(QString, control);
    QFETCH(int, how);
    auto *focus = w->findChild<QWidget *>(control);
    QVERIFY(focus);
    focus->setFocus();
    switch (how) {
    case 0: QTest::keyClick(focus, Qt::Key_F2); break;
    case 1: QTest::keyClick(focus, Qt::Key_F2, Qt::ShiftModifier | Qt::ControlModifier); break;
    case 2: QTest::mouseClick(child<QPushButton>(w, "close"), Qt::LeftButton); break;
    case 3: QTest::keyClick(focus, Qt::Key_C, Qt::AltModifier); break;
    case 4: w->close(); break;
    }
    QTRY_COMPARE(visibleWindows().size(), 1);
    QTRY_COMPARE(visibleWindows().front()->objectName(), QString("Form1"));
    const QWidgetList shown = visibleWindows();
    QVERIFY(QTest::qWaitForWindowActive(shown.front()));
    QCOMPARE(QApplication::focusWidget()->objectName(), QString("Command1"));
}

void tst_DataSheetWindow::reopensFresh()
{
    typeCosts(w, Example);
    clickUnitCost(w);
    QTest::keyClick(w, Qt::Key_F2);
    init();
    for (const char *name : Inputs)
        QVERIFY(box(w, name)->text().isEmpty());
    QCOMPARE(table(w)->topLevelItemCount(), 0);
}

void tst_DataSheetWindow::captionsWhole()
{
    QCOMPARE(captionsNotWhole(w), QStringList());
    // Every label sits left of its box, clear of it.
    for (const char *name : Inputs) {
        QLineEdit *edit = box(w, name);
        for (QLabel *label : edit->parentWidget()->findChildren<QLabel *>()) {
            if (qAbs(label->y() - edit->y()) < edit->height() && label->x() < edit->x())
                QVERIFY2(label->geometry().right() < edit->x(), name);
        }
    }
}

QTEST_MAIN(tst_DataSheetWindow)
#include "tst_datasheetwindow.moc"
