// SPDX-FileCopyrightText: 2026 ratebook developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A copy of work not yet saved, so that a crash or a power cut loses no more than its last
// few seconds: written whole a few seconds after the last change, in the user's data folder
// (XDG_DATA_HOME/ratebook/recovery), and removed once the work is saved or dropped. Each
// program holds a lock on its own copy; a copy whose lock is free was left by a program that
// did not close. Qt Core only.
#pragma once

#include "documents/workfile.h"

#include <QObject>
#include <QTimer>

#include <memory>

class QLockFile;
class QThreadPool;

namespace ratebook::documents {

// A copy left by a program that is gone, held for this one until it is taken or removed.
struct LeftCopy
{
    QString path;    // the copy, a work file
    QString source;  // the file the work came from, or empty
    QDateTime changed;
    std::shared_ptr<QLockFile> lock;
};

class RecoveryCopy : public QObject
{
    Q_OBJECT

public:
    // What the copy holds: `contents`, asked on the program's thread, takes what it needs of
    // the work there, and what it returns makes the file on the writer's.
    using Contents = std::function<std::function<WorkFile()>()>;
    RecoveryCopy(QObject *parent, Contents contents);
    ~RecoveryCopy() override;

    // The work changed: a copy is written once the changes pause.
    void changed();
    // The work is saved or dropped: there is no copy to keep.
    void discard();
    // Goes on with a copy left behind, which this program now keeps as its own.
    void adopt(LeftCopy copy);
    // The file the work is saved in, which the copy names.
    void setSource(const QString &file) { m_source = file; }

    // How long the changes must pause before a copy is written.
    static void setPause(int milliseconds);
    static QString folder();

private:
    void write();
    void wait();

    Contents m_contents;
    QTimer m_pause;
    QString m_path; // of the copy, once there is one
    QString m_source;
    std::shared_ptr<QLockFile> m_lock;
    std::unique_ptr<QThreadPool> m_writer; // one copy written at a time, off the keyboard's way
};

// The copies left by programs that are gone, newest first.
QList<LeftCopy> leftCopies();
// A copy and what names it, removed.
void removeCopy(const LeftCopy &copy);

} // namespace ratebook::documents
