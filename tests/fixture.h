// SPDX-FileCopyrightText: 2026 ratebook developers
// SPDX-License-Identifier: GPL-3.0-or-later
// What the window tests share: samples, dialogs answered, windows found, read and closed.
#pragma once

#include "app/form1.h"
#include "app/identity.h"
#include "app/windows.h"
#include "extractor/form17.h"
#include "kit/dialogs.h"
#include "worked.h"

#include <QPrinter>
#include <QtTest>
#include <QtWidgets>

// "costs" or "quantities": a sample of docs/samples/.
inline QString sample(const QString &kind)
{
    return RATEBOOK_SAMPLES + kind + ".ratebook";
}

inline QByteArray bytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The sample of `kind` with one text replaced.
inline QByteArray edited(const QString &kind, const QByteArray &from, const QByteArray &to)
{
    return bytes(sample(kind)).replace(from, to);
}

inline QString written(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("%s not written", qPrintable(path));
    return path;
}

// Answers every dialog and keeps what was asked; each message and question as "title|prompt".
struct Answers
{
    QStringList messages;
    QStringList questions;
    // The answer given to every question, by its place: the second, which writes nothing
    // (Discard, Cancel), unless a test says otherwise.
    int answer = 1;
    QList<ratebook::kit::FileRequest> fileRequests;
    QString file; // the file chosen, or printed to
    QStringList forms; // the object name of each form asked
    QStringList formAnswers{"Ward 7 school", "Cuttack"}; // none: cancelled
    const ratebook::kit::Dialogs real = ratebook::kit::setDialogs({
        [this](QWidget *, auto &m) { messages << m.title + '|' + m.prompt; },
        [this](QWidget *, auto &q) {
            questions << q.title + '|' + q.prompt;
            return answer;
        },
        [this](QWidget *, auto &request) {
            fileRequests << request;
            return file;
        },
        [this](QWidget *, ratebook::kit::Form &form) { // a refusal cancels it, once said
            for (qsizetype i = 0; i < form.fields.size() && i < formAnswers.size(); ++i)
                form.fields[i].value = formAnswers[i];
            forms << form.name;
            const QString refused = form.refusal ? form.refusal(form) : QString();
            if (!refused.isEmpty())
                messages << form.title + '|' + refused;
            return !formAnswers.isEmpty() && refused.isEmpty();
        },
        [this](QWidget *, QPrinter &printer) { // to a PDF, as a user's choice of printer may
            printer.setOutputFileName(file);
            return true;
        },
    });
    ~Answers() { ratebook::kit::setDialogs(real); }
    QStringList takeMessages() { return std::exchange(messages, {}); }
    // One message, naming the file and saying what is wrong with it.
    void saidOnce(const QString &what, const QString &file)
    {
        const QStringList said = takeMessages();
        QCOMPARE(said.size(), 1);
        QVERIFY2(said[0].contains('"' + file + '"') && said[0].contains(what), qPrintable(said[0]));
    }
};

template <class T = QWidget>
T *child(QWidget *window, const QString &name)
{
    T *found = window->findChild<T *>(name);
    if (!found)
        qFatal("no control %s in %s", qPrintable(name), qPrintable(window->objectName()));
    return found;
}

inline QString focused()
{
    return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : "";
}

inline QWidgetList visibleWindows()
{
    QWidgetList shown = QApplication::topLevelWidgets();
    shown.removeIf([](const QWidget *w) { return !w->isVisible(); });
    return shown;
}

inline void closeEverything()
{
    for (int round = 0; round < 3; ++round) {
        for (QWidget *w : visibleWindows())
            w->close();
    }
    QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty() && ratebook::windows::noneLoaded());
}

// The main window, or a work window opened by its button there.
inline QWidget *openWindow(const QString &name)
{
    QWidget *w = ratebook::windows::form1();
    if (QTest::qWaitForWindowActive(w) && name != "Form1")
        QTest::mouseClick(child(w, name == "Form17" ? "Command2" : "Command1"), Qt::LeftButton);
    const auto opened = [&w, &name] {
        w = QApplication::activeWindow();
        return w && w->objectName() == name;
    };
    return QTest::qWaitFor(opened) ? w : nullptr;
}

inline void press(QWidget *window, const QString &name, const QString &caption)
{
    QCOMPARE(child<QPushButton>(window, name)->text(), caption);
    QTest::mouseClick(child(window, name), Qt::LeftButton);
}

// Keys pressed on the table, where its commands' shortcuts work.
inline void onTable(QWidget *window, const QString &keys)
{
    window->activateWindow();
    QTRY_COMPARE(QApplication::activeWindow(), window);
    child(window, "ListView1")->setFocus();
    QTest::keySequence(child(window, "ListView1"), QKeySequence(keys));
}

inline QStringList tableRows(QWidget *window)
{
    const QAbstractItemModel *table = child<QTreeView>(window, "ListView1")->model();
    QStringList rows;
    for (int r = 0; r < table->rowCount(); ++r) {
        QStringList cells;
        for (int c = 0; c < table->columnCount(); ++c)
            cells << table->index(r, c).data().toString();
        rows << cells.join(" | ");
    }
    return rows;
}

// Every window test: each dialog answered; after each, no message unread, no window left.
// Each test program keeps its recovery copies to itself, in a data folder of its own.
struct OwnDataFolder
{
    QTemporaryDir dir;
    OwnDataFolder() { qputenv("XDG_DATA_HOME", dir.path().toLocal8Bit()); }
};

class WindowTest : public QObject
{
    Q_OBJECT

protected:
    OwnDataFolder data;
    Answers answers;

private slots:
    // Work left unsaved is dropped, as the second answer to the question drops it.
    void cleanup()
    {
        answers.answer = 1;
        closeEverything();
        answers.questions.clear();
        QCOMPARE(answers.takeMessages(), QStringList());
    }
};
