// SPDX-FileCopyrightText: 2026 ratebook developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A window's work kept in a .ratebook file (docs/file-format.md): the texts of its boxes
// as typed, its ticks and which boxes are open, the name of the work and the place. The
// window states the names of its controls; this reads, checks and writes. Qt Core only.
#pragma once

#include <QDateTime>
#include <QMap>
#include <QStringList>

#include <stdexcept>

namespace ratebook::documents {

inline constexpr int WorkFileVersion = 1;

// What a file of one kind holds, by the object names of the window's controls.
struct FileLayout
{
    QString kind;
    QStringList texts;
    QStringList ticks;
    QStringList open; // boxes whose being open (enabled) is kept
};

struct WorkFile
{
    QString kind;
    QMap<QString, QString> texts;
    QMap<QString, bool> ticks;
    QMap<QString, bool> open;
    QString work;
    QString place;
    QDateTime saved;
};

// Carries the whole message for the user, the file's name included.
class WorkFileError : public std::runtime_error
{
public:
    explicit WorkFileError(const QString &message);
    QString message() const { return QString::fromUtf8(what()); }
};

// Throws the message that `path` cannot be opened, and `why`.
[[noreturn]] void refuse(const QString &path, const QString &why);

// The kind of work a file holds, checked no further than its version and that the kind
// is a text.
QString readKind(const QString &path);
// The whole file, every value checked against `layout` before it is returned.
WorkFile readWorkFile(const QString &path, const FileLayout &layout);
// Written in full beside `path`, then put in its place: a failure leaves any earlier
// file as it was.
void writeWorkFile(const QString &path, const WorkFile &file);

} // namespace ratebook::documents
