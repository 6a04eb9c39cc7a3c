// SPDX-FileCopyrightText: 2026 ratebook developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Every file the program writes, work files, PDFs and workbooks alike, is written whole
// or not at all. Qt Core only.
#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

class QIODevice;

namespace ratebook::documents {

// `write` fills the file; a failed open, a write cut short (a full disk) or a failed
// commit leaves any earlier file of that name as it was. Returns why it failed, or an
// empty text.
QString saveWhole(const QString &path, const std::function<bool(QIODevice &)> &write);
QString saveWhole(const QString &path, const QByteArray &bytes);

} // namespace ratebook::documents
