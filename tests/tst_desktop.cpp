// What makes ratebook at home on a desktop: the tables copy out, every control has a name a screen reader says and
// a key that reaches it, and at every scale factor (ctest runs the arrangement at 1, 1.5 and 2) the windows look right.
#include "windowtest.h"
#include "workedexample.h"

using namespace ratebook;

// The first table of an HTML text, as a word processor reads a paste: cells joined by '|'.
static QStringList fromHtml(const QString &html)
{
    QTextDocument document;
    document.setHtml(html);
    QStringList rows;
    if (const auto *table = qobject_cast<QTextTable *>(document.rootFrame()->childFrames().value(0)))
        for (int row = 0, n = table->columns(); row < table->rows(); ++row) // a cell to a line
            rows << document.toPlainText().mid(table->firstPosition()).split('\n').mid(row * n, n).join('|');
    return rows;
}

static void walk(QAccessibleInterface *node, QStringList &named)
{
    named << (node->object() ? node->object()->objectName() : QString()) + '=' + node->text(QAccessible::Name);
    for (int i = 0; i < node->childCount(); ++i)
        walk(node->child(i), named);
}

class tst_Desktop : public QObject
{
    Q_OBJECT

    MessageLog messages;
    QWidget *w = nullptr;

private slots:
    void initTestCase() { ratebook::setUpApplication(); }
    void cleanup() { closeEverything(); QCOMPARE(messages.take(), QStringList()); }

    // Copied by Ctrl+C or the context menu's first entry, the header and the rows chosen (clicked, then Ctrl+clicked)
    // land in a spreadsheet's cells and a word processor's table as the window shows them, in its order.
    void copiesRows_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QList<int>>("selected");
        QTest::addColumn<QList<int>>("copied");
        QTest::newRow("rate table, rows 6 and 2") << "datasheet1" << QList<int>{5, 1} << QList<int>{1, 5};
        QTest::newRow("material table, all rows") << "Form17" << QList<int>() << QList<int>{0, 1, 2};
    }
    void copiesRows()
    {
        QFETCH(QString, window);
        QFETCH(QList<int>, selected);
        QFETCH(QList<int>, copied);
        QVERIFY(w = openWindow(window));
        for (int i = 0; QLineEdit *box : w->findChildren<QLineEdit *>()) // any costs would do
            box->setText(ExampleCosts.value(i++));
        QTest::mouseClick(child(w, selected.size() ? "unitcost" : "Command1"), Qt::LeftButton);
        auto *table = child<QTreeWidget>(w, "ListView1");
        table->setFocus();
        for (int row : selected)
            QTest::mouseClick(table->viewport(), Qt::LeftButton, selected.indexOf(row) ? Qt::ControlModifier : Qt::NoModifier,
                              table->visualItemRect(table->topLevelItem(row)).center());
        QStringList expected;
        for (int c = 0; c < table->columnCount(); ++c)
            expected << table->headerItem()->text(c);
        expected = QStringList{expected.join('|')};
        for (int row : copied)
            expected << tableRows(w).at(row);
        QContextMenuEvent menuKey(QContextMenuEvent::Keyboard, QPoint(10, 10), table->mapToGlobal(QPoint(10, 10)));
        for (const bool byMenu : {false, true}) {
            QApplication::clipboard()->clear();
            QString menu;
            if (byMenu) // the menu's first entry, chosen by the keyboard; with no menu the keys go to the table
                QTimer::singleShot(0, this, [&menu] {
                    QWidget *popup = QApplication::activePopupWidget();
                    menu = popup ? popup->actions().value(0)->text() : "no menu";
                    QTest::keySequence(popup, QKeySequence("Down, Return"));
                });
            byMenu ? void(QApplication::sendEvent(table, &menuKey)) : QTest::keyClick(table, Qt::Key_C, Qt::ControlModifier);
            QCOMPARE(menu, byMenu ? "Copy" : "");
            QCOMPARE(QApplication::clipboard()->mimeData()->text(), expected.join('\n').replace('|', '\t') + '\n');
            QCOMPARE(fromHtml(QApplication::clipboard()->mimeData()->html()), expected);
        }
    }

    void reachesEveryControl_data()
    {
        QTest::addColumn<QString>("window");
        for (const char *window : {"Form1", "datasheet1", "Form17"})
            QTest::newRow(window) << window;
    }
    // A screen reader finds every control by what a user reads beside it (a box by its label, an item's box and tick
    // by the item's name, a button by its caption), and each box says what it is for. Tab goes round every control
    // once; each button has its own access key, its caption's first letter.
    void reachesEveryControl()
    {
        QFETCH(QString, window);
        QVERIFY(w = openWindow(window));
        if (window == "Form17") // every box open, so that Tab reaches them
            QTest::keyClick(w->focusWidget(), Qt::Key_E, Qt::AltModifier);
        QStringList named, labels, keys;
        walk(QAccessible::queryAccessibleInterface(w), named);
        for (const QLabel *label : w->findChildren<QLabel *>())
            labels << label->text();
        QSet<QWidget *> reachable;
        for (QWidget *control : w->findChildren<QWidget *>()) {
            if (!(control->focusPolicy() & Qt::TabFocus) || !control->isEnabled())
                continue;
            reachable << control;
            const QAccessibleInterface *a = QAccessible::queryAccessibleInterface(control);
            const QString name = a->text(QAccessible::Name), description = a->text(QAccessible::Description);
            const QString n = control->objectName();
            const auto *tick = w->findChild<QCheckBox *>(QString(n).replace("Text", "Check"));
            QVERIFY2(named.contains(n + '=' + name), qPrintable(n));
            if (auto *button = qobject_cast<QPushButton *>(control)) {
                QCOMPARE(name, QString(button->text()).remove('&'));
                keys << QKeySequence::mnemonic(button->text()).toString();
                QCOMPARE(keys.last(), "Alt+" + name.left(1).toUpper());
            } else if (qobject_cast<QLineEdit *>(control) || qobject_cast<QCheckBox *>(control)) {
                QVERIFY2((labels.contains(name) || (tick && tick->text().simplified().startsWith(name + ' '))) && description == description.simplified()
                         && !description.isEmpty(), qPrintable(n + '=' + name));
            }
        }
        QCOMPARE(QSet<QString>(keys.begin(), keys.end()).size(), keys.size());
        QWidget *start = QApplication::focusWidget();
        QSet<QWidget *> seen;
        for (qsizetype step = 0; step < reachable.size(); ++step) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            seen << QApplication::focusWidget();
        }
        QCOMPARE(QApplication::focusWidget(), start);
        QCOMPARE(seen, reachable);
    }

    void keepsArrangementAtScale_data() { reachesEveryControl_data(); }
    // At this run's scale factor captions stay whole, no control covers another, and picture and icon stay sharp.
    void keepsArrangementAtScale()
    {
        QFETCH(QString, window);
        QVERIFY(w = openWindow(window));
        const qreal scale = qEnvironmentVariable("QT_SCALE_FACTOR", "1").toDouble();
        QCOMPARE(w->devicePixelRatioF(), scale);
        QCOMPARE(captionsNotWhole(w), QStringList());
        QStringList overlapping; // among the controls of the window and of each frame
        const QWidgetList all = w->findChildren<QWidget *>();
        for (QWidget *a : all)
            for (QWidget *b : all)
                if (a < b && a->parentWidget() == b->parentWidget() && a->geometry().intersects(b->geometry())
                    && (a->parentWidget() == w || qobject_cast<QGroupBox *>(a->parentWidget())))
                    overlapping << a->objectName() + '/' + b->objectName();
        QCOMPARE(overlapping, QStringList());
        if (auto *picture = w->findChild<QLabel *>("Image1"))
            QVERIFY(picture->pixmap().deviceIndependentSize() == QSizeF(226, 216) && picture->pixmap().devicePixelRatio() >= scale);
        QVERIFY(std::ranges::any_of(QApplication::windowIcon().availableSizes(), [scale](QSize s) { return s.width() >= 48 * scale; }));
    }
};

QTEST_MAIN(tst_Desktop)
#include "tst_desktop.moc"
