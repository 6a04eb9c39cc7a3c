// SPDX-FileCopyrightText: 2026 ratebook developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Keys as an X server sends them (xdotool), each with its text (Delete's "\x7f"), to framed
// windows. Run by xsession.sh, which starts the server and the window manager.
#include "fixture.h"

#include "app/startup.h"

class tst_RealKeyboard : public WindowTest
{
    Q_OBJECT

    int released = 0;

    static void xdotool(const QString &keys)
    {
        const QStringList slowly{"key", "--delay", "20"};
        QCOMPARE(QProcess::execute("xdotool", slowly + keys.split(' ')), 0);
    }
    static QWidget *abstractOf(QWidget *extractor)
    {
        return extractor->findChild<QWidget *>("AbstractOfEstimate");
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::KeyRelease && watched == QApplication::focusWidget())
            ++released;
        return false;
    }

private slots:
    void initTestCase()
    {
        if (QGuiApplication::platformName() != "xcb")
            QSKIP("needs an X server and a window manager: run through tests/xsession.sh");
        qApp->installEventFilter(this);
    }

    void keys_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("control"); // a cost holding 9250, the clipboard 77
        QTest::addColumn<QString>("keys"); // xdotool's names
        QTest::addColumn<QString>("state"); // the cost's text, or whether item 1's box is open
        QTest::addColumn<QString>("focus");
        const QString data = "datasheet1", extractor = "Form17";
        QTest::newRow("Delete deletes") << data << "SAND" << "Home Delete" << "250" << "SAND";
        QTest::newRow("Shift+Insert pastes")
            << data << "SAND" << "shift+Insert" << "925077" << "SAND";
        QTest::newRow("Enter moves on") << data << "SAND" << "Return" << "9250" << "BRICKS";
        QTest::newRow("a letter on item 1") << extractor << "Check1" << "x" << "open" << "Check1";
    }
    void keys()
    {
        QFETCH(QString, window);
        QFETCH(QString, control);
        QFETCH(QString, keys);
        QWidget *w = openWindow(window);
        QVERIFY(w);
        const QPoint centre = w->screen()->availableGeometry().center();
        auto off = [&] { return w->frameGeometry().center() - centre; };
        QTRY_VERIFY2(qMax(qAbs(off().x()), qAbs(off().y())) <= 2,
                     qPrintable(QString("frame %1,%2 off centre").arg(off().x()).arg(off().y())));
        QApplication::clipboard()->setText("77");
        auto *cost = w->findChild<QLineEdit *>(control);
        if (cost)
            cost->setText("9250");
        child(w, control)->setFocus();
        released = 0;
        xdotool(keys);
        QTRY_COMPARE(released, int(keys.split(QRegularExpression("[ +]")).size()));
        if (cost)
            QTEST(cost->text(), "state");
        else
            QTEST(QString(child(w, "Text1")->isEnabled() ? "open" : "locked"), "state");
        QTEST(focused(), "focus");
    }

    // Opened by its keys, the abstract follows what is typed; or from a sample estimate.
    void abstract()
    {
        QWidget *w = openWindow("Form17");
        QVERIFY(w);
        QTest::mouseClick(child(w, "Check9"), Qt::LeftButton);
        child(w, "ListView1")->setFocus();
        answers.file = sample("costs");
        xdotool("ctrl+shift+a");
        QTRY_VERIFY(abstractOf(w));
        QWidget *a = abstractOf(w);
        QVERIFY(!a->frameGeometry().intersects(w->frameGeometry()) || a->x() > w->x());
        w->activateWindow();
        QTRY_VERIFY(w->isActiveWindow());
        child(w, "Text9")->setFocus();
        xdotool("End 5");
        const QString item9 = "9 | Plastering with CM (1:3) Mix, 12 mm Thick | 5.000 | Sqm | "
                              "917.00 | 10 Sqm | 458.50";
        QTRY_COMPARE(tableRows(a).value(1), item9);
        closeEverything();
        ratebook::start({"ratebook", sample("estimate")});
        QTRY_VERIFY(abstractOf(ratebook::windows::extractor())->isVisible());
    }

    // A line typed cell by cell in the details of measurement: its net goes into item 6's
    // box, the material table and the abstract.
    void measurementLine()
    {
        QWidget *w = openWindow("Form17");
        QVERIFY(w);
        answers.file = sample("costs");
        onTable(w, "Ctrl+Shift+A");
        QWidget *a = abstractOf(w);
        answers.formAnswers = QStringList{"6  Brick Masonary With CM (1:5) mix"};
        onTable(a, "Ctrl+M");
        QWidget *sheet = a->findChild<QWidget *>("DetailsOfMeasurement");
        onTable(sheet, "Ctrl+M");
        for (const char *typed : {"Long walls", "2", "4.46", "0.23", "3"}) {
            QCOMPARE(QProcess::execute("xdotool", {"type", "--delay", "20", typed}), 0);
            xdotool("Return");
        }
        QTRY_COMPARE(child<QLineEdit>(w, "Text6")->text(), "6.15");
        QCOMPARE(tableRows(w)[0].section(" | ", 2, 2), "3690.00 (Nos)");
        QTRY_VERIFY(tableRows(a).contains("6 | Brick Masonary With CM (1:5) mix | 6.150 | Cum | "
                                          "3,499.20 | 1 Cum | 21,520.08"));
    }

    // The whole estimate as one PDF, by its keys: every part in order, every page counted.
    void wholeEstimate()
    {
        ratebook::start({"ratebook", sample("one-room-building")});
        QWidget *a = abstractOf(ratebook::windows::extractor());
        QTemporaryDir dir;
        answers.file = dir.filePath("estimate.pdf");
        // Given the keyboard as a click would give it: the window manager may keep it from a
        // window that asks for it itself.
        const auto focus = [a] {
            QProcess::execute("xdotool", {"windowfocus", QString::number(a->winId())});
            return a->isActiveWindow()
                   && !QTest::qWaitFor([a] { return !a->isActiveWindow(); }, 300);
        };
        QTRY_VERIFY(child(a, "DetailsOfMeasurement")->isVisible());
        QTRY_VERIFY(focus());
        child(a, "ListView1")->setFocus();
        xdotool("ctrl+shift+d");
        QTRY_VERIFY(QFile::exists(answers.file));
        QProcess text;
        text.start("pdftotext", {"-layout", answers.file, "-"});
        QVERIFY(text.waitForFinished());
        const QStringList pages
            = QString(text.readAllStandardOutput()).split('\f', Qt::SkipEmptyParts);
        QStringList heads;
        for (qsizetype p = 0; p < pages.size(); ++p) {
            QVERIFY(pages[p]
                        .section('\n', 0, 0)
                        .endsWith(QString("Page %1 of %2").arg(p + 1).arg(pages.size())));
            heads << pages[p].section('\n', 3, 3).trimmed();
        }
        QCOMPARE(heads, (QStringList{"Estimate", "Abstract of Estimate", "Details of Measurement",
                                     "Rate Analysis", "Material Statement", "Labour Statement"}));
    }
};

QTEST_MAIN(tst_RealKeyboard)
#include "tst_realkeyboard.moc"
