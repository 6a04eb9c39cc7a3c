// What makes ratebook at home on a desktop: the tables copy out, every control has a name a
// screen reader says and a key that reaches it, and at every scale factor (ctest runs the
// arrangement test at 1, 1.5 and 2) the windows look as laid out.
#include "windowtest.h"
#include "workedexample.h"

using namespace ratebook;

// The first table of an HTML text, as a word processor reads a paste: cells joined by '|'.
static QStringList fromHtml(const QString &html)
{
    QTextDocument document;
    document.setHtml(html);
    const auto *table = qobject_cast<QTextTable *>(document.rootFrame()->childFrames().value(0));
    if (!table)
        return {};
    const QString text = document.toPlainText().mid(table->firstPosition(), table->lastPosition() - table->firstPosition());
    QStringList rows;
    for (int row = 0; row < table->rows(); ++row) // a cell to a line
        rows << text.split('\n').mid(row * table->columns(), table->columns()).join('|');
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
        QTest::addColumn<QList<int>>("copied"); // after the header
        QTest::newRow("rate table, rows 6 and 2") << "datasheet1" << QList<int>{5, 1} << QList<int>{1, 5};
        QTest::newRow("material table, all rows") << "Form17" << QList<int>() << QList<int>{0, 1, 2};
    }
    // A paste into a spreadsheet lands in cells, into a word processor as a table, and both
    // hold the header and the chosen rows as the window shows them, in its order; whether
    // copied by Ctrl+C or by the first entry of the context menu.
    void copiesRows()
    {
        QFETCH(QString, window);
        QFETCH(QList<int>, selected);
        QFETCH(QList<int>, copied);
        QVERIFY(w = openWindow(window));
        for (int i = 0; i < 9 && window == "datasheet1"; ++i)
            child<QLineEdit>(w, CostBoxes[i])->setText(ExampleCosts[i]);
        QTest::mouseClick(child<QPushButton>(w, window == "datasheet1" ? "unitcost" : "Command1"), Qt::LeftButton);
        auto *table = child<QTreeWidget>(w, "ListView1");
        table->setFocus();
        for (int row : selected) {
            const QPoint at = table->visualItemRect(table->topLevelItem(row)).center();
            const auto modifier = row == selected.front() ? Qt::NoModifier : Qt::ControlModifier;
            QTest::mouseClick(table->viewport(), Qt::LeftButton, modifier, at);
        }
        QStringList expected{window == "Form17" ? "40 MM METAL|20 MM CHIPS|BRICKS|CEMENT|SAND"
                                                : "Description Of Item|Material Cost|Labour Cost|Men & Material Cost"};
        for (int row : copied)
            expected << tableRows(w).at(row);
        for (const bool byMenu : {false, true}) {
            QApplication::clipboard()->clear();
            if (byMenu) {
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
            } else {
                QTest::keyClick(table, Qt::Key_C, Qt::ControlModifier);
            }
            const QMimeData *data = QApplication::clipboard()->mimeData();
            QCOMPARE(data->text(), expected.join('\n').replace('|', '\t') + '\n');
            QCOMPARE(fromHtml(data->html()), expected);
        }
    }

    void reachesEveryControl_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QStringList>("inputs"); // objectName=accessible name; the buttons go by their captions
        QTest::addColumn<QStringList>("tabOrder");
        QTest::newRow("main") << "Form1" << QStringList() << QStringList{"Command1", "Command2"};
        QTest::newRow("data sheet") << "datasheet1" << QStringList{"cement1=Cement Per 50 Kg bag",
            "MM20=20mm HBG Chips Per Cu.m", "MM40=40mm HBG Metal Per Cu.m", "SAND=Sand Per Cum",
            "BRICKS=Country Bricks Per 1 Nos", "MASON1=Mason Ist Class", "MASON2=Mason IInd Class",
            "MANMAZDOOR=Man Mazdoor", "WOMANMAZDOOR=Woman Mazdoor"}
            << QStringList(std::begin(CostBoxes), std::end(CostBoxes)) + QStringList{"unitcost", "close", "ListView1"};
        QStringList names, texts, checks;
        for (int item = 12; item >= 1; --item) { // named without the caption's blanks and unit
            texts << "Text" + QString::number(item);
            checks << "Check" + QString::number(item);
            const QString name = '=' + WorkItems[item - 1].simplified();
            names << texts.last() + name << checks.last() + name;
        }
        QTest::newRow("extractor, all items open") << "Form17" << names
            << QStringList{"Command1", "ListView1", "Command2", "Command3", "desiable"} + texts + checks;
    }
    // A screen reader's walk through the window finds every input and button by the name a user
    // sees beside it, and every input says what it is for. Tab goes round every control in the
    // laid-down order, and each button has an access key of its own, its caption's first letter.
    void reachesEveryControl()
    {
        QFETCH(QString, window);
        QFETCH(QStringList, inputs);
        QFETCH(QStringList, tabOrder);
        QVERIFY(w = openWindow(window));
        QStringList named, keys;
        walk(QAccessible::queryAccessibleInterface(w), named);
        for (QPushButton *button : w->findChildren<QPushButton *>()) {
            inputs << button->objectName() + '=' + QString(button->text()).remove('&');
            keys << QKeySequence::mnemonic(button->text()).toString();
            QCOMPARE(keys.last(), "Alt+" + button->text().remove('&').left(1).toUpper());
        }
        QCOMPARE(QSet<QString>(keys.begin(), keys.end()).size(), keys.size());
        for (const QString &name : inputs)
            QVERIFY2(named.contains(name), qPrintable(name));
        for (QWidget *input : w->findChildren<QWidget *>()) {
            const QString description = QAccessible::queryAccessibleInterface(input)->text(QAccessible::Description);
            if (qobject_cast<QLineEdit *>(input) || qobject_cast<QCheckBox *>(input))
                QVERIFY2(!description.isEmpty() && description == description.simplified(), qPrintable(input->objectName()));
        }
        if (window == "Form17") { // every box open, so that Tab reaches them
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
        QVERIFY(w = openWindow(window));
        const qreal scale = qEnvironmentVariable("QT_SCALE_FACTOR", "1").toDouble();
        QCOMPARE(w->devicePixelRatioF(), scale);
        QCOMPARE(captionsNotWhole(w), QStringList());
        QStringList overlapping; // among the controls of the window and of each frame
        const QWidgetList all = w->findChildren<QWidget *>();
        for (QWidget *a : all) {
            const bool control = a->parentWidget() == w || qobject_cast<QGroupBox *>(a->parentWidget());
            for (QWidget *b : all) {
                if (control && a < b && a->parentWidget() == b->parentWidget() && a->geometry().intersects(b->geometry()))
                    overlapping << a->objectName() + '/' + b->objectName();
            }
        }
        QCOMPARE(overlapping, QStringList());
        if (auto *picture = w->findChild<QLabel *>("Image1")) {
            QCOMPARE(picture->pixmap().deviceIndependentSize(), QSizeF(226, 216));
            QVERIFY(picture->pixmap().devicePixelRatio() >= scale);
        }
        const QList<QSize> icons = QApplication::windowIcon().availableSizes();
        QVERIFY(std::any_of(icons.begin(), icons.end(), [scale](QSize size) { return size.width() >= 48 * scale; }));
    }
};

QTEST_MAIN(tst_Desktop)
#include "tst_desktop.moc"
