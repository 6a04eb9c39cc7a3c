// SPDX-FileCopyrightText: 2026 ratebook developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The navigation between the windows, and how each looks and is reached.
#include "fixture.h"

namespace {

void act(QWidget *control, const QString &keys)
{
    control->setFocus();
    if (keys.isEmpty())
        QTest::mouseClick(control, Qt::LeftButton);
    else
        QTest::keySequence(control, QKeySequence(keys));
}

// Notes text that does not fit the room it is drawn in, or a control outside its parent.
void noteIfCut(QStringList &bad, const QWidget *c, const QString &text, const QSize &room)
{
    const QFontMetrics metrics = c->fontMetrics();
    if (metrics.horizontalAdvance(text) > room.width() || metrics.height() > room.height()
        || !c->parentWidget()->rect().contains(c->geometry()))
        bad << text;
}

QSize buttonRoom(const QAbstractButton *b)
{
    QStyleOptionButton o;
    o.initFrom(b);
    const auto element = qobject_cast<const QCheckBox *>(b) ? QStyle::SE_CheckBoxContents
                                                            : QStyle::SE_PushButtonContents;
    return b->style()->subElementRect(element, &o, b).size();
}

// The caption a user sees left of a box on its line: the nearest, up to a run of blanks.
QString captionBeside(const QWidget *box)
{
    QMap<int, QString> left{{-1, {}}};
    for (const QWidget *c : box->parentWidget()->findChildren<QWidget *>()) {
        const bool onItsLine = c->geometry().contains(c->x(), box->geometry().center().y());
        if (!qobject_cast<const QLineEdit *>(c) && c->x() <= box->x() && onItsLine) {
            const QString text = c->property("text").toString();
            left[c->x()] = text.section(QRegularExpression("\\s{3,}"), 0, 0).simplified();
        }
    }
    return left.last();
}

} // namespace

class tst_MainWindow : public WindowTest
{
    Q_OBJECT

private slots:
    void initTestCase() { ratebook::setUpApplication(); }

    void roundTrip_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("openKeys"); // none: a click
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("closeKeys"); // none: the close box
        const QString sheet = "Rate Book";
        QTest::newRow("a click, the close box") << "Command1" << "" << sheet << "" << "";
        QTest::newRow("Alt+D, Alt+C") << "Command2" << "Alt+D" << sheet << "MM20" << "Alt+C";
        QTest::newRow("Enter, F2 with any shift")
            << "Command1" << "Return" << sheet << "ListView1" << "Shift+Ctrl+F2";
        QTest::newRow("Space, F3 with any shift")
            << "Command2" << "Space" << "Material Extractor" << "Check12" << "Shift+Ctrl+F3";
    }
    void roundTrip()
    {
        QFETCH(QString, button);
        QFETCH(QString, openKeys);
        QFETCH(QString, control);
        QFETCH(QString, closeKeys);
        for (int visit = 0; visit < 2; ++visit) {
            const QPointer<QWidget> main = openWindow("Form1"); // a new one may reuse the address
            QCOMPARE(main->windowTitle(), "The Estimate Builder");
            QCOMPARE(focused(), "Command1");
            QCOMPARE(child<QPushButton>(main, "Command1")->text(), "&Data sheet Viewer");
            QCOMPARE(child<QPushButton>(main, "Command2")->text(), "&Material Viewer");
            act(child(main, button), openKeys);
            QTRY_VERIFY(!main && visibleWindows().size() == 1);
            QTRY_VERIFY(visibleWindows()[0]->isActiveWindow());
            const QPointer<QWidget> work = visibleWindows()[0];
            QTEST(work->windowTitle(), "title");
            if (closeKeys.isEmpty())
                work->close();
            else
                act(child(work, control), closeKeys);
            QTRY_VERIFY(!work && visibleWindows().size() == 1);
            QCOMPARE(visibleWindows()[0]->objectName(), "Form1");
        }
    }

    void failedOpeningKeepsMainWindow()
    {
        QWidget *main = openWindow("Form1");
        ratebook::windows::setBeforeBuild([](auto) { throw std::runtime_error("out of memory"); });
        QTest::mouseClick(child(main, "Command1"), Qt::LeftButton);
        ratebook::windows::setBeforeBuild(nullptr);
        QCOMPARE(visibleWindows(), QWidgetList{main});
        const QString said = "ratebook|The window could not be opened (out of memory).";
        QCOMPARE(answers.takeMessages(), QStringList{said});
    }

    void everyControl_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QStringList>("tabOrder"); // the extractor's after Enable All
        QTest::newRow("main") << "Form1" << QStringList{"Command1", "Command2"};
        QTest::newRow("data sheet") << "datasheet1"
            << (worked::costBoxes + QStringList{"unitcost", "close", "ListView1"});
        QStringList order{"Command1", "ListView1", "Command2", "Command3", "desiable"};
        for (const char *kind : {"Text%1", "Check%1"}) {
            for (int item = 12; item >= 1; --item)
                order << QString(kind).arg(item);
        }
        QTest::newRow("extractor") << "Form17" << order;
    }
    // At this scale: captions whole, controls apart, sharp, named, Tab in order, access keys.
    void everyControl()
    {
        QFETCH(QString, window);
        QFETCH(QStringList, tabOrder);
        QWidget *w = openWindow(window);
        const qreal scale = qEnvironmentVariable("QT_SCALE_FACTOR", "1").toDouble();
        QCOMPARE(w->devicePixelRatioF(), scale);
        QStringList bad;
        for (const QLabel *l : w->findChildren<QLabel *>())
            noteIfCut(bad, l, l->text(), l->contentsRect().size());
        for (const QGroupBox *g : w->findChildren<QGroupBox *>())
            noteIfCut(bad, g, g->title(), g->contentsRect().size());
        for (const QAbstractButton *b : w->findChildren<QAbstractButton *>())
            noteIfCut(bad, b, b->text().remove('&'), buttonRoom(b));
        for (const QTreeWidget *t : w->findChildren<QTreeWidget *>()) {
            const int margins = 2 * t->style()->pixelMetric(QStyle::PM_HeaderMargin);
            for (int c = 0; c < t->columnCount(); ++c) {
                const QSize room(t->header()->sectionSize(c) - margins, t->header()->height());
                noteIfCut(bad, t->header(), t->headerItem()->text(c), room);
            }
        }
        const QWidgetList all = w->findChildren<QWidget *>();
        for (const QWidget *a : all) {
            for (const QWidget *b : all) {
                const QWidget *p = a->parentWidget();
                const bool laidOut = p == w || qobject_cast<const QGroupBox *>(p);
                const bool overlap = a->geometry().intersects(b->geometry());
                if (a < b && p == b->parentWidget() && laidOut && overlap)
                    bad << a->objectName() + " on " + b->objectName();
            }
        }
        QCOMPARE(bad, QStringList());
        if (auto *picture = w->findChild<QLabel *>("Image1"))
            QVERIFY(picture->pixmap().devicePixelRatio() >= scale);
        QVERIFY(QApplication::windowIcon().actualSize(QSize(999, 999)).width() >= 48 * scale);

        for (const QWidget *box : all) {
            if (qobject_cast<const QLineEdit *>(box) || qobject_cast<const QCheckBox *>(box)) {
                QVERIFY(!captionBeside(box).isEmpty());
                QCOMPARE(box->accessibleName(), captionBeside(box));
                QVERIFY(!box->accessibleDescription().isEmpty());
            }
        }
        QSet<QString> keys;
        for (const QPushButton *b : w->findChildren<QPushButton *>())
            keys << QKeySequence::mnemonic(b->text()).toString();
        keys.remove("");
        QCOMPARE(keys.size(), w->findChildren<QPushButton *>().size());

        if (window == "Form17")
            press(w, "Command3", "&Enable All");
        std::ranges::rotate(tabOrder, tabOrder.begin() + tabOrder.indexOf(focused()) + 1);
        QStringList walked;
        while (walked.size() < tabOrder.size()) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            walked << focused();
        }
        QCOMPARE(walked, tabOrder);
    }
};

QTEST_MAIN(tst_MainWindow)
#include "tst_mainwindow.moc"
