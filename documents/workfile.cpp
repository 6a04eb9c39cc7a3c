// SPDX-FileCopyrightText: 2026 ratebook developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "documents/workfile.h"

#include "documents/savewhole.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>

#include <cmath>
#include <type_traits>

namespace ratebook::documents {

namespace {

// An estimate of some thousands of measurement lines fills a few megabytes; anything near
// this size was never written by us.
constexpr qint64 MaxFileBytes = 16 << 20;
// What a QLineEdit holds: a longer text would be cut short in its box.
constexpr int MaxTextLength = 32767;

QString tr(const char *text) { return QCoreApplication::translate("WorkFile", text); }

QString shownPath(const QString &path) { return QDir::toNativeSeparators(path); }

QJsonObject readObject(const QString &path)
{
    const QFileInfo info(path);
    if (info.isDir())
        refuse(path, tr("it is a folder"));
    if (!info.exists())
        refuse(path, tr("there is no such file"));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        refuse(path, tr("it cannot be read (%1)").arg(file.errorString()));
    // Read one byte past the limit, so a file that grows after the look at its size is
    // still caught.
    const QByteArray bytes = file.read(MaxFileBytes + 1);
    if (file.error() != QFileDevice::NoError)
        refuse(path, tr("it cannot be read (%1)").arg(file.errorString()));
    if (bytes.size() > MaxFileBytes)
        refuse(path, tr("it is larger than 16 MB, far larger than any ratebook file"));
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError)
        refuse(path, tr("it is not a ratebook file (%1 at byte %2)")
                         .arg(error.errorString())
                         .arg(error.offset));
    if (!document.isObject())
        refuse(path, tr("it is not a ratebook file (no object at the top)"));
    return document.object();
}

QString keyName(const QString &group, const QString &key)
{
    return QStringLiteral("\"%1\"").arg(group.isEmpty() ? key : group + QLatin1Char('.') + key);
}

// Exactly the keys expected: a key we do not know could be a value this version would drop.
void checkKeys(const QString &path, const QJsonObject &object, const QStringList &expected,
               const QString &group)
{
    for (const QString &key : expected) {
        if (!object.contains(key))
            refuse(path, tr("it lacks %1").arg(keyName(group, key)));
    }
    for (auto it = object.begin(); it != object.end(); ++it) {
        if (!expected.contains(it.key()))
            refuse(path, tr("it has %1, which is not part of a ratebook file")
                             .arg(keyName(group, it.key())));
    }
}

// The value of `key` as a text (QString) or a tick (bool), or the file is bad.
template<class T>
T valueOf(const QString &path, const QJsonObject &object, const QString &key,
          const QString &group = {})
{
    const QJsonValue value = object.value(key);
    if constexpr (std::is_same_v<T, bool>) {
        if (!value.isBool())
            refuse(path, tr("%1 is not true or false").arg(keyName(group, key)));
        return value.toBool();
    } else {
        if (!value.isString())
            refuse(path, tr("%1 is not a text").arg(keyName(group, key)));
        if (value.toString().size() > MaxTextLength)
            refuse(path, tr("%1 is longer than a box holds (%2 characters)")
                             .arg(keyName(group, key))
                             .arg(MaxTextLength));
        return value.toString();
    }
}

QJsonObject groupOf(const QString &path, const QJsonValue &value, const QString &group,
                    const QStringList &names)
{
    if (!value.isObject())
        refuse(path, tr("%1 is not a group of named values").arg(keyName({}, group)));
    const QJsonObject object = value.toObject();
    checkKeys(path, object, names, group);
    return object;
}

template<class T>
QMap<QString, T> readGroup(const QString &path, const QJsonObject &top, const QString &group,
                           const QStringList &names)
{
    const QJsonObject object = groupOf(path, top.value(group), group, names);
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
int checkedVersion(const QString &path, const QJsonObject &top)
{
    if (!top.contains(QStringLiteral("version")))
        refuse(path, tr("it lacks \"version\""));
    const double version = top.value(QStringLiteral("version")).toDouble(-1);
    if (version < 1 || version != std::floor(version))
        refuse(path, tr("\"version\" is not a whole number from 1 up"));
    if (version > WorkFileVersion)
        throw WorkFileError(
            tr("\"%1\" was saved by a newer ratebook (file version %2); this one reads version %3.")
                .arg(shownPath(path))
                .arg(version)
                .arg(WorkFileVersion),
            true);
    return int(version);
}

QString checkedKind(const QString &path, const QJsonObject &top)
{
    checkedVersion(path, top);
    const QString kind = top.value(QStringLiteral("kind")).toString();
    if (kind.isEmpty())
        refuse(path, tr("\"kind\" is not a text"));
    return kind;
}

} // namespace

WorkFileError::WorkFileError(const QString &message, bool newer)
    : std::runtime_error(message.toStdString()), m_newer(newer)
{
}

void refuse(const QString &path, const QString &why)
{
    throw WorkFileError(tr("\"%1\" cannot be opened: %2.").arg(shownPath(path), why));
}

QMap<QString, QString> checkedTexts(const QString &path, const QJsonValue &value,
                                    const QString &group, const QStringList &names)
{
    return readGroup<QString>(path, QJsonObject{{group, value}}, group, names);
}

QJsonObject checkedObject(const QString &path, const QJsonValue &value, const QString &group,
                          const QStringList &keys)
{
    return groupOf(path, value, group, keys);
}

QString checkedText(const QString &path, const QJsonObject &object, const QString &key,
                    const QString &group)
{
    return valueOf<QString>(path, object, key, group);
}

QString readKind(const QString &path)
{
    return checkedKind(path, readObject(path));
}

WorkFile readWorkFile(const QString &path, const FileLayout &layout)
{
    const QJsonObject top = readObject(path);
    WorkFile file;
    file.path = path;
    file.kind = checkedKind(path, top);
    file.version = checkedVersion(path, top);
    if (file.kind != layout.kind)
        refuse(path, tr("it holds %1, not %2").arg(file.kind, layout.kind));
    QStringList keys{"version", "kind", "saved", "work", "place", "texts"};
    if (!layout.ticks.isEmpty())
        keys << QStringLiteral("ticks");
    if (!layout.open.isEmpty())
        keys << QStringLiteral("open");
    QList<FilePart> parts = layout.parts;
    parts.removeIf([&file](const FilePart &part) { return part.since > file.version; });
    for (const FilePart &part : parts)
        keys << part.key;
    checkKeys(path, top, keys, {});
    file.details.work = valueOf<QString>(path, top, QStringLiteral("work"));
    file.details.place = valueOf<QString>(path, top, QStringLiteral("place"));
    file.saved = QDateTime::fromString(valueOf<QString>(path, top, QStringLiteral("saved")),
                                       Qt::ISODate);
    if (!file.saved.isValid())
        refuse(path, tr("\"saved\" is not a date and time"));
    file.texts = readGroup<QString>(path, top, QStringLiteral("texts"), layout.texts);
    if (!layout.ticks.isEmpty())
        file.ticks = readGroup<bool>(path, top, QStringLiteral("ticks"), layout.ticks);
    if (!layout.open.isEmpty())
        file.open = readGroup<bool>(path, top, QStringLiteral("open"), layout.open);
    for (const FilePart &part : parts) {
        file.read.insert(part.key, part.read(path, top.value(part.key), file));
        file.parts.insert(part.key, top.value(part.key));
    }
    return file;
}

QByteArray workFileBytes(const WorkFile &file)
{
    QJsonObject top{
        {QStringLiteral("version"), file.version},
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
    for (auto it = file.parts.begin(); it != file.parts.end(); ++it)
        top.insert(it.key(), it.value());
    return QJsonDocument(top).toJson();
}

void writeWorkFile(const QString &path, const WorkFile &file)
{
    const QByteArray bytes = workFileBytes(file);
    const QString failure = saveWhole(path, bytes);
    if (!failure.isEmpty())
        throw WorkFileError(
            tr("\"%1\" could not be saved (%2); any earlier file of that name is as it was.")
                .arg(shownPath(path), failure));
}

} // namespace ratebook::documents
