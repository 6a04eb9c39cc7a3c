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
#include <QPointer>

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

bool formDialog(QWidget *parent, Form &form)
{
    QDialog dialog(parent);
    dialog.setObjectName(form.name);
    dialog.setWindowTitle(form.title);
    auto *layout = new QFormLayout(&dialog);
    QList<QLineEdit *> edits;
    for (const Form::Field &field : form.fields) {
        auto *edit = new QLineEdit(field.value);
        edit->setMinimumWidth(pixels(5400));
        edits << edit;
        if (edits.size() > 1 || form.suggestions.isEmpty()) {
            layout->addRow(field.caption, edit);
            continue;
        }
        // The first field lists the suggestions and stays open to any text.
        auto *choice = new QComboBox;
        choice->setEditable(true);
        choice->setLineEdit(edit);
        for (const QStringList &suggestion : form.suggestions)
            choice->addItem(suggestion.join(QStringLiteral(" @ ")) + QStringLiteral(" %"), suggestion);
        choice->setCurrentIndex(-1);
        edit->setText(field.value);
        QObject::connect(choice, &QComboBox::activated, &dialog, [choice, &edits](int index) {
            const QStringList values = choice->itemData(index).toStringList();
            for (qsizetype i = 0; i < edits.size() && i < values.size(); ++i)
                edits[i]->setText(values[i]);
        });
        layout->addRow(field.caption, choice);
    }
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    layout->addRow(buttons);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    for (qsizetype i = 0; i < edits.size(); ++i)
        form.fields[i].value = edits[i]->text().trimmed();
    return true;
}

Dialogs &current()
{
    static Dialogs inUse{messageBox, fileDialog, formDialog, {}};
    return inUse;
}

} // namespace

Dialogs setDialogs(Dialogs replacement)
{
    if (!replacement.message)
        replacement.message = messageBox;
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

bool askDetails(QWidget *parent, WorkDetails &details)
{
    Form form{QStringLiteral("statementDetails"), QStringLiteral("Statement"),
              {{QStringLiteral("&Name of work:"), details.work}, {QStringLiteral("&Place:"), details.place}}, {}};
    if (!current().askForm(parent, form))
        return false;
    details = {form.fields[0].value, form.fields[1].value};
    return true;
}

} // namespace ratebook::kit
