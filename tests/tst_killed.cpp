// SPDX-FileCopyrightText: 2026 ratebook developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The program itself, killed a few seconds after typing, started again and its work recovered,
// but for what was typed in the last seconds; and a second program beside it, which leaves
// the first one's copy alone. Run by xsession.sh, keys through its X server.
#include <QtTest>

namespace {

QString run(const QStringList &arguments)
{
    QProcess tool;
    tool.start("xdotool", arguments);
    tool.waitForFinished(15000);
    return QString::fromUtf8(tool.readAllStandardOutput()).trimmed();
}

// The window of `program` with this title, once it shows; empty when it does not in time.
QString windowOf(const QProcess &program, const QString &title)
{
    QString found;
    [[maybe_unused]] const bool shown = QTest::qWaitFor(
        [&] {
            // --all: the window must match both, not either
            found = run({"search", "--all", "--onlyvisible", "--pid",
                         QString::number(program.processId()), "--name", "^" + title + "$"})
                        .section('\n', 0, 0);
            return !found.isEmpty();
        },
        10000);
    return found;
}

// The keys once the window has the keyboard and keeps it a while: a window the program asked
// to be shown in front may be given it late. The window manager raises it; the keyboard is
// given to it directly, since a manager may keep it for the window that has it.
void keys(const QString &window, const QStringList &keys)
{
    const auto focused = [&window] { return run({"getwindowfocus"}) == window; };
    for (int tries = 0; tries < 20; ++tries) {
        run({"windowactivate", window});
        run({"windowfocus", window});
        QTest::qWait(200);
        if (focused() && !QTest::qWaitFor([&] { return !focused(); }, 400))
            break;
    }
    if (!keys.isEmpty())
        run(QStringList{"key", "--delay", "40"} + keys);
}

} // namespace

class tst_Killed : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;
    QString estimate;
    QList<QProcess *> programs;

    QProcess *start(const QStringList &arguments = {})
    {
        auto *program = new QProcess(this);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("XDG_DATA_HOME", dir.filePath("data"));
        program->setProcessEnvironment(environment);
        program->start(RATEBOOK_BINARY, arguments);
        programs << program;
        return program;
    }
    QStringList copies() const
    {
        return QDir(dir.filePath("data/ratebook/recovery")).entryList({"*.ratebook"}, QDir::Files);
    }

private slots:
    void initTestCase()
    {
        if (QGuiApplication::platformName() != "xcb")
            QSKIP("needs an X server and a window manager: run through tests/xsession.sh");
        estimate = dir.filePath("estimate.ratebook");
        QVERIFY(QFile::copy(RATEBOOK_SAMPLES "one-room-building.ratebook", estimate));
    }
    void cleanupTestCase()
    {
        for (QProcess *program : programs) {
            program->kill();
            program->waitForFinished();
        }
    }

    // The extractor, once the windows opened with it are up: they ask for the keyboard too.
    static QString extractorOf(const QProcess &program)
    {
        for (const char *title : {"Abstract of Estimate", "Details of Measurement"})
            windowOf(program, title);
        return windowOf(program, "Material Extractor");
    }

    void killedAndRecovered()
    {
        // Item 9's box, the last opened as the estimate came in, has the extractor's focus.
        QProcess *first = start({estimate});
        const QString extractor = extractorOf(*first);
        keys(extractor, {"End", "7"}); // "40.91" becomes "40.917"
        QTRY_COMPARE_WITH_TIMEOUT(copies().size(), 1, 10000);

        // A second program leaves the first one's copy be: it offers nothing, and its main
        // window shows at once.
        QProcess *second = start();
        QVERIFY(!windowOf(*second, "The Estimate Builder").isEmpty());
        second->terminate();
        QVERIFY(second->waitForFinished());

        keys(extractor, {"8"}); // "40.9178", too late for any copy
        first->kill();
        QVERIFY(first->waitForFinished());
        QCOMPARE(copies().size(), 1);

        QProcess *third = start();
        keys(windowOf(*third, "ratebook"), {"Return"}); // Recover
        keys(extractorOf(*third), {"F3"});
        keys(windowOf(*third, "ratebook"), {"Return"}); // Save, to the file it came from
        QVERIFY(!windowOf(*third, "The Estimate Builder").isEmpty());
        QFile saved(estimate);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        const QJsonObject texts
            = QJsonDocument::fromJson(saved.readAll()).object().value("texts").toObject();
        QCOMPARE(texts.value("Text9").toString(), "40.917");
        QCOMPARE(copies(), QStringList());
    }
};

QTEST_MAIN(tst_Killed)
#include "tst_killed.moc"
