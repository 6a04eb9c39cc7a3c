// SPDX-FileCopyrightText: 2026 ratebook developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A window's work kept in a .ratebook file (docs/file-format.md): the texts of its boxes
// as typed, its ticks and which boxes are open, the name of the work and the place.
// Each window states the names of its controls; this file reads, checks and writes.
#pragma once

#include "ui/workdetails.h"

#include <QDateTime>
#include <QMap>
#include <QStringList>

#include <functional>
#include <stdexcept>

class QIODevice;
class QWidget;

namespace ratebook::ui {

class ReportList;

constexpr int WorkFileVersion = 1;

// What a file of one kind holds, by the object names of the window's controls.
struct WorkFileLayout
{
    QString kind; // "costs" or "quantities"
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
    WorkDetails details;
    QDateTime saved;
};

// Carries the whole message for the user, the file's name included.
class WorkFileError : public std::runtime_error
{
public:
    explicit WorkFileError(const QString &message);
    QString message() const { return QString::fromUtf8(what()); }
};

// The kind of work a file holds, checked no further than its version and kind.
QString readWorkFileKind(const QString &path);
// The whole file, every value checked against `layout` before it is returned.
WorkFile readWorkFile(const QString &path, const WorkFileLayout &layout);
// Written in full beside `path`, then put in its place: a failure leaves any earlier
// file as it was.
void writeWorkFile(const QString &path, const WorkFile &file);

// Writes a file whole or not at all: `write` fills it, and a failed open, a write cut
// short (a full disk) or a failed commit leaves any earlier file of that name as it was.
// Returns why it failed, or an empty text.
QString saveWhole(const QString &path, const std::function<bool(QIODevice &)> &write);

// "Open…" (Ctrl+O) and "Save…" (Ctrl+S) in the table's context menu, after a separator.
// Open asks for a file and hands its path to `open`; Save asks for a path and writes
// what `contents` gives, dated now, reporting a failure.
void addFileCommands(ReportList *table, std::function<void(const QString &path)> open,
                     std::function<WorkFile()> contents);

// Reads `path` against `layout` and hands it to `load`; a bad file is reported instead
// and nothing is loaded.
void openWorkFile(QWidget *window, const QString &path, const WorkFileLayout &layout,
                  const std::function<void(const WorkFile &)> &load);

// Every file dialog goes through here; tests answer it without a modal loop. An empty
// path means the user cancelled.
enum class FileDialog { Open, Save };
using FileChooser = std::function<QString(QWidget *parent, FileDialog dialog)>;
QString chooseFile(QWidget *parent, FileDialog dialog);
// Returns the chooser it replaces; an empty one restores the real dialog.
FileChooser setFileChooser(FileChooser chooser);

} // namespace ratebook::ui
