// SPDX-FileCopyrightText: 2026 ratebook developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Every dialog the program shows goes through here: a message, a question, a file to open or
// to save, a small form (the name of work and its place, an add-on line, an item) and the
// print dialog. A test puts its own answers in place of them all at once, so no modal loop
// ever blocks it.
#pragma once

#include <QList>
#include <QStringList>

#include <functional>

class QPrinter;
class QWidget;

namespace ratebook::kit {

// Modal, with the question-mark icon and one OK button.
struct Message
{
    QString prompt;
    QString title;
};

// A question and the answers offered, as their buttons say them; the last is the one Escape
// gives.
struct Question
{
    QString prompt;
    QString title;
    QStringList answers;
};

// A file to open, which must exist, or to save, which replaces one only if the user agrees.
struct FileRequest
{
    bool save = false;
    QString caption;   // the dialog's title
    QString suggested; // where it starts, a folder or a file
    QString suffix;    // without the point: "ratebook", "pdf"
    QString filter;    // "PDF (*.pdf)"
};

// A few texts asked at once. A suggestion fills every field in turn; the first field offers
// them as a list.
struct Form
{
    struct Field
    {
        QString caption; // with its access key: "&Place:"
        QString value;
        QStringList choices = {}; // offered in a list; any other text is taken too
        bool fixed = false;       // one of the choices, and nothing else
        bool lines = false;       // a text of several lines
    };

    QString name; // the dialog's object name
    QString title;
    QList<Field> fields;
    QList<QStringList> suggestions = {};
    // Why the answers cannot be taken, or empty when they can: the dialog then stays open,
    // with what was typed, and says why.
    std::function<QString(const Form &answered)> refusal = {};
};

struct Dialogs
{
    std::function<void(QWidget *parent, const Message &message)> message;
    // The answer chosen, by its place among the answers.
    std::function<int(QWidget *parent, const Question &question)> ask;
    // The path chosen; a name typed without a suffix has it added before the user is
    // asked whether to replace that file. Empty when cancelled.
    std::function<QString(QWidget *parent, const FileRequest &request)> chooseFile;
    // Prefilled with what is known; the answers trimmed, or false when cancelled.
    std::function<bool(QWidget *parent, Form &form)> askForm;
    // Shows the print dialog on `printer`; false when cancelled. Left empty, the printing
    // module shows the system's own, so that printing costs nothing until it is used.
    std::function<bool(QWidget *parent, QPrinter &printer)> print;
};

// The dialogs in use. Returns the ones it replaces; an empty member stands for the real one.
Dialogs setDialogs(Dialogs replacement);
const Dialogs &dialogs();

void showMessage(QWidget *parent, const QString &prompt,
                 const QString &title = QStringLiteral("ratebook"));
int ask(QWidget *parent, const Question &question);

} // namespace ratebook::kit
