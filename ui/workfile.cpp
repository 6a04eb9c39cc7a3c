// SPDX-FileCopyrightText: 2026 ratebook developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/workfile.h"

#include "ui/reportlist.h"
#include "ui/uikit.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>

#include <cmath>
#include <type_traits>

namespace ratebook::ui {

namespace {

// A file of a few dozen short texts; anything near this size was never written by us.
constexpr qint64 MaxFileBytes = 1 << 20;
// What a QLineEdit holds: a longer text would be cut short in its box.
constexpr int MaxTextLength = 32767;
const QString Suffix = QStringLiteral(".ratebook");

QString tr(const char *text) { return QCoreApplication::translate("WorkFile", text); }

QString shownPath(const QString &path) { return QDir::toNativeSeparators(path); }

[[noreturn]] void bad(const QString &path, const QString &what)
{
    throw WorkFileError(tr("\"%1\" cannot be opened: %2.").arg(shownPath(path), what));
}

QJsonObject readObject(const QString &path)
{
    const QFileInfo info(path);
    if (info.isDir())
        bad(path, tr("it is a folder"));
    if (!info.exists())
        bad(path, tr("there is no such file"));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        bad(path, tr("it cannot be read (%1)").arg(file.errorString()));
    // Read one byte past the limit, so a file that grows after the look at its size is
    // still caught.
    const QByteArray bytes = file.read(MaxFileBytes + 1);
    if (file.error() != QFileDevice::NoError)
        bad(path, tr("it cannot be read (%1)").arg(file.errorString()));
    if (bytes.size() > MaxFileBytes)
        bad(path, tr("it is larger than 1 MB, far larger than any ratebook file"));
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError)
        bad(path, tr("it is not a ratebook file (%1 at byte %2)").arg(error.errorString()).arg(error.offset));
    if (!document.isObject())
        bad(path, tr("it is not a ratebook file (no object at the top)"));
    return document.object();
}

QString keyName(const QString &group, const QString &key)
{
    return QStringLiteral("\"%1\"").arg(group.isEmpty() ? key : group + QLatin1Char('.') + key);
}

// Exactly the keys expected: a key we do not know could be a value this version would drop.
void checkKeys(const QString &path, const QJsonObject &object, const QStringList &expected, const QString &group)
{
    for (const QString &key : expected) {
        if (!object.contains(key))
            bad(path, tr("it lacks %1").arg(keyName(group, key)));
    }
    for (auto it = object.begin(); it != object.end(); ++it) {
        if (!expected.contains(it.key()))
            bad(path, tr("it has %1, which is not part of a ratebook file").arg(keyName(group, it.key())));
    }
}

// The value of `key` as a text (QString) or a tick (bool), or the file is bad.
template <class T>
T valueOf(const QString &path, const QJsonObject &object, const QString &key, const QString &group = {})
{
    const QJsonValue value = object.value(key);
    if constexpr (std::is_same_v<T, bool>) {
        if (!value.isBool())
            bad(path, tr("%1 is not true or false").arg(keyName(group, key)));
        return value.toBool();
    } else {
        if (!value.isString())
            bad(path, tr("%1 is not a text").arg(keyName(group, key)));
        if (value.toString().size() > MaxTextLength)
            bad(path, tr("%1 is longer than a box holds (%2 characters)").arg(keyName(group, key)).arg(MaxTextLength));
        return value.toString();
    }
}

template <class T>
QMap<QString, T> readGroup(const QString &path, const QJsonObject &top, const QString &group, const QStringList &names)
{
    if (!top.value(group).isObject())
        bad(path, tr("%1 is not a group of named values").arg(keyName({}, group)));
    const QJsonObject object = top.value(group).toObject();
    checkKeys(path, object, names, group);
    QMap<QString, T> values;
    for (const QString &name : names)
        values.insert(name, valueOf<T>(path, object, name, group));
    return values;
}

template <class T>
QJsonObject toObject(const QMap<QString, T> &values)
{
    QJsonObject object;
    for (auto it = values.begin(); it != values.end(); ++it)
        object.insert(it.key(), it.value());
    return object;
}

// The version first: a newer file may differ in anything after it.
QString checkedKind(const QString &path, const QJsonObject &top)
{
    if (!top.contains(QStringLiteral("version")))
        bad(path, tr("it lacks \"version\""));
    const double version = top.value(QStringLiteral("version")).toDouble(-1);
    if (version < 1 || version != std::floor(version))
        bad(path, tr("\"version\" is not a whole number from 1 up"));
    if (version > WorkFileVersion)
        throw WorkFileError(tr("\"%1\" was saved by a newer ratebook (file version %2); this one reads version %3.")
                                .arg(shownPath(path)).arg(version).arg(WorkFileVersion));
    const QString kind = top.value(QStringLiteral("kind")).toString();
    if (kind != QLatin1String("costs") && kind != QLatin1String("quantities"))
        bad(path, tr("\"kind\" is neither \"costs\" nor \"quantities\""));
    return kind;
}

QString askWithDialog(QWidget *parent, FileDialog which)
{
    const bool open = which == FileDialog::Open;
    QFileDialog dialog(parent, open ? tr("Open") : tr("Save"), QString(), tr("ratebook files (*.ratebook)"));
    dialog.setAcceptMode(open ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
    dialog.setFileMode(open ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    dialog.setDefaultSuffix(Suffix.mid(1));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    QString path = dialog.selectedFiles().front();
    // A platform's own dialog may not add the default suffix.
    if (!open && !path.endsWith(Suffix))
        path += Suffix;
    return path;
}

FileChooser &fileChooser()
{
    static FileChooser chooser = askWithDialog;
    return chooser;
}

} // namespace

WorkFileError::WorkFileError(const QString &message) : std::runtime_error(message.toStdString()) {}

QString readWorkFileKind(const QString &path)
{
    return checkedKind(path, readObject(path));
}

WorkFile readWorkFile(const QString &path, const WorkFileLayout &layout)
{
    const QJsonObject top = readObject(path);
    WorkFile file;
    file.kind = checkedKind(path, top);
    if (file.kind != layout.kind)
        throw WorkFileError(tr("\"%1\" holds %2, and this window opens %3: open it in the other window.")
                                .arg(shownPath(path), file.kind, layout.kind));
    QStringList keys{"version", "kind", "saved", "work", "place", "texts"};
    if (!layout.ticks.isEmpty())
        keys << QStringLiteral("ticks");
    if (!layout.open.isEmpty())
        keys << QStringLiteral("open");
    checkKeys(path, top, keys, {});
    file.details.work = valueOf<QString>(path, top, QStringLiteral("work"));
    file.details.place = valueOf<QString>(path, top, QStringLiteral("place"));
    file.saved = QDateTime::fromString(valueOf<QString>(path, top, QStringLiteral("saved")), Qt::ISODate);
    if (!file.saved.isValid())
        bad(path, tr("\"saved\" is not a date and time"));
    file.texts = readGroup<QString>(path, top, QStringLiteral("texts"), layout.texts);
    if (!layout.ticks.isEmpty())
        file.ticks = readGroup<bool>(path, top, QStringLiteral("ticks"), layout.ticks);
    if (!layout.open.isEmpty())
        file.open = readGroup<bool>(path, top, QStringLiteral("open"), layout.open);
    return file;
}

QString saveWhole(const QString &path, const std::function<bool(QIODevice &)> &write)
{
    QSaveFile out(path);
    if (!out.open(QIODevice::WriteOnly))
        return out.errorString();
    // A write cut short sets no error that commit() heeds: it would put the shortened
    // file in place of the earlier one. Cancelled, the temporary file is removed.
    if (!write(out) || !out.flush() || out.error() != QFileDevice::NoError) {
        out.cancelWriting();
        return tr("not all of it could be written; the disk may be full");
    }
    return out.commit() ? QString() : out.errorString();
}

void writeWorkFile(const QString &path, const WorkFile &file)
{
    QJsonObject top{
        {QStringLiteral("version"), WorkFileVersion},
        {QStringLiteral("kind"), file.kind},
        {QStringLiteral("saved"), file.saved.toUTC().toString(Qt::ISODate)},
        {QStringLiteral("work"), file.details.work},
        {QStringLiteral("place"), file.details.place},
        {QStringLiteral("texts"), toObject(file.texts)},
    };
    if (!file.ticks.isEmpty())
        top.insert(QStringLiteral("ticks"), toObject(file.ticks));
    if (!file.open.isEmpty())
        top.insert(QStringLiteral("open"), toObject(file.open));
    const QByteArray bytes = QJsonDocument(top).toJson();
    const QString failure = saveWhole(path, [&bytes](QIODevice &out) { return out.write(bytes) == bytes.size(); });
    if (!failure.isEmpty())
        throw WorkFileError(tr("\"%1\" could not be saved (%2); any earlier file of that name is as it was.")
                                .arg(shownPath(path), failure));
}

void addFileCommands(ReportList *table, std::function<void(const QString &)> open, std::function<WorkFile()> contents)
{
    auto *separator = new QAction(table);
    separator->setSeparator(true);
    table->addAction(separator);
    table->addCommand(tr("Open…"), QKeySequence::Open, [table, open = std::move(open)] {
        const QString path = chooseFile(table->window(), FileDialog::Open);
        if (!path.isEmpty())
            open(path);
    });
    table->addCommand(tr("Save…"), QKeySequence::Save, [table, contents = std::move(contents)] {
        const QString path = chooseFile(table->window(), FileDialog::Save);
        if (path.isEmpty())
            return;
        WorkFile file = contents();
        file.saved = QDateTime::currentDateTimeUtc();
        try {
            writeWorkFile(path, file);
        } catch (const WorkFileError &e) {
            showMessage(table->window(), e.message());
        }
    });
}

void openWorkFile(QWidget *window, const QString &path, const WorkFileLayout &layout,
                  const std::function<void(const WorkFile &)> &load)
{
    WorkFile file;
    try {
        file = readWorkFile(path, layout);
    } catch (const WorkFileError &e) {
        showMessage(window, e.message());
        return;
    }
    load(file);
}

QString chooseFile(QWidget *parent, FileDialog dialog)
{
    return fileChooser()(parent, dialog);
}

FileChooser setFileChooser(FileChooser chooser)
{
    return std::exchange(fileChooser(), chooser ? std::move(chooser) : FileChooser(askWithDialog));
}

} // namespace ratebook::ui
