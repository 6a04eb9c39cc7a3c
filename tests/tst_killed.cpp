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
    [[maybe_unused]] const bool shown = QTest::qWaitFor([&] {
        found = run({"search", "--onlyvisible", "--pid", QString::number(program.processId()), "--name",
                     "^" + title + "$"}).section('\n', 0, 0);
        return !found.isEmpty();
    }, 10000);
    return found;
}

// Waiting for the activation to be seen would wait for ever on a window already active.
void keys(const QString &window, const QStringList &keys)
{
    run({"windowactivate", window});
    QTest::qWait(500);
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

    void killedAndRecovered()
    {
        QProcess *first = start({estimate});
        const QString extractor = windowOf(*first, "Material Extractor");
        QVERIFY(!extractor.isEmpty());
        QVERIFY(!windowOf(*first, "Details of Measurement").isEmpty()); // the last to show
        keys(extractor, {"alt+e"}); // every box open, the focus in item 12's
        QTest::qWait(500);           // once the button has been seen to go down
        keys(extractor, {"7"});      // "07"
        QTRY_COMPARE_WITH_TIMEOUT(copies().size(), 1, 10000);

        // A second program leaves the first one's copy be: it offers nothing, and its main
        // window shows at once.
        QProcess *second = start();
        QVERIFY(!windowOf(*second, "The Estimate Builder").isEmpty());
        second->terminate();
        QVERIFY(second->waitForFinished());

        keys(extractor, {"8"}); // "078", too late for any copy
        first->kill();
        QVERIFY(first->waitForFinished());
        QCOMPARE(copies().size(), 1);

        QProcess *third = start();
        keys(windowOf(*third, "ratebook"), {"Return"}); // Recover
        keys(windowOf(*third, "Material Extractor"), {"F3"});
        keys(windowOf(*third, "ratebook"), {"Return"}); // Save, to the file it came from
        QVERIFY(!windowOf(*third, "The Estimate Builder").isEmpty());
        QVERIFY(QFile(estimate).open(QIODevice::ReadOnly));
        QFile saved(estimate);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        const QByteArray text = saved.readAll();
        QVERIFY2(text.contains("\"Text12\": \"07\""), text.constData());
        QCOMPARE(copies(), QStringList());
    }
};

QTEST_MAIN(tst_Killed)
#include "tst_killed.moc"
