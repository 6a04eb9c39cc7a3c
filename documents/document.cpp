// SPDX-FileCopyrightText: 2026 ratebook developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "documents/document.h"

#include "documents/modules.h"
#include "documents/savewhole.h"
#include "documents/workbook.h"
#include "kit/reportlist.h"
#include "kit/uikit.h"

#include <QAbstractButton>
#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QLineEdit>
#include <QPdfWriter>
#include <QTemporaryFile>
#include <QTreeView>

#include <stdexcept>

namespace ratebook::documents {

namespace {

QString tr(const char *text) { return QCoreApplication::translate("Document", text); }

QList<FileKind> &fileKinds()
{
    static QList<FileKind> kinds;
    return kinds;
}

struct CommandRow
{
    const char *name;
    const char *text;
    QKeySequence shortcut;
    const char *verb; // for the empty table's message
    const char *suffix;
    const char *filter;
};

// In the order of Document::Command.
const CommandRow Commands[] = {
    {"printStatement", "Print…", QKeySequence(Qt::CTRL | Qt::Key_P), "print", "", ""},
    {"exportPdf", "Export PDF…", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_E), "export", "pdf",
     "PDF (*.pdf)"},
    {"exportWorkbook", "Export to spreadsheet…", QKeySequence(Qt::CTRL | Qt::Key_E), "export",
     "xlsx", "Excel workbook (*.xlsx)"},
};
const CommandRow &PdfRow = Commands[1];
const CommandRow &WorkbookRow = Commands[2];

// The file a command writes, named as the dialog asked about it; empty when cancelled.
QString fileToWrite(QWidget *window, const QString &caption, const QString &title,
                    const char *suffix, const char *filter)
{
    const QString extension = QString::fromLatin1(suffix);
    return kit::dialogs().chooseFile(
        window, {true, caption, QDir::home().filePath(title + QLatin1Char('.') + extension),
                 extension, QString::fromLatin1(filter)});
}

[[noreturn]] void cannotWrite(const QString &path, const QString &why)
{
    throw std::runtime_error(
        QStringLiteral("%1 could not be written (%2)").arg(path, why).toStdString());
}

// Throws, naming the file and why, unless it was written whole.
void save(const QString &path, const std::function<bool(QIODevice &)> &write)
{
    const QString failure = saveWhole(path, write);
    if (!failure.isEmpty())
        cannotWrite(path, failure);
}

// "neither "a" nor "b"", or "not one of "a", "b" or "c"".
QString kindsNamed()
{
    QStringList names;
    for (const FileKind &kind : fileKinds())
        names << QLatin1Char('"') + kind.layout.kind + QLatin1Char('"');
    if (names.size() == 2)
        return tr("neither %1 nor %2").arg(names[0], names[1]);
    const QString last = names.isEmpty() ? QString() : names.takeLast();
    return tr("not one of %1 or %2").arg(names.join(QStringLiteral(", ")), last);
}

template <class Control>
Control *control(const QWidget *window, const QString &name)
{
    auto *found = window->findChild<Control *>(name);
    if (!found)
        throw std::logic_error("no control named " + name.toStdString());
    return found;
}

} // namespace

FileLayout DocumentTerms::layout() const
{
    FileLayout layout{kind, {}, ticks, open, {}};
    for (const KeptInput &input : inputs)
        layout.texts << input.control;
    return layout;
}

QString chooseWorkFile(QWidget *parent, bool save, const QString &caption, const QString &suggested)
{
    return kit::dialogs().chooseFile(parent, {save, caption, suggested, QStringLiteral("ratebook"),
                                              QStringLiteral("ratebook files (*.ratebook)")});
}

Document::Document(QTreeView *table, DocumentTerms terms, DocumentHandlers handlers)
    : QObject(table->window())
    , m_table(table)
    , m_window(table->window())
    , m_terms(std::move(terms))
    , m_handlers(std::move(handlers))
{
    kit::addSeparator(table);
    if (m_terms.opens)
        kit::addCommand(table, tr("Open…"), QKeySequence::Open, [this] { open(); });
    kit::addCommand(table, tr("Save…"), QKeySequence::Save, [this] { save(); });
    kit::addSeparator(table);
    for (const Command command : {Command::Print, Command::Pdf, Command::Workbook}) {
        const CommandRow &row = Commands[int(command)];
        QAction *action = kit::addCommand(table, QString::fromUtf8(row.text), row.shortcut,
                                          [=, this] { handOn(command); });
        action->setObjectName(QLatin1String(row.name));
    }
}

Document *Document::partOf(const Document &whole, QTreeView *table, DocumentHandlers handlers)
{
    handlers.contents = whole.m_handlers.contents;
    auto *part = new Document(
        table,
        {.kind = whole.terms().kind, .title = table->window()->windowTitle(), .opens = false},
        std::move(handlers));
    part->share(whole);
    // Saved from any of its windows, the whole estimate is saved.
    connect(part, &Document::saved, &whole, &Document::saved);
    return part;
}

Document *Document::of(const QWidget *window)
{
    return window->findChild<Document *>(QString(), Qt::FindDirectChildrenOnly);
}

void Document::load(const WorkFile &file)
{
    {
        const kit::FailuresHeld held;
        for (const QString &name : m_terms.ticks)
            control<QAbstractButton>(m_window, name)->setChecked(file.ticks.value(name));
        for (const QString &name : m_terms.open)
            control<QWidget>(m_window, name)->setEnabled(file.open.value(name));
        for (const KeptInput &input : m_terms.inputs)
            control<QLineEdit>(m_window, input.control)->setText(file.texts.value(input.control));
    }
    m_shared->details = file.details;
    // An estimate loaded into the extractor stays the estimate's: Save… there writes quantities.
    if (file.kind == m_terms.kind)
        m_shared->file = file.path;
    m_handlers.recompute();
}

WorkFile Document::contents() const
{
    if (m_handlers.contents)
        return m_handlers.contents();
    WorkFile file;
    file.kind = m_terms.kind;
    for (const KeptInput &input : m_terms.inputs)
        file.texts.insert(input.control, control<QLineEdit>(m_window, input.control)->text());
    for (const QString &name : m_terms.ticks)
        file.ticks.insert(name, control<QAbstractButton>(m_window, name)->isChecked());
    for (const QString &name : m_terms.open)
        file.open.insert(name, control<QWidget>(m_window, name)->isEnabled());
    file.details = m_shared->details;
    return file;
}

Statement Document::statement() const
{
    if (m_handlers.statement)
        return m_handlers.statement();
    QMap<QString, QString> texts;
    for (const KeptInput &input : m_terms.inputs)
        texts.insert(input.control, control<QLineEdit>(m_window, input.control)->text());
    return statementOf(m_terms, m_shared->details, texts, kit::headerTexts(m_table),
                       kit::rowTexts(m_table));
}

Statement statementOf(const DocumentTerms &terms, const WorkDetails &details,
                      const QMap<QString, QString> &inputs, const QStringList &header,
                      const QList<QStringList> &rows)
{
    StatementTable typed{terms.inputsTitle, terms.inputsHeader, {}, {}, {}, true};
    for (const KeptInput &input : terms.inputs)
        typed.rows << QStringList{input.name, inputs.value(input.control), input.unit};
    const StatementTable table{terms.tableTitle, header, rows, {}, {}, false};
    return {terms.title, details, QDate::currentDate(), {}, {typed, table}, {}};
}

void Document::open()
{
    const QString path = chooseWorkFile(m_window, false, tr("Open"));
    if (path.isEmpty())
        return;
    try {
        openWorkFile(path, m_window);
    } catch (const WorkFileError &e) {
        kit::showMessage(m_window, e.message());
    }
}

bool Document::save(QString path)
{
    if (path.isEmpty())
        path = chooseWorkFile(m_window, true, tr("Save"), m_shared->file);
    if (path.isEmpty())
        return false;
    WorkFile file = contents();
    file.saved = QDateTime::currentDateTimeUtc();
    try {
        writeWorkFile(path, file);
    } catch (const WorkFileError &e) {
        kit::showMessage(m_window, e.message());
        return false;
    }
    m_shared->file = path;
    emit saved();
    return true;
}

void Document::handOn(Command command)
{
    const CommandRow &row = Commands[int(command)];
    const QString title = QString::fromUtf8(row.text).chopped(1);
    if (m_table->model()->rowCount() == 0) {
        kit::showMessage(
            m_window,
            tr("The table is empty, so there is nothing to %1. Work out the figures first.")
                .arg(QLatin1String(row.verb)),
            title);
        return;
    }
    if (const QString why = m_handlers.outOfDate ? m_handlers.outOfDate() : QString();
        !why.isEmpty()) {
        kit::showMessage(m_window, why, title);
        return;
    }
    try {
        if (!m_shared->asked) {
            WorkDetails answered = m_shared->details;
            if (!askDetails(m_window, answered))
                return;
            m_shared->details = answered;
            m_shared->asked = true;
        }
        const Statement s = statement();
        const auto paint = [&s](QPagedPaintDevice &device) { return paintStatement(device, s); };
        switch (command) {
        case Command::Print:
            return printPages(m_window, s.title, paint);
        case Command::Pdf:
            return exportPdf(m_window, title, s.title, paint);
        case Command::Workbook:
            return exportWorkbook(m_window, title, s.title,
                                  m_handlers.workbook ? m_handlers.workbook(s)
                                                      : statementWorkbook(s));
        }
    } catch (const std::exception &failure) {
        kit::showMessage(m_window, QString::fromStdString(failure.what()) + QLatin1Char('.'),
                         title);
    }
}

bool askDetails(QWidget *parent, WorkDetails &details)
{
    kit::Form form{QStringLiteral("statementDetails"),
                   QStringLiteral("Statement"),
                   {{QStringLiteral("&Name of work:"), details.work},
                    {QStringLiteral("&Place:"), details.place}}};
    if (!kit::dialogs().askForm(parent, form))
        return false;
    details = {form.fields[0].value, form.fields[1].value};
    return true;
}

void exportPdf(QWidget *window, const QString &caption, const QString &title,
               const PaintPages &paint)
{
    const QString path = fileToWrite(window, caption, title, PdfRow.suffix, PdfRow.filter);
    if (path.isEmpty())
        return;
    save(path, [&](QIODevice &file) {
        QPdfWriter writer(&file);
        writer.setPageSize(QPageSize(localPaperSize()));
        writer.setResolution(600);
        writer.setTitle(title);
        writer.setCreator(QStringLiteral("ratebook"));
        return paint(writer);
    });
}

void exportWorkbook(QWidget *window, const QString &caption, const QString &title,
                    const Workbook &book)
{
    const auto write = moduleEntry<WorkbookFunction>(WorkbookModule, WorkbookSymbol);
    const QString path = fileToWrite(window, caption, title, WorkbookRow.suffix,
                                     WorkbookRow.filter);
    if (path.isEmpty())
        return;
    // The writer names its own file: it writes a temporary one, copied whole into place.
    QTemporaryFile written(QDir::temp().filePath(QStringLiteral("ratebook-XXXXXX.xlsx")));
    QString error;
    if (!written.open() || !write(book, written.fileName(), &error) || !written.seek(0))
        cannotWrite(path, error.isEmpty() ? written.errorString() : error);
    const QByteArray bytes = written.readAll();
    save(path, [&bytes](QIODevice &file) { return file.write(bytes) == bytes.size(); });
}

void printPages(QWidget *window, const QString &title, const PaintPages &paint)
{
    const auto print = moduleEntry<PrintFunction>(PrintModule, PrintSymbol);
    if (print(window, localPaperSize(), title, kit::dialogs().print, paint) == PrintOutcome::Failed)
        throw std::runtime_error("The printer could not be used");
}

void setFileKinds(QList<FileKind> kinds)
{
    fileKinds() = std::move(kinds);
}

void openWorkFile(const QString &path, const QWidget *from)
{
    const QString kind = readKind(path);
    const auto found = std::find_if(fileKinds().cbegin(), fileKinds().cend(),
                                    [&kind](const FileKind &k) { return k.layout.kind == kind; });
    if (found == fileKinds().cend())
        refuse(path, tr("\"kind\" is %1").arg(kindsNamed()));
    if (from && from->objectName() != found->window) {
        throw WorkFileError(
            tr("\"%1\" holds %2, and this window opens %3: open it in the other window.")
                .arg(QDir::toNativeSeparators(path), kind, Document::of(from)->terms().kind));
    }
    const FileKind opener = *found; // opening may set the kinds afresh
    opener.open(readWorkFile(path, opener.layout));
}

} // namespace ratebook::documents
