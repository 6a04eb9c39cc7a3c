// SPDX-FileCopyrightText: 2026 ratebook developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Work files: Ctrl+O and Ctrl+S on a table, and a file given at start.
#include "fixture.h"

#include "app/startup.h"

#include <csignal>
#include <sys/resource.h>

namespace {

// The table, each box's text and whether it is open, each tick.
QStringList seen(QWidget *w)
{
    QStringList state = tableRows(w);
    for (const QLineEdit *box : w->findChildren<QLineEdit *>())
        state << box->text() + (box->isEnabled() ? "" : " locked");
    for (const QCheckBox *tick : w->findChildren<QCheckBox *>())
        state << QString::number(tick->isChecked());
    return state;
}

} // namespace

class tst_Files : public WindowTest
{
    Q_OBJECT

    QTemporaryDir dir;
    QWidget *w = nullptr;

    void command(const QString &keys, const QString &file)
    {
        answers.file = file;
        onTable(w, keys);
    }

private slots:
    void initTestCase()
    {
        ratebook::setUpApplication();
        std::signal(SIGXFSZ, SIG_IGN);
    }

    void roundTrip_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QStringList>("edits"); // box=text pasted, or a key on a tick
        QTest::newRow("costs as typed, odd ones too") << "datasheet1"
            << QStringList{"cement1=1.2.3", "MASON2=", "SAND=" + QString(32767, '9')};
        QTest::newRow("quantities, item 1 open though ticked") << "Form17"
            << QStringList{"Check1", "Text1= 7 ", "Text9=1.2.3"};
    }
    // Saved and opened afresh: all the same; a failed save keeps the earlier file.
    void roundTrip()
    {
        QFETCH(QString, window);
        QFETCH(QStringList, edits);
        const QString saved = dir.filePath(QTest::currentDataTag());
        QVERIFY(w = openWindow(window));
        command("Ctrl+O", sample(window == "Form17" ? "quantities" : "costs"));
        for (const QString &edit : edits) {
            if (edit.contains('='))
                child<QLineEdit>(w, edit.section('=', 0, 0))->setText(edit.section('=', 1));
            else
                QTest::keyClick(child(w, edit), Qt::Key_A);
        }
        answers.takeMessages();
        const QString recompute = window == "datasheet1" ? "unitcost" : "Command1";
        QTest::mouseClick(child(w, recompute), Qt::LeftButton);
        const qsizetype messages = answers.takeMessages().size();
        const QStringList before = seen(w);
        command("Ctrl+S", saved);
        const QByteArray earlier = bytes(saved);
        rlimit unlimited{};
        getrlimit(RLIMIT_FSIZE, &unlimited);
        const rlimit full{64, unlimited.rlim_max}; // a disk that fills up
        for (const QString &path : {saved, dir.filePath("gone/" + window)}) {
            setrlimit(RLIMIT_FSIZE, &full);
            command("Ctrl+S", path);
            setrlimit(RLIMIT_FSIZE, &unlimited);
            answers.saidOnce("could not be saved", path);
        }
        QCOMPARE(bytes(saved), earlier);
        closeEverything();
        QVERIFY(w = openWindow(window));
        command("Ctrl+O", saved);
        QCOMPARE(seen(w), before);
        QCOMPARE(answers.takeMessages().size(), messages);
        QVERIFY(bytes(saved).contains("\"place\": \"Cuttack\","));
    }

    void refusesBadFile_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QByteArray>("content"); // none: the file is not written
        QTest::addColumn<QString>("what");
        QTest::addColumn<QString>("file");
        const QString bad = dir.filePath("bad");
        const QByteArray costs = bytes(sample("costs"));
        const QString data = "datasheet1";
        QTest::newRow("costs in the extractor") << "Form17" << costs << "holds costs" << bad;
        QTest::newRow("a kind no window opens")
            << data << edited("costs", "\"costs\"", "\"colour\"")
            << "not one of \"costs\", \"quantities\"" << bad;
        const QString extractor = "Form17";
        QTest::newRow("an estimate whose costs give no rates") << extractor
            << edited("estimate", "\"MM20\": \"1200\"", "\"MM20\": \"12.0.0\"")
            << "give no rates" << bad;
        QTest::newRow("an estimate's rate typed with three decimals") << extractor
            << edited("estimate", "\"Rate4\": \"\"", "\"Rate4\": \"7650.505\"")
            << "\"rates.Rate4\" holds" << bad;
        QTest::newRow("an estimate's Say to the nearest 50") << extractor
            << edited("estimate", "\"say\": 100", "\"say\": 50") << "\"say\" is not" << bad;
        const auto room = [&](const char *row, const char *from, const char *to, const char *what) {
            QTest::newRow(row) << extractor << edited("one-room-building", from, to) << what << bad;
        };
        room("measurements in version 1", R"("version": 2)", R"("version": 1)",
             "not part of a ratebook");
        room("sub-heads lacking Concrete", R"("Concrete")", R"("Roof")", R"(lacks "Concrete")");
        room("a sub-head twice", "\"Steel\"\n", R"("steel", "Steel")", "blank, twice or not a");
        room("an own item No. 12", R"("no": "S1")", R"("no": "12")", R"(No. "12" is blank or)");
        room("an own item's No. taken", R"("no": "S1")", R"("no": "e1")", R"(No. "e1" is blank)");
        room("an own item per 7", R"("per": 100)", R"("per": 7)", R"("S1" is not per 1, 10,)");
        room("an own item under a sub-head not kept", R"("head": "Steel")", R"("head": "Roof")",
             R"("S1" stands under a sub-head "heads" lacks)");
        room("an own item with no quantity", R"("152.500")", R"("")", R"("S1" has no quantity)");
        room("measurements of an item not held", R"("item": "E1")", R"("item": "E2")",
             R"("E2", which the estimate does not hold)");
        room("an item measured twice", R"("item": "9")", R"("item": "6")", R"("6" twice)");
        room("deduct as a number", R"("deduct": true)", R"("deduct": 1)", R"("6" is not marked)");
        room("a factor of four decimals", R"("5.03")", R"("5.0312")", R"("E1" has a factor that)");
        QTest::newRow("a newer version")
            << data << edited("costs", "\"version\": 1", "\"version\": 3") << "newer" << bad;
        QTest::newRow("not JSON") << data << QByteArray("cement1=250") << "(illegal" << bad;
        QTest::newRow("a folder") << data << QByteArray() << "folder" << dir.filePath(".");
        QTest::newRow("a file that fails as it is read")
            << data << QByteArray() << "cannot be read" << "/proc/self/mem";
    }
    void refusesBadFile()
    {
        QFETCH(QString, window);
        QFETCH(QByteArray, content);
        QFETCH(QString, what);
        QFETCH(QString, file);
        if (!content.isNull())
            written(file, content);
        QVERIFY(w = openWindow(window));
        command("Ctrl+O", sample(window == "Form17" ? "quantities" : "costs"));
        const QStringList before = seen(w);
        command("Ctrl+O", file);
        answers.saidOnce(what, file);
        QCOMPARE(seen(w), before);
    }

    void startsWithFile_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("window");
        QTest::addColumn<int>("rows");
        QTest::addColumn<QString>("what"); // the message over the main window; none
        QTest::newRow("costs, an option passed over")
            << QStringList{"-x", sample("costs")} << "datasheet1" << 10 << "";
        QTest::newRow("a folder passed over") << QStringList{"--help", "."} << "Form1" << 0 << "";
        QTest::newRow("a mistyped name")
            << QStringList{"plan.ratebok"} << "Form1" << 0 << "no such file";
    }
    void startsWithFile()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, what);
        ratebook::start(QStringList("ratebook") + arguments);
        QCOMPARE(visibleWindows().size(), 1);
        w = visibleWindows()[0];
        QTEST(w->objectName(), "window");
        const auto *table = w->findChild<QTreeWidget *>("ListView1");
        QTEST(table ? table->topLevelItemCount() : 0, "rows");
        if (what.isEmpty())
            QCOMPARE(answers.takeMessages(), QStringList());
        else
            answers.saidOnce(what, arguments.back());
    }
};

QTEST_MAIN(tst_Files)
#include "tst_files.moc"
