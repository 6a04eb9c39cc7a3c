// SPDX-FileCopyrightText: 2026 ratebook developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The navigation between the three windows: one window on screen after every step; how each looks and is reached.
#include "windowtest.h"

class tst_MainWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { ratebook::setUpApplication(); }
    void cleanup() { closeEverything(); }

    // However a work window opens and closes (no key: a click, the close box), a new main window comes back alone.
    void roundTrip_data()
    {
        QTest::addColumn<QStringList>("steps"); // button|key|window|title|control|key
        for (const char *steps : {"Command1||datasheet1|Rate Book|cement1|", "Command2|Alt+D|datasheet1|Rate Book|MM20|Alt+C",
                 "Command1|Return|datasheet1|Rate Book|ListView1|Shift+Ctrl+F2", "Command2|Space|Form17|Material Extractor|Check12|Shift+Ctrl+F3",
                 "Command1|Alt+M|Form17|Material Extractor|ListView1|Alt+C"})
            QTest::newRow(steps) << QString(steps).split('|');
    }
    void roundTrip()
    {
        QFETCH(QStringList, steps);
        auto act = [](QWidget *on, const QString &key) { on->setFocus(), key.isEmpty() ? QTest::mouseClick(on, Qt::LeftButton) : QTest::keySequence(on, key); };
        for (int visit = 0; visit < 2; ++visit) {
            const QPointer<QWidget> main = openWindow("Form1"); // a new main window may reuse the address
            QCOMPARE(main->windowTitle() + focused() + child<QPushButton>(main, "Command1")->text() + child<QPushButton>(main, "Command2")->text(),
                     "The Estimate BuilderCommand1&Data sheet Viewer&Material Viewer");
            act(child(main, steps[0]), steps[1]);
            QTRY_VERIFY(!main && visibleWindows().size() == 1 && visibleWindows()[0]->isActiveWindow());
            const QPointer<QWidget> work = visibleWindows()[0];
            QCOMPARE(work->objectName() + work->windowTitle(), steps[2] + steps[3]);
            steps[5].isEmpty() ? void(work->close()) : act(child(work, steps[4]), steps[5]);
            QTRY_VERIFY(!work && visibleWindows().size() == 1 && visibleWindows()[0]->objectName() == "Form1");
        }
    }

    // A work window that cannot be built leaves the main window on screen, and says why.
    void failedOpeningKeepsMainWindow()
    {
        MessageLog messages;
        QWidget *main = openWindow("Form1");
        ratebook::windows::setBeforeBuild([](auto) { throw std::runtime_error("out of memory"); });
        QTest::mouseClick(child(main, "Command1"), Qt::LeftButton);
        ratebook::windows::setBeforeBuild(nullptr);
        QCOMPARE(visibleWindows(), QWidgetList{main});
        QCOMPARE(messages.take(), QStringList{"ratebook|The window could not be opened (out of memory)."});
    }

    void everyControl_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QStringList>("tabOrder"); // the extractor's after Enable All
        QTest::newRow("main") << "Form1" << QStringList{"Command1", "Command2"};
        QTest::newRow("data sheet") << "datasheet1" << QString("cement1 MM20 MM40 SAND BRICKS MASON1 MASON2 MANMAZDOOR WOMANMAZDOOR unitcost close ListView1").split(' ');
        QStringList order = QString("Command1 ListView1 Command2 Command3 desiable").split(' ');
        for (const char *kind : {"Text%1", "Check%1"})
            for (int item = 12; item >= 1; --item)
                order << QString(kind).arg(item);
        QTest::newRow("extractor") << "Form17" << order;
    }
    // At this run's scale captions are whole, controls apart, picture and icon sharp; each box and tick is named by the
    // caption beside it and described; Tab walks the controls in order; each button has its own access key.
    void everyControl()
    {
        QFETCH(QString, window);
        QFETCH(QStringList, tabOrder);
        QWidget *w = openWindow(window);
        const qreal scale = qEnvironmentVariable("QT_SCALE_FACTOR", "1").toDouble();
        QCOMPARE(w->devicePixelRatioF(), scale);
        QStringList bad;
        auto check = [&bad](QWidget *c, const QString &text, auto room) {
            if (c->fontMetrics().horizontalAdvance(text) > room.width() || c->fontMetrics().height() > room.height() || !c->parentWidget()->rect().contains(c->geometry()))
                bad << text;
        };
        for (QLabel *l : w->findChildren<QLabel *>())
            check(l, l->text(), l->contentsRect());
        for (QGroupBox *g : w->findChildren<QGroupBox *>())
            check(g, g->title(), g->contentsRect());
        for (QAbstractButton *b : w->findChildren<QAbstractButton *>()) {
            QStyleOptionButton o;
            o.initFrom(b);
            check(b, b->text().remove('&'), b->style()->subElementRect(qobject_cast<QCheckBox *>(b) ? QStyle::SE_CheckBoxContents : QStyle::SE_PushButtonContents, &o, b));
        }
        for (QTreeWidget *t : w->findChildren<QTreeWidget *>())
            for (int c = 0; c < t->columnCount(); ++c)
                check(t->header(), t->headerItem()->text(c), QSize(t->header()->sectionSize(c) - 2 * t->style()->pixelMetric(QStyle::PM_HeaderMargin), t->header()->height()));
        const QWidgetList all = w->findChildren<QWidget *>();
        for (QWidget *a : all)
            for (QWidget *b : all)
                if (QWidget *p = a->parentWidget(); a < b && p == b->parentWidget() && (p == w || qobject_cast<QGroupBox *>(p)) && a->geometry().intersects(b->geometry()))
                    bad << a->objectName() + '/' + b->objectName();
        QCOMPARE(bad, QStringList());
        if (auto *picture = w->findChild<QLabel *>("Image1"))
            QVERIFY(picture->pixmap().devicePixelRatio() >= scale);
        QVERIFY(QApplication::windowIcon().actualSize(QSize(999, 999)).width() >= 48 * scale);

        for (QWidget *box : all) {
            if (!qobject_cast<QLineEdit *>(box) && !qobject_cast<QCheckBox *>(box))
                continue;
            QMap<int, QString> left{{-1, {}}}; // captions on its line up to it, the nearest last, up to a run of blanks
            for (QWidget *c : box->parentWidget()->findChildren<QWidget *>())
                if (!qobject_cast<QLineEdit *>(c) && c->x() <= box->x() && c->geometry().contains(c->x(), box->geometry().center().y()))
                    left[c->x()] = c->property("text").toString().section(QRegularExpression("\\s{3,}"), 0, 0).simplified();
            QCOMPARE(box->accessibleName(), left.last());
            QVERIFY(!left.last().isEmpty() && !box->accessibleDescription().isEmpty());
        }
        QSet<QString> keys{""};
        for (QPushButton *b : w->findChildren<QPushButton *>())
            keys << QKeySequence::mnemonic(b->text()).toString();
        QCOMPARE(keys.size(), w->findChildren<QPushButton *>().size() + 1);
        if (window == "Form17")
            press(w, "Command3", "&Enable All");
        std::ranges::rotate(tabOrder, tabOrder.begin() + tabOrder.indexOf(focused()) + 1);
        QStringList walked;
        while (walked.size() < tabOrder.size())
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab), walked << focused();
        QCOMPARE(walked, tabOrder);
    }
};

QTEST_MAIN(tst_MainWindow)
#include "tst_mainwindow.moc"
