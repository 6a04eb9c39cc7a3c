// SPDX-FileCopyrightText: 2026 ratebook developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/keeping.h"

#include "abstract/abstractwindow.h"
#include "app/estimate.h"
#include "app/windows.h"
#include "documents/recovery.h"
#include "extractor/form17.h"
#include "kit/dialogs.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLocale>
#include <QSessionManager>

namespace ratebook::windows {

namespace {

QString tr(const char *text) { return QCoreApplication::translate("Keeping", text); }

enum Answer { Save, Discard, Cancel };

documents::RecoveryCopy *copyOf(const AbstractWindow *abstract)
{
    return abstract->findChild<documents::RecoveryCopy *>(QString(), Qt::FindDirectChildrenOnly);
}

AbstractWindow *openEstimate()
{
    const Form17 *extractor = loadedExtractor();
    return extractor ? existingAbstract(extractor) : nullptr;
}

// Whether the estimate's work may go: at once when nothing would be lost; else as the user
// answers. Save writes it to its file, or asks for one, and lets it go only once written.
bool mayDrop(AbstractWindow *abstract, QWidget *over)
{
    if (!abstract || !abstract->isModified())
        return true;
    const kit::Question question{tr("Save changes to the estimate?"), QStringLiteral("ratebook"),
                                 {tr("Save"), tr("Discard"), tr("Cancel")}};
    switch (kit::ask(over, question)) {
    case Save:
        return abstract->document()->save(abstract->document()->file());
    case Discard:
        copyOf(abstract)->discard();
        return true;
    default:
        return false;
    }
}

// "One-room store (one-room-building.ratebook), last changed 7 December 2026 16:40"
QString named(const documents::WorkFile &file, const documents::LeftCopy &copy)
{
    QString name = file.details.work.isEmpty() ? tr("An estimate") : file.details.work;
    if (!copy.source.isEmpty())
        name += QStringLiteral(" (%1)").arg(QFileInfo(copy.source).fileName());
    return tr("%1, last changed %2")
        .arg(name, QLocale().toString(copy.changed.toLocalTime(), QLocale::LongFormat));
}

} // namespace

void keepEstimate(Form17 *extractor, AbstractWindow *abstract)
{
    auto *copy = new documents::RecoveryCopy(abstract,
                                             [abstract] { return abstract->contentsLater(); });
    QObject::connect(abstract, &AbstractWindow::changed, copy, &documents::RecoveryCopy::changed);
    // Saved, or opened afresh: nothing to keep a copy of.
    QObject::connect(abstract, &AbstractWindow::modifiedChanged, copy,
                     [abstract, copy](bool modified) {
                         if (!modified)
                             copy->discard();
                         copy->setSource(abstract->document()->file());
                     });
    extractor->setCloseCheck([extractor, abstract] { return mayDrop(abstract, extractor); });
}

bool offerRecovery()
{
    QList<documents::LeftCopy> copies = documents::leftCopies();
    if (copies.isEmpty())
        return false;
    knowFileKinds();
    const documents::FileKind estimates = estimateFiles();
    for (documents::LeftCopy &copy : copies) {
        documents::WorkFile file;
        try {
            file = documents::readWorkFile(copy.path, estimates.layout);
        } catch (const documents::WorkFileError &e) {
            kit::showMessage(nullptr, e.message());
            if (!e.isNewer()) // a newer program may yet recover it
                documents::removeCopy(copy);
            continue;
        }
        const kit::Question question{
            tr("Recover the estimate you were working on?\n\n%1.").arg(named(file, copy)),
            QStringLiteral("ratebook"),
            {tr("Recover"), tr("Discard")}};
        if (kit::ask(nullptr, question) != 0) {
            documents::removeCopy(copy);
            continue;
        }
        file.path = copy.source;
        estimates.open(file);
        AbstractWindow *abstract = openEstimate();
        abstract->setModified(true);
        copyOf(abstract)->adopt(std::move(copy));
        return true;
    }
    return false;
}

void commitData(QSessionManager &manager)
{
    if (!manager.allowsInteraction())
        return; // the copy on disk keeps the work
    AbstractWindow *abstract = openEstimate();
    if (!mayDrop(abstract, abstract))
        manager.cancel();
    manager.release();
}

} // namespace ratebook::windows
