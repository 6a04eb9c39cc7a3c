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
    void cleanup() { closeEverything(); QCOMPARE(messages.take().size(), 0); }

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
        const bool sheet = window == "datasheet1";
        QVERIFY(w = openWindow(window));
        for (int i = 0; i < 9 && sheet; ++i)
            child<QLineEdit>(w, CostBoxes[i])->setText(ExampleCosts[i]);
        QTest::mouseClick(child<QPushButton>(w, sheet ? "unitcost" : "Command1"), Qt::LeftButton);
        auto *table = child<QTreeWidget>(w, "ListView1");
        table->setFocus();
        for (int row : selected)
            QTest::mouseClick(table->viewport(), Qt::LeftButton, selected.indexOf(row) ? Qt::ControlModifier : Qt::NoModifier,
                              table->visualItemRect(table->topLevelItem(row)).center());
        QStringList expected{sheet ? "Description Of Item|Material Cost|Labour Cost|Men & Material Cost"
                                   : "40 MM METAL|20 MM CHIPS|BRICKS|CEMENT|SAND"};
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
        QTest::addColumn<QStringList>("inputs"); // objectName=accessible name; the buttons go by their captions
        QTest::addColumn<QStringList>("tabOrder");
        QTest::newRow("main") << "Form1" << QStringList() << QStringList{"Command1", "Command2"};
        QTest::newRow("data sheet") << "datasheet1" << QStringList{"cement1=Cement Per 50 Kg bag",
            "MM20=20mm HBG Chips Per Cu.m", "MM40=40mm HBG Metal Per Cu.m", "SAND=Sand Per Cum",
            "BRICKS=Country Bricks Per 1 Nos", "MASON1=Mason Ist Class", "MASON2=Mason IInd Class",
            "MANMAZDOOR=Man Mazdoor", "WOMANMAZDOOR=Woman Mazdoor"}
            << QStringList(std::begin(CostBoxes), std::end(CostBoxes)) + QStringList{"unitcost", "close", "ListView1"};
        QStringList names, texts, checks; // box and tick named by the caption, its doubled blanks made single
        for (int item = 12; item >= 1; --item)
            names << (texts << QStringLiteral("Text%1").arg(item)).last() + '=' + WorkItems[item - 1].simplified()
                  << (checks << QStringLiteral("Check%1").arg(item)).last() + '=' + WorkItems[item - 1].simplified();
        QTest::newRow("extractor, all items open") << "Form17" << names
            << QStringList{"Command1", "ListView1", "Command2", "Command3", "desiable"} + texts + checks;
    }
    // A screen reader finds every input and button by the name a user sees beside it, and every input says what it is
    // for; Tab goes round the controls in order, and each button has its own access key, its caption's first letter.
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
        const qsizetype at = tabOrder.indexOf(QApplication::focusWidget()->objectName()) + 1;
        QStringList seen;
        for (int step = 0; step < tabOrder.size(); ++step) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            seen << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(seen, tabOrder.mid(at) + tabOrder.first(at));
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
            QVERIFY(picture->pixmap().deviceIndependentSize() == QSizeF(226, 216)
                    && picture->pixmap().devicePixelRatio() >= scale);
        const auto sharp = [scale](QSize size) { return size.width() >= 48 * scale; };
        QVERIFY(std::ranges::any_of(QApplication::windowIcon().availableSizes(), sharp));
    }
};

QTEST_MAIN(tst_Desktop)
#include "tst_desktop.moc"
