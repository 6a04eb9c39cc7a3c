// SPDX-FileCopyrightText: 2026 ratebook developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A work window's document: what its files keep and its statement shows, stated once by
// the window from its own row tables. The document puts Open…, Save…, Print…, Export PDF…
// and Export to spreadsheet… in the window's table menu and serves them all alike.
#pragma once

#include "documents/modules.h"
#include "documents/statement.h"
#include "documents/workbook.h"
#include "documents/workfile.h"
#include "kit/dialogs.h"

#include <QObject>

#include <functional>
#include <memory>

class QWidget;

class QTreeView;

namespace ratebook::documents {

// A box whose text is kept in the file and listed on the statement.
struct KeptInput
{
    QString control; // its object name
    QString name;    // what it is, on the statement
    QString unit;
};

// Known before the window is built, so that a file can be checked whole first.
struct DocumentTerms
{
    QString kind = {};
    QString title = {}; // the statement's heading
    QString inputsTitle = {};
    QStringList inputsHeader = {}; // what, its figure, its unit
    QString tableTitle = {};
    QList<KeptInput> inputs = {};
    QStringList ticks = {}; // check boxes kept
    QStringList open = {};  // boxes whose being open is kept
    bool opens = true;      // a window whose files open elsewhere offers no Open…

    FileLayout layout() const;
};

struct DocumentHandlers
{
    // After a file's values are in: works the table out as the window's own button does.
    std::function<void()> recompute = {};
    // Why the table no longer answers the inputs, or empty when it does; a statement that
    // joined the two would mislead.
    std::function<QString()> outOfDate = {};
    // For a document that is more than its boxes and its table: what is saved, what the
    // statement shows, what the workbook holds.
    std::function<WorkFile()> contents = {};
    std::function<Statement()> statement = {};
    std::function<Workbook(const Statement &statement)> workbook = {};
};

class Document : public QObject
{
    Q_OBJECT

public:
    // Lives as long as the table's window.
    Document(QTreeView *table, DocumentTerms terms, DocumentHandlers handlers);
    static Document *of(const QWidget *window);
    // The document of a window that shows a part of another's work: its own statement and
    // workbook, the whole's name of work, place and file, and Save… saving the whole's
    // contents.
    static Document *partOf(const Document &whole, QTreeView *table, DocumentHandlers handlers);

    const DocumentTerms &terms() const { return m_terms; }
    // Each value through the handlers a user's change runs, in order: the ticks, which
    // boxes are open, the texts; failures meanwhile are held back, and the recomputation
    // at the end reports what is still wrong.
    void load(const WorkFile &file);
    WorkFile contents() const;
    Statement statement() const;
    WorkDetails details() const { return m_shared->details; }
    // Once asked for, they are not asked again.
    void setDetails(const WorkDetails &details, bool asked = false)
    {
        m_shared->details = details;
        m_shared->asked = m_shared->asked || asked;
    }
    // The file it was opened from or last saved to; empty for none.
    QString file() const { return m_shared->file; }
    void setFile(const QString &path) { m_shared->file = path; }
    // Documents of one piece of work share its name and place, asked once for all, and
    // its file.
    void share(const Document &with) { m_shared = with.m_shared; }
    // Writes the document to `path`, or first asks where, suggesting its file, when `path`
    // is empty. False when cancelled, or when it failed, which is reported.
    bool save(QString path = {});

signals:
    void saved();

private:
    enum class Command { Print, Pdf, Workbook };

    void open();
    void handOn(Command command);

    struct Shared
    {
        WorkDetails details;
        bool asked = false; // once, the first time a statement is made
        QString file;
    };

    QTreeView *m_table;
    QWidget *m_window;
    DocumentTerms m_terms;
    DocumentHandlers m_handlers;
    std::shared_ptr<Shared> m_shared = std::make_shared<Shared>();
};

// The name of work and its place, prefilled; false when cancelled.
bool askDetails(QWidget *parent, WorkDetails &details);

// A window's statement as its terms say it: its inputs as typed, then its table as shown.
Statement statementOf(const DocumentTerms &terms, const WorkDetails &details,
                      const QMap<QString, QString> &inputs, const QStringList &header,
                      const QList<QStringList> &rows);

// Every kind of file, the window whose Open… takes it, and how: app/ states them once.
struct FileKind
{
    FileLayout layout;
    QString window; // the object name of the window that opens it
    std::function<void(const WorkFile &file)> open;
};
void setFileKinds(QList<FileKind> kinds);

// What hands a document on, for one that is more than a single statement: each asks for its
// file or its printer, whose dialog `caption` names, and writes it whole; throws
// std::runtime_error saying what went wrong.
void printPages(QWidget *window, const QString &title, const PaintPages &paint);
void exportPdf(QWidget *window, const QString &caption, const QString &title,
               const PaintPages &paint);
void exportWorkbook(QWidget *window, const QString &caption, const QString &title,
                    const Workbook &book);

// The work file chosen to open or to save as; empty when cancelled.
QString chooseWorkFile(QWidget *parent, bool save, const QString &caption,
                       const QString &suggested = {});

// Reads the file whole and checks it against its kind before anything is touched, then
// opens it as its kind says. Asked from a window (`from`), only a kind that window opens.
// Throws WorkFileError.
void openWorkFile(const QString &path, const QWidget *from = nullptr);

} // namespace ratebook::documents
