// SPDX-FileCopyrightText: 2026 ratebook developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "documents/modules.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>

#include <stdexcept>

namespace ratebook::documents {

QFunctionPointer resolveModuleEntry(const char *module, const char *symbol)
{
    const QDir programDir(QCoreApplication::applicationDirPath());
    const QStringList places{programDir.path(),
                             programDir.filePath(QStringLiteral(RATEBOOK_MODULE_DIR))};
    QString why;
    for (const QString &place : places) {
        QLibrary library(QDir(place).filePath(QString::fromLatin1(module)));
        if (!library.load()) {
            why = library.errorString();
            continue;
        }
        // Loaded once, kept for the life of the program.
        if (const QFunctionPointer entry = library.resolve(symbol))
            return entry;
        why = library.errorString();
    }
    throw std::runtime_error(QStringLiteral("%1 could not be loaded (%2)")
                                 .arg(QLatin1String(module), why)
                                 .toStdString());
}

} // namespace ratebook::documents
