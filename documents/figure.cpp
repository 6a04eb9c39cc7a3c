// SPDX-FileCopyrightText: 2026 ratebook developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "documents/figure.h"

#include "common/numbertext.h"

#include <QRegularExpression>

namespace ratebook::documents {

std::optional<Figure> readFigure(const QString &shown)
{
    static const QRegularExpression split(QStringLiteral(R"(^\s*(.*?)\s*(?:\(([^()]*)\))?\s*$)"));
    const QRegularExpressionMatch parts = split.match(shown);
    if (!parts.hasMatch() || parts.captured(1).isEmpty())
        return std::nullopt;
    try {
        return Figure{toNumber(parts.captured(1).toStdString()), parts.captured(2).trimmed()};
    } catch (const ComputeError &) {
        return std::nullopt;
    }
}

} // namespace ratebook::documents
