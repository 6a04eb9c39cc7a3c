// What makes ratebook at home on a desktop beside what its windows compute: the tables
// copy out to a spreadsheet, every control has a name a screen reader can say and a key
// that reaches it, and at every scale factor (ctest runs the arrangement test at 1, 1.5
// and 2) the windows look as laid out.
#include "windowtest.h"
#include "workedexample.h"

#include "app/form1.h"

#include <QAccessible>
#include <QCheckBox>
#include <QClipboard>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QTextDocument>
#include <QTextTable>
#include <QTimer>
#include <QTreeWidget>

using namespace ratebook;
using Grid = QList<QStringList>;

// Opens a window as the user does: the main window, and from it a work window by its access key.
static QWidget *open(const QString &name)
{
    QWidget *main = windows::form1();
    if (!QTest::qWaitForWindowActive(main) || name == "Form1")
        return main;
    QTest::keyClick(main, name == "datasheet1" ? Qt::Key_D : Qt::Key_M, Qt::AltModifier);
    const bool opened = QTest::qWaitFor([&name] { return QApplication::activeWindow() && QApplication::activeWindow()->objectName() == name; });
    return opened ? QApplication::activeWindow() : nullptr;
}

static Grid fromText(const QString &text)
{
    Grid grid;
    for (const QString &line : text.split('\n'))
        grid << line.split('\t');
    return grid;
}

// The first table of an HTML text, read the way a word processor reads a paste.
static Grid fromHtml(const QString &html)
{
    QTextDocument document;
    document.setHtml(html);
    const auto frames = document.rootFrame()->childFrames();
    const QTextTable *table = frames.isEmpty() ? nullptr : qobject_cast<QTextTable *>(frames.front());
    Grid grid;
    for (int row = 0; table && row < table->rows(); ++row) {
        grid << QStringList();
        for (int column = 0; column < table->columns(); ++column) {
            QTextCursor cell = table->cellAt(row, column).firstCursorPosition();
            cell.setPosition(table->cellAt(row, column).lastCursorPosition().position(), QTextCursor::KeepAnchor);
            grid.back() << cell.selectedText();
        }
    }
    return grid;
}

static void walk(QAccessibleInterface *node, QStringList &named)
{
    named << QStringLiteral("%1=%2").arg(node->object() ? node->object()->objectName() : QString(), node->text(QAccessible::Name));
    for (int i = 0; i < node->childCount(); ++i)
        walk(node->child(i), named);
}

class tst_Desktop : public QObject
{
    Q_OBJECT

    MessageLog messages;

private slots:
    void initTestCase() { ui::setUpApplication(); }
    void cleanup()
    {
        closeEverything();
        QCOMPARE(messages.take().size(), 0);
    }

    void copiesRows_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QList<int>>("selected"); // clicked, then Ctrl+clicked
        QTest::addColumn<QString>("how");
        QTest::addColumn<QSize>("cells"); // columns by lines, header included
        QTest::newRow("rate table, all rows") << "datasheet1" << QList<int>() << "Ctrl+C" << QSize(4, 11);
        QTest::newRow("rate table, rows 6 and 2") << "datasheet1" << QList<int>{5, 1} << "menu" << QSize(4, 3);
        QTest::newRow("material table, all rows") << "Form17" << QList<int>() << "menu" << QSize(5, 4);
        QTest::newRow("material table, row 3") << "Form17" << QList<int>{2} << "Ctrl+C" << QSize(5, 2);
    }
    // A paste into a spreadsheet lands in cells, into a word processor as a table, and
    // both hold the header and the chosen rows with the texts of the window, in its order.
    void copiesRows()
    {
        QFETCH(QString, window);
        QFETCH(QList<int>, selected);
        QFETCH(QString, how);
        QFETCH(QSize, cells);
        QWidget *w = open(window);
        QVERIFY(w && w->objectName() == window);
        for (const QString &cost : window == "datasheet1" ? ExampleCosts : QStringList()) {
            QTest::keyClicks(QApplication::focusWidget(), cost);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        }
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return); // on Unit Cost or Get Material
        auto *table = child<QTreeWidget>(w, "ListView1");
        table->setFocus();
        for (int row : selected) {
            const QPoint at = table->visualItemRect(table->topLevelItem(row)).center();
            QTest::mouseClick(table->viewport(), Qt::LeftButton, row == selected.front() ? Qt::NoModifier : Qt::ControlModifier, at);
        }
        QApplication::clipboard()->clear();
        if (how == "Ctrl+C") {
            QTest::keyClick(table, Qt::Key_C, Qt::ControlModifier);
        } else {
            QString menu = "no menu";
            QTimer::singleShot(0, this, [&menu] {
                if (auto *popup = qobject_cast<QMenu *>(QApplication::activePopupWidget())) {
                    menu = popup->actions().value(0)->text();
                    QTest::keyClick(popup, Qt::Key_Down);
                    QTest::keyClick(popup, Qt::Key_Return);
                }
            });
            QContextMenuEvent menuKey(QContextMenuEvent::Keyboard, QPoint(10, 10), table->mapToGlobal(QPoint(10, 10)));
            QApplication::sendEvent(table, &menuKey);
            QCOMPARE(menu, QString("Copy"));
        }
        const QMimeData *copied = QApplication::clipboard()->mimeData();
        Grid shown;
        for (int row = -1; row < table->topLevelItemCount(); ++row) {
            const QTreeWidgetItem *item = row < 0 ? table->headerItem() : table->topLevelItem(row);
            if (row < 0 || selected.isEmpty() || item->isSelected()) {
                shown << QStringList();
                for (int column = 0; column < table->columnCount(); ++column)
                    shown.back() << item->text(column);
            }
        }
        QVERIFY(copied->text().endsWith('\n'));
        QCOMPARE(fromText(copied->text().chopped(1)), shown);
        QCOMPARE(fromHtml(copied->html()), shown);
        QCOMPARE(QSize(shown.front().size(), shown.size()), cells);
    }

    void namedForScreenReaders_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QStringList>("names"); // objectName=accessible name
        QTest::newRow("main") << "Form1" << QStringList{"Command1=Data sheet Viewer", "Command2=Material Viewer"};
        QTest::newRow("data sheet") << "datasheet1" << QStringList{
            "cement1=Cement Per 50 Kg bag", "MM20=20mm HBG Chips Per Cu.m", "MM40=40mm HBG Metal Per Cu.m",
            "SAND=Sand Per Cum", "BRICKS=Country Bricks Per 1 Nos", "MASON1=Mason Ist Class", "MASON2=Mason IInd Class",
            "MANMAZDOOR=Man Mazdoor", "WOMANMAZDOOR=Woman Mazdoor", "unitcost=Unit Cost", "close=Close"};
        QStringList items{"desiable=Disable All", "Command3=Enable All", "Command1=Get Material", "Command2=Close"};
        const char *const names[] = {"PCC (1:4:8) mix", "PCC (1:5:10) mix", "RCC (1:2:4) mix", "RCC (1:1.5:3)",
            "Brick Masonary With CM (1:4) mix", "Brick Masonary With CM (1:5) mix", "Brick Masonary With CM (1:6) mix",
            "Brick Masonary With CM (1:8) mix", "Plastering with CM (1:3) Mix, 12 mm Thick", "Plastering with CM (1:3) Mix, 20 mm Thick",
            "Plastering with CM (1:5) Mix, 12 mm Thick", "Plastering with CM (1:5) Mix, 20 mm Thick"};
        for (int item = 1; item <= 12; ++item)
            items << QStringLiteral("Text%1=%2").arg(item).arg(names[item - 1]) << QStringLiteral("Check%1=%2").arg(item).arg(names[item - 1]);
        QTest::newRow("extractor") << "Form17" << items;
    }
    // Walking a window's accessibility tree finds every input and button by the name a
    // user sees beside it; every input also says what it is for, and each table its
    // headers and cells.
    void namedForScreenReaders()
    {
        QFETCH(QString, window);
        QFETCH(QStringList, names);
        QWidget *w = open(window);
        QVERIFY(w && w->objectName() == window);
        QStringList named;
        walk(QAccessible::queryAccessibleInterface(w), named);
        for (const QString &name : names)
            QVERIFY2(named.contains(name), qPrintable(name));
        for (QWidget *input : w->findChildren<QWidget *>()) {
            const QString description = QAccessible::queryAccessibleInterface(input)->text(QAccessible::Description);
            if (qobject_cast<QLineEdit *>(input) || qobject_cast<QCheckBox *>(input))
                QVERIFY2(!description.isEmpty() && description == description.simplified(), qPrintable(input->objectName()));
        }
        for (QTreeWidget *table : w->findChildren<QTreeWidget *>()) {
            QAccessibleTableInterface *cells = QAccessible::queryAccessibleInterface(table)->tableInterface();
            QVERIFY(cells && cells->columnCount() == table->columnCount() && cells->rowCount() == table->topLevelItemCount());
            for (int column = 0; column < table->columnCount(); ++column)
                QCOMPARE(cells->columnDescription(column), table->headerItem()->text(column));
            const int last = table->columnCount() - 1;
            if (table->topLevelItemCount() > 2)
                QCOMPARE(cells->cellAt(2, last)->text(QAccessible::Name), table->topLevelItem(2)->text(last));
        }
    }

    void keyboardReachesEverything_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QStringList>("tabOrder");
        QTest::addColumn<QStringList>("accessKeys");
        QTest::newRow("main") << "Form1" << QStringList{"Command1", "Command2"} << QStringList{"Alt+D", "Alt+M"};
        QTest::newRow("data sheet") << "datasheet1"
            << QStringList{"cement1", "MM20", "MM40", "SAND", "BRICKS", "MASON1", "MASON2", "MANMAZDOOR", "WOMANMAZDOOR", "unitcost", "close", "ListView1"}
            << QStringList{"Alt+C", "Alt+U"};
        QStringList order{"Command1", "ListView1", "Command2", "Command3", "desiable"};
        for (const char *kind : {"Text", "Check"}) {
            for (int item = 12; item >= 1; --item)
                order << kind + QString::number(item);
        }
        QTest::newRow("extractor, all items open") << "Form17" << order << QStringList{"Alt+C", "Alt+D", "Alt+E", "Alt+G"};
    }
    // Tab goes round every control in the laid-down order, and each button has an access
    // key of its own.
    void keyboardReachesEverything()
    {
        QFETCH(QString, window);
        QFETCH(QStringList, tabOrder);
        QFETCH(QStringList, accessKeys);
        QWidget *w = open(window);
        QVERIFY(w && w->objectName() == window);
        if (window == "Form17") {
            QTest::keyClick(w->focusWidget(), Qt::Key_E, Qt::AltModifier);
            QTRY_COMPARE(QApplication::focusWidget()->objectName(), QString("Text12"));
        }
        const QString start = QApplication::focusWidget()->objectName();
        QStringList seen;
        for (int step = 0; step < tabOrder.size(); ++step) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            seen << QApplication::focusWidget()->objectName();
        }
        const qsizetype at = tabOrder.indexOf(start) + 1;
        QCOMPARE(seen, tabOrder.mid(at) + tabOrder.first(at));
        QStringList keys;
        for (QPushButton *button : w->findChildren<QPushButton *>())
            keys << QKeySequence::mnemonic(button->text()).toString();
        keys.sort();
        QCOMPARE(keys, accessKeys);
    }

    void keepsArrangementAtScale_data()
    {
        QTest::addColumn<QString>("window");
        for (const char *window : {"Form1", "datasheet1", "Form17"})
            QTest::newRow(window) << QString(window);
    }
    // At the scale factor this run is under, captions stay whole, no control covers
    // another, and the picture and icon have a pixel for each pixel of the screen.
    void keepsArrangementAtScale()
    {
        QFETCH(QString, window);
        QWidget *w = open(window);
        QVERIFY(w && w->objectName() == window);
        const qreal scale = qEnvironmentVariable("QT_SCALE_FACTOR", "1").toDouble();
        QCOMPARE(w->devicePixelRatioF(), scale);
        QCOMPARE(captionsNotWhole(w), QStringList());
        QStringList overlapping;
        QWidgetList parents{w};
        for (QGroupBox *frame : w->findChildren<QGroupBox *>())
            parents << frame;
        for (QWidget *parent : parents) {
            const QWidgetList controls = parent->findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
            for (qsizetype a = 0; a < controls.size(); ++a) {
                for (qsizetype b = a + 1; b < controls.size(); ++b) {
                    if (controls[a]->geometry().intersects(controls[b]->geometry()))
                        overlapping << controls[a]->objectName() + '/' + controls[b]->objectName();
                }
            }
        }
        QCOMPARE(overlapping, QStringList());
        if (auto *picture = w->findChild<QLabel *>("Image1")) {
            QCOMPARE(picture->pixmap().deviceIndependentSize(), QSizeF(226, 216));
            QVERIFY(picture->pixmap().devicePixelRatio() >= scale);
        }
        QSize largestIcon;
        for (const QSize &size : QApplication::windowIcon().availableSizes())
            largestIcon = largestIcon.expandedTo(size);
        QVERIFY(largestIcon.width() >= 48 * scale);
    }
};

QTEST_MAIN(tst_Desktop)
#include "tst_desktop.moc"
