// SPDX-FileCopyrightText: 2026 ratebook developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "kit/dialogs.h"

#include "kit/uikit.h"

#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>

namespace ratebook::kit {

namespace {

void messageBox(QWidget *parent, const Message &message)
{
    // Not every platform hands the activation and the focus back when a modal box
    // closes: the user goes on where they were.
    const QPointer<QWidget> focused = QApplication::focusWidget();
    QMessageBox box(QMessageBox::Question, message.title, message.prompt, QMessageBox::Ok, parent);
    box.exec();
    if (parent)
        parent->window()->activateWindow();
    if (focused)
        focused->setFocus();
}

int questionBox(QWidget *parent, const Question &question)
{
    QMessageBox box(QMessageBox::Question, question.title, question.prompt, QMessageBox::NoButton,
                    parent);
    QList<QAbstractButton *> buttons;
    for (qsizetype i = 0; i < question.answers.size(); ++i) {
        const bool last = i + 1 == question.answers.size();
        const auto role = i == 0 ? QMessageBox::AcceptRole
                          : last ? QMessageBox::RejectRole
                                 : QMessageBox::DestructiveRole;
        buttons << box.addButton(question.answers[i], role);
    }
    box.setDefaultButton(qobject_cast<QPushButton *>(buttons.value(0)));
    box.exec();
    const qsizetype chosen = buttons.indexOf(box.clickedButton());
    return int(chosen < 0 ? question.answers.size() - 1 : chosen);
}

QString fileDialog(QWidget *parent, const FileRequest &request)
{
    QFileDialog dialog(parent, request.caption, request.suggested, request.filter);
    dialog.setAcceptMode(request.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(request.save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(request.suffix);
    // Qt's own dialog adds the suffix before it asks whether to replace the file; a
    // platform's dialog may ask about the name as typed and leave the suffix to us.
    if (request.save)
        dialog.setOption(QFileDialog::DontUseNativeDialog);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().front();
}

// A field's editor, and how its text is read back.
std::pair<QWidget *, std::function<QString()>> fieldEditor(const Form::Field &field)
{
    if (field.lines) {
        auto *edit = new QPlainTextEdit(field.value);
        edit->setTabChangesFocus(true);
        edit->setFixedHeight(edit->fontMetrics().lineSpacing() * 4 + 12);
        return {edit, [edit] { return edit->toPlainText(); }};
    }
    if (!field.choices.isEmpty()) {
        auto *choice = new QComboBox;
        choice->addItems(field.choices);
        choice->setEditable(!field.fixed);
        choice->setCurrentText(field.value);
        return {choice, [choice] { return choice->currentText(); }};
    }
    auto *edit = new QLineEdit(field.value);
    return {edit, [edit] { return edit->text(); }};
}

bool formDialog(QWidget *parent, Form &form)
{
    QDialog dialog(parent);
    dialog.setObjectName(form.name);
    dialog.setWindowTitle(form.title);
    auto *layout = new QFormLayout(&dialog);
    QList<QLineEdit *> edits; // of the fields a suggestion fills
    QList<std::function<QString()>> answers;
    for (const Form::Field &field : form.fields) {
        auto [editor, answer] = fieldEditor(field);
        editor->setMinimumWidth(pixels(5400));
        answers << answer;
        edits << qobject_cast<QLineEdit *>(editor);
        if (answers.size() > 1 || form.suggestions.isEmpty()) {
            layout->addRow(field.caption, editor);
            continue;
        }
        // The first field lists the suggestions and stays open to any text.
        auto *choice = new QComboBox;
        choice->setEditable(true);
        choice->setLineEdit(edits.back());
        for (const QStringList &suggestion : form.suggestions)
            choice->addItem(suggestion.join(QStringLiteral(" @ ")) + QStringLiteral(" %"),
                            suggestion);
        choice->setCurrentIndex(-1);
        edits.back()->setText(field.value);
        QObject::connect(choice, &QComboBox::activated, &dialog, [choice, &edits](int index) {
            const QStringList values = choice->itemData(index).toStringList();
            for (qsizetype i = 0; i < edits.size() && i < values.size(); ++i) {
                if (edits[i])
                    edits[i]->setText(values[i]);
            }
        });
        layout->addRow(field.caption, choice);
    }
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    Form answered = form;
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, [&] {
        for (qsizetype i = 0; i < answers.size(); ++i)
            answered.fields[i].value = answers[i]().trimmed();
        const QString why = form.refusal ? form.refusal(answered) : QString();
        if (why.isEmpty())
            dialog.accept();
        else
            showMessage(&dialog, why, form.title);
    });
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    layout->addRow(buttons);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    form = answered;
    return true;
}

Dialogs &current()
{
    static Dialogs inUse{messageBox, questionBox, fileDialog, formDialog, {}};
    return inUse;
}

} // namespace

Dialogs setDialogs(Dialogs replacement)
{
    if (!replacement.message)
        replacement.message = messageBox;
    if (!replacement.ask)
        replacement.ask = questionBox;
    if (!replacement.chooseFile)
        replacement.chooseFile = fileDialog;
    if (!replacement.askForm)
        replacement.askForm = formDialog;
    return std::exchange(current(), std::move(replacement));
}

const Dialogs &dialogs()
{
    return current();
}

void showMessage(QWidget *parent, const QString &prompt, const QString &title)
{
    current().message(parent, Message{prompt, title});
}

int ask(QWidget *parent, const Question &question)
{
    return current().ask(parent, question);
}

} // namespace ratebook::kit
