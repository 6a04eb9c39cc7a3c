// SPDX-FileCopyrightText: 2026 ratebook developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/statementcommands.h"

#include "ui/reportlist.h"
#include "ui/uikit.h"
#include "ui/workfile.h"

#include <QAction>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFormLayout>
#include <QLineEdit>
#include <QPdfWriter>
#include <QTemporaryFile>

#include <stdexcept>

namespace ratebook::ui {

namespace {

bool askDetailsDialog(QWidget *parent, WorkDetails &details)
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

StatementDialogs &dialogs()
{
    static StatementDialogs current;
    return current;
}

enum class Command { Print, Pdf, Workbook };

struct CommandRow
{
    const char *name;
    const char *text;
    QKeySequence shortcut;
    const char *verb; // for the empty table's message
};

const CommandRow Commands[] = {
    {"printStatement", "Print…", QKeySequence(Qt::CTRL | Qt::Key_P), "print"},
    {"exportPdf", "Export PDF…", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_E), "export"},
    {"exportWorkbook", "Export to spreadsheet…", QKeySequence(Qt::CTRL | Qt::Key_E), "export"},
};

// Asks for the file, adding the suffix where the name has none; empty when cancelled.
QString fileToWrite(QWidget *parent, const QString &caption, const Statement &s, const QString &suffix, const QString &filter)
{
    const QString suggested = QDir::home().filePath(s.title + QLatin1Char('.') + suffix);
    QString path = dialogs().saveFileName ? dialogs().saveFileName(parent, caption, suggested, filter)
                                          : QFileDialog::getSaveFileName(parent, caption, suggested, filter);
    if (!path.isEmpty() && QFileInfo(path).suffix().isEmpty())
        path += QLatin1Char('.') + suffix;
    return path;
}

// Throws, naming the file and why, unless it was written whole.
void save(const QString &path, const std::function<bool(QIODevice &)> &write)
{
    const QString failure = saveWhole(path, write);
    if (!failure.isEmpty())
        throw std::runtime_error(QStringLiteral("%1 could not be written (%2)").arg(path, failure).toStdString());
}

void exportPdf(QWidget *window, const Statement &s)
{
    const QString path = fileToWrite(window, QStringLiteral("Export PDF"), s, QStringLiteral("pdf"), QStringLiteral("PDF (*.pdf)"));
    if (path.isEmpty())
        return;
    save(path, [&s](QIODevice &file) {
        QPdfWriter writer(&file);
        writer.setPageSize(QPageSize(localPaperSize()));
        writer.setResolution(600);
        writer.setTitle(s.title);
        writer.setCreator(QStringLiteral("ratebook"));
        return paintStatement(writer, s);
    });
}

void exportWorkbook(QWidget *window, const Statement &s)
{
    const auto write = moduleEntry<WorkbookFunction>(WorkbookModule, WorkbookSymbol);
    const QString path = fileToWrite(window, QStringLiteral("Export to spreadsheet"), s, QStringLiteral("xlsx"),
                                     QStringLiteral("Excel workbook (*.xlsx)"));
    if (path.isEmpty())
        return;
    // The writer names its own file: it writes a temporary one, copied whole into place.
    QTemporaryFile written(QDir::temp().filePath(QStringLiteral("ratebook-XXXXXX.xlsx")));
    QString error;
    if (!written.open() || !write(statementWorkbook(s), written.fileName(), &error) || !written.seek(0))
        throw std::runtime_error(QStringLiteral("%1 could not be written (%2)").arg(path, error.isEmpty() ? written.errorString() : error).toStdString());
    const QByteArray book = written.readAll();
    save(path, [&book](QIODevice &file) { return file.write(book) == book.size(); });
}

void print(QWidget *window, const Statement &s)
{
    const auto print = moduleEntry<PrintFunction>(PrintModule, PrintSymbol);
    const PrintOutcome outcome = print(window, localPaperSize(), s.title, dialogs().print,
                                       [&s](QPagedPaintDevice &printer) { return paintStatement(printer, s); });
    if (outcome == PrintOutcome::Failed)
        throw std::runtime_error("The printer could not be used");
}

void run(Command command, ReportList *table, WorkDetails &details, const std::function<Statement()> &describe)
{
    QWidget *window = table->window();
    const CommandRow &row = Commands[int(command)];
    const QString title = QString::fromUtf8(row.text).chopped(1);
    if (table->topLevelItemCount() == 0) {
        showMessage(window, QStringLiteral("The table is empty, so there is nothing to %1. Work out the figures first.")
                                .arg(QLatin1String(row.verb)), title);
        return;
    }
    try {
        if (!details.asked) {
            WorkDetails answered = details;
            if (!(dialogs().askDetails ? dialogs().askDetails(window, answered) : askDetailsDialog(window, answered)))
                return;
            details = answered;
            details.asked = true;
        }
        Statement s = describe();
        s.details = details;
        s.date = QDate::currentDate();
        s.header = table->headerTexts();
        s.rows = table->rowTexts();
        switch (command) {
        case Command::Print:
            return print(window, s);
        case Command::Pdf:
            return exportPdf(window, s);
        case Command::Workbook:
            return exportWorkbook(window, s);
        }
    } catch (const std::exception &failure) {
        showMessage(window, QString::fromStdString(failure.what()) + QLatin1Char('.'), title);
    }
}

} // namespace

StatementDialogs setStatementDialogs(StatementDialogs replacement)
{
    return std::exchange(dialogs(), std::move(replacement));
}

void addStatementCommands(ReportList *table, WorkDetails &details, std::function<Statement()> describe)
{
    auto *separator = new QAction(table);
    separator->setSeparator(true);
    table->addAction(separator);
    for (const Command command : {Command::Print, Command::Pdf, Command::Workbook}) {
        const CommandRow &row = Commands[int(command)];
        QAction *action = table->addCommand(QString::fromUtf8(row.text), row.shortcut,
                                            [=, &details] { run(command, table, details, describe); });
        action->setObjectName(QLatin1String(row.name));
    }
}

} // namespace ratebook::ui
