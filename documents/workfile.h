// SPDX-FileCopyrightText: 2026 ratebook developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A window's work kept in a .ratebook file (docs/file-format.md): the texts of its boxes
// as typed, its ticks and which boxes are open, the name of the work and the place. The
// window states the names of its controls; this reads, checks and writes. Qt Core only.
#pragma once

#include <QDateTime>
#include <QJsonObject>
#include <QMap>
#include <QStringList>

#include <any>
#include <functional>
#include <stdexcept>

namespace ratebook::documents {

// The newest version this program reads. Each file is written in the oldest version that
// holds what it keeps, so that an older program still opens what it can read whole.
inline constexpr int WorkFileVersion = 2;

// What the work is called and where it is: every document carries them, and either may
// stay empty.
struct WorkDetails
{
    QString work;
    QString place;
};

struct WorkFile;

// A part of a file beyond the boxes, which its document reads itself: `read` refuses the
// value under `key` (through refuse()) when it is not sound, and hands back what it read,
// given the file as far as it is read. A file older than the version that brought the part
// lacks it.
struct FilePart
{
    QString key;
    std::function<std::any(const QString &path, const QJsonValue &value, const WorkFile &file)>
        read;
    int since = 1;
};

// What a file of one kind holds, by the object names of the window's controls.
struct FileLayout
{
    QString kind;
    QStringList texts;
    QStringList ticks;
    QStringList open; // boxes whose being open (enabled) is kept
    QList<FilePart> parts = {};
};

struct WorkFile
{
    QString path; // where it was read from
    QString kind;
    int version = 1; // as read; to write, the oldest that holds the parts
    QMap<QString, QString> texts;
    QMap<QString, bool> ticks;
    QMap<QString, bool> open;
    WorkDetails details;
    QDateTime saved;
    QJsonObject parts; // each part's value, by its key; those the file's version lacks are absent
    QMap<QString, std::any> read; // what each part's reader handed back
};

// Carries the whole message for the user, the file's name included.
class WorkFileError : public std::runtime_error
{
public:
    explicit WorkFileError(const QString &message, bool newer = false);
    QString message() const { return QString::fromUtf8(what()); }
    // Sound, but written by a newer ratebook: not this one's to throw away.
    bool isNewer() const { return m_newer; }

private:
    bool m_newer;
};

// Throws the message that `path` cannot be opened, and `why`.
[[noreturn]] void refuse(const QString &path, const QString &why);

// For a part's check: a group of named texts, exactly `names`; an object of exactly `keys`;
// one text of an object. Each refuses the file naming what is wrong.
QMap<QString, QString> checkedTexts(const QString &path, const QJsonValue &value,
                                    const QString &group, const QStringList &names);
QJsonObject checkedObject(const QString &path, const QJsonValue &value, const QString &group,
                          const QStringList &keys);
QString checkedText(const QString &path, const QJsonObject &object, const QString &key,
                    const QString &group);

// The kind of work a file holds, checked no further than its version and that the kind
// is a text.
QString readKind(const QString &path);
// The whole file, every value checked against `layout` before it is returned.
WorkFile readWorkFile(const QString &path, const FileLayout &layout);
// Written in full beside `path`, then put in its place: a failure leaves any earlier
// file as it was.
void writeWorkFile(const QString &path, const WorkFile &file);
// What writeWorkFile writes.
QByteArray workFileBytes(const WorkFile &file);

} // namespace ratebook::documents
