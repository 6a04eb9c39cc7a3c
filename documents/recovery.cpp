// SPDX-FileCopyrightText: 2026 ratebook developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "documents/recovery.h"

#include "documents/savewhole.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QLockFile>
#include <QStandardPaths>
#include <QThreadPool>
#include <QUuid>

#include <algorithm>

namespace ratebook::documents {

namespace {

int pause = 3000;

// Beside each copy: its lock, and a note of the file its work came from and when it changed.
QString lockOf(const QString &copy) { return copy + QStringLiteral(".lock"); }
QString noteOf(const QString &copy) { return copy + QStringLiteral(".note"); }

std::shared_ptr<QLockFile> locked(const QString &copy)
{
    auto lock = std::make_shared<QLockFile>(lockOf(copy));
    // Stale only once its program is gone, however long ago it wrote.
    lock->setStaleLockTime(0);
    return lock->tryLock(0) ? lock : nullptr;
}

} // namespace

RecoveryCopy::RecoveryCopy(QObject *parent, Contents contents)
    : QObject(parent)
    , m_contents(std::move(contents))
    , m_writer(std::make_unique<QThreadPool>())
{
    m_writer->setMaxThreadCount(1);
    m_pause.setSingleShot(true);
    connect(&m_pause, &QTimer::timeout, this, &RecoveryCopy::write);
}

RecoveryCopy::~RecoveryCopy()
{
    wait();
}

void RecoveryCopy::setPause(int milliseconds)
{
    pause = milliseconds;
}

QString RecoveryCopy::folder()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)
           + QStringLiteral("/recovery");
}

void RecoveryCopy::changed()
{
    m_pause.start(pause);
}

void RecoveryCopy::wait()
{
    m_writer->waitForDone();
}

// What the work holds is taken here, the file made and written on the writer's thread: its
// text, its bytes and the disk's sync cost the keyboard nothing.
void RecoveryCopy::write()
{
    if (m_path.isEmpty()) {
        if (!QDir().mkpath(folder()))
            return;
        m_path = folder() + QLatin1Char('/') + QUuid::createUuid().toString(QUuid::WithoutBraces)
                 + QStringLiteral(".ratebook");
        m_lock = locked(m_path);
        if (!m_lock) {
            m_path.clear();
            return;
        }
    }
    const QDateTime changed = QDateTime::currentDateTimeUtc();
    const QJsonObject note{{QStringLiteral("source"), m_source},
                           {QStringLiteral("changed"), changed.toString(Qt::ISODate)}};
    m_writer->start([contents = m_contents(), changed, note, path = m_path] {
        WorkFile file = contents();
        file.saved = changed;
        const QByteArray bytes = workFileBytes(file);
        const QByteArray noted = QJsonDocument(note).toJson();
        // The copy first: a note always names a whole copy.
        if (saveWhole(path, bytes).isEmpty())
            saveWhole(noteOf(path), noted);
    });
}

void RecoveryCopy::discard()
{
    m_pause.stop();
    wait();
    if (m_path.isEmpty())
        return;
    removeCopy({m_path, {}, {}, m_lock});
    m_path.clear();
    m_lock.reset();
}

void RecoveryCopy::adopt(LeftCopy copy)
{
    discard();
    m_path = copy.path;
    m_source = copy.source;
    m_lock = std::move(copy.lock);
}

QList<LeftCopy> leftCopies()
{
    QList<LeftCopy> copies;
    const QDir folder(RecoveryCopy::folder());
    for (const QString &name : folder.entryList({QStringLiteral("*.ratebook")}, QDir::Files)) {
        const QString path = folder.filePath(name);
        std::shared_ptr<QLockFile> lock = locked(path);
        if (!lock)
            continue; // a program running now keeps it
        QFile noted(noteOf(path));
        const QJsonObject note = noted.open(QIODevice::ReadOnly)
                                     ? QJsonDocument::fromJson(noted.readAll()).object()
                                     : QJsonObject();
        const QDateTime changed = QDateTime::fromString(
            note.value(QStringLiteral("changed")).toString(), Qt::ISODate);
        copies << LeftCopy{path, note.value(QStringLiteral("source")).toString(),
                           changed.isValid() ? changed : QFileInfo(path).lastModified(), lock};
    }
    std::ranges::sort(copies, std::greater{}, &LeftCopy::changed);
    return copies;
}

void removeCopy(const LeftCopy &copy)
{
    QFile::remove(copy.path);
    QFile::remove(noteOf(copy.path));
    if (copy.lock)
        copy.lock->unlock();
}

} // namespace ratebook::documents
