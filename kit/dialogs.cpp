// SPDX-FileCopyrightText: 2026 ratebook developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "kit/dialogs.h"

#include "kit/uikit.h"

#include <QApplication>
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

bool detailsDialog(QWidget *parent, WorkDetails &details)
{
    QDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("statementDetails"));
    dialog.setWindowTitle(QStringLiteral("Statement"));
    auto *work = new QLineEdit(details.work, &dialog);
    auto *place = new QLineEdit(details.place, &dialog);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    auto *form = new QFormLayout(&dialog);
    form->addRow(QStringLiteral("&Name of work:"), work);
    form->addRow(QStringLiteral("&Place:"), place);
    form->addRow(buttons);
    work->setMinimumWidth(pixels(5400));
    if (dialog.exec() != QDialog::Accepted)
        return false;
    details.work = work->text().trimmed();
    details.place = place->text().trimmed();
    return true;
}

Dialogs &current()
{
    static Dialogs inUse{messageBox, fileDialog, detailsDialog, {}};
    return inUse;
}

} // namespace

Dialogs setDialogs(Dialogs replacement)
{
    if (!replacement.message)
        replacement.message = messageBox;
    if (!replacement.chooseFile)
        replacement.chooseFile = fileDialog;
    if (!replacement.askDetails)
        replacement.askDetails = detailsDialog;
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

} // namespace ratebook::kit
