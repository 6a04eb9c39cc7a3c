// SPDX-FileCopyrightText: 2026 ratebook developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Work files: Ctrl+O and Ctrl+S on a table, and a file given at start.
#include "windowtest.h"

#include "app/startup.h"
#include "ui/workfile.h"

#include <csignal>
#include <sys/fsuid.h>
#include <sys/resource.h>
#include <unistd.h>

namespace {

QString sample(const QString &window) { return RATEBOOK_SAMPLES + QString(window == "Form17" ? "quantities" : "costs") + ".ratebook"; }
QByteArray bytes(const QString &path) { QFile f(path); return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray(); }
QJsonObject json(const QString &path) { return QJsonDocument::fromJson(bytes(path)).object(); }
QByteArray edited(const char *from, const QByteArray &to, const char *window = "") { return bytes(sample(window)).replace(from, to); }

// The table, each box's text and whether it is open, each tick.
QStringList seen(QWidget *w)
{
    QStringList s = tableRows(w);
    for (auto *box : w->findChildren<QLineEdit *>()) s << box->text() + (box->isEnabled() ? "" : " shut");
    for (auto *tick : w->findChildren<QCheckBox *>()) s << QString::number(tick->isChecked());
    return s;
}

} // namespace

class tst_Files : public QObject
{
    Q_OBJECT

    MessageLog log;
    QTemporaryDir dir;
    QString chosen; // the file dialog's answer
    QWidget *w = nullptr;
    const rlimit unlimited = [] { rlimit r{}; return getrlimit(RLIMIT_FSIZE, &r), r; }(), full{64, unlimited.rlim_max}; // a full disk

    void command(char key, const QString &file)
    {
        chosen = file;
        child<QWidget>(w, "ListView1")->setFocus();
        QTest::keyClick(QApplication::focusWidget(), key, Qt::ControlModifier);
    }
    // Exactly one message, naming `file` and saying `what`; none for no `what`.
    void said(const QString &what, const QString &file = "")
    {
        QString m;
        for (const QString &x : log.take()) m += x.section('|', 1) + '\n';
        QVERIFY2(what.isEmpty() ? m.isEmpty() : m.count('\n') == 1 && m.contains('"' + file) && m.contains(what), qPrintable(m));
    }

private slots:
    void initTestCase()
    {
        ratebook::setUpApplication();
        ratebook::ui::setFileChooser([this](QWidget *, auto) { return chosen; });
        std::signal(SIGXFSZ, SIG_IGN);
    }
    void cleanup() { closeEverything(); said(""); }

    void roundTrip_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QStringList>("edits"); // box=text pasted, or a key on a tick
        QTest::newRow("costs as typed") << "datasheet1" << QStringList{"cement1=1.2.3", "MASON2=", "SAND=" + QString(32767, '9')};
        QTest::newRow("item 1 open") << "Form17" << QStringList{"Check1", "Text1= 7 ", "Text9=1.2.3"};
    }
    // Saved and opened afresh: all the same, as many messages too; a failed save keeps the file.
    void roundTrip()
    {
        QFETCH(QString, window);
        QFETCH(QStringList, edits);
        const QString saved = dir.filePath(QTest::currentDataTag());
        QVERIFY(w = openWindow(window));
        command('O', sample(window));
        for (const QString &e : edits)
            e.contains('=') ? child<QLineEdit>(w, qPrintable(e.section('=', 0, 0)))->setText(e.section('=', 1))
                            : QTest::keyClick(child<QWidget>(w, qPrintable(e)), Qt::Key_A);
        log.take();
        QTest::mouseClick(child<QPushButton>(w, window == "datasheet1" ? "unitcost" : "Command1"), Qt::LeftButton);
        const QStringList before = seen(w) << QString::number(log.take().size());
        command('S', saved);
        const QByteArray earlier = bytes(saved);
        for (const QString &path : {saved, dir.filePath("gone/" + window)}) { // a full disk, a folder gone
            setrlimit(RLIMIT_FSIZE, &full);
            command('S', path);
            setrlimit(RLIMIT_FSIZE, &unlimited);
            said("could not be saved", path + '"');
        }
        QCOMPARE(bytes(saved), earlier);
        closeEverything();
        QVERIFY(w = openWindow(window));
        command('O', saved);
        QCOMPARE(seen(w) << QString::number(log.take().size()), before);
        for (const char *key : {"work", "place"}) QCOMPARE(json(saved)[key], json(sample(window))[key]);
    }

    void refusesBadFile_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("what");
        QTest::addColumn<QString>("file");
        auto row = [this](const QByteArray &content, const char *what, const char *file = "bad", const char *window = "datasheet1") {
            QTest::newRow(what) << window << content << what << dir.filePath(file);
        };
        const QByteArray costs = bytes(sample("datasheet1"));
        row(costs, "holds costs", "bad", "Form17");
        row(edited("\"version\": 1", "\"version\": 2"), "newer");
        row("cement1=250", "(illegal");
        row(costs.chopped(5), "unterminated");
        row(QByteArray("\x89PNG\r\n\x1a\n\0\0", 10), "not a ratebook");
        row(edited("\"1200\"", "1200"), "\"texts.MM20\" is not");
        row(edited("\"Check3\": false", "\"Check3\": 0", "Form17"), "\"ticks.Check3\" is not", "bad", "Form17");
        row(edited("\"SAND\": \"500\",", ""), "lacks \"texts.SAND\"");
        row(edited("\"kind\"", "\"colour\": 1, \"kind\""), "has \"colour\"");
        row(edited("\"3\"", '"' + QByteArray(32768, '3') + '"'), "longer than");
        row(costs + QByteArray(1 << 20, ' '), "1 MB");
        row({}, "folder", ".");
        row({}, "no such file", "gone");
        row(costs, "cannot be read", "locked");
    }
    // One message names the file and what is wrong; the window stays as it was.
    void refusesBadFile()
    {
        QFETCH(QString, window);
        QFETCH(QByteArray, content);
        QFETCH(QString, what);
        QFETCH(QString, file);
        QFile f(file);
        QVERIFY(content.isNull() || (f.open(QIODevice::WriteOnly) && f.write(content) && f.flush()));
        const bool locked = file.endsWith("locked"); // its folder open to all, the file to none
        QVERIFY(!locked || (f.setPermissions({}) && QFile::setPermissions(dir.path(), QFile::permissions(dir.path()) | QFile::ExeOther)));
        QVERIFY(w = openWindow(window));
        command('O', sample(window));
        const QStringList before = seen(w);
        const auto back = qScopeGuard([] { ::setfsuid(::geteuid()), ::setfsgid(::getegid()); });
        if (locked) // as nobody, so that even root meets the file's permissions
            ::setfsgid(65534), ::setfsuid(65534);
        command('O', file);
        said(what, file + '"');
        QCOMPARE(seen(w), before);
    }

    void startsWithFile_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("what");
        QTest::newRow("costs") << QStringList{"-x", sample("datasheet1")} << "datasheet1" << "";
        QTest::newRow("quantities") << QStringList{sample("Form17"), sample("datasheet1")} << "Form17" << "";
        QTest::newRow("bad") << QStringList{"gone.ratebook"} << "Form1" << "no such file";
        QTest::newRow("others") << QStringList{"--help", "notes.txt", "."} << "Form1" << "";
    }
    // The file opens in its window, whose closing brings the main window; a bad one is reported over that.
    void startsWithFile()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, window);
        QFETCH(QString, what);
        ratebook::start(QStringList("ratebook") + arguments);
        QCOMPARE(visibleWindows().size() == 1 ? (w = visibleWindows()[0])->objectName() : "several", window);
        said(what);
        if (window == "Form1")
            return;
        for (const auto &[box, text] : json(sample(window))["texts"].toVariant().toMap().asKeyValueRange())
            QCOMPARE(child<QLineEdit>(w, qPrintable(box))->text(), text);
        w->close();
        QTRY_COMPARE(visibleWindows().value(0)->objectName(), QString("Form1"));
    }
};

QTEST_MAIN(tst_Files)
#include "tst_files.moc"
