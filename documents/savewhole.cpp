// SPDX-FileCopyrightText: 2026 ratebook developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "documents/savewhole.h"

#include <QCoreApplication>
#include <QSaveFile>

namespace ratebook::documents {

QString saveWhole(const QString &path, const std::function<bool(QIODevice &)> &write)
{
    QSaveFile out(path);
    if (!out.open(QIODevice::WriteOnly))
        return out.errorString();
    // A write cut short sets no error that commit() heeds: it would put the shortened
    // file in place of the earlier one. Cancelled, the temporary file is removed.
    if (!write(out) || !out.flush() || out.error() != QFileDevice::NoError) {
        out.cancelWriting();
        return QCoreApplication::translate("WorkFile",
                                           "not all of it could be written; the disk may be full");
    }
    return out.commit() ? QString() : out.errorString();
}

QString saveWhole(const QString &path, const QByteArray &bytes)
{
    return saveWhole(path, [&bytes](QIODevice &out) { return out.write(bytes) == bytes.size(); });
}

} // namespace ratebook::documents
