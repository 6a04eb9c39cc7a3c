// SPDX-FileCopyrightText: 2026 ratebook developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The details of measurement in an estimate file: each item measured and its lines, every
// line as typed, checked whole on the way in, its quantities worked out once.
#include "measurement/measurementmodel.h"

#include "documents/workfile.h"

#include <QJsonObject>

#include <algorithm>

using namespace ratebook;

namespace {

QString text(const std::string &s) { return QString::fromStdString(s); }

// How a line is kept in a file, its factors in the order of Factor.
const QString ItemKey = QStringLiteral("item");
const QString LinesKey = QStringLiteral("lines");
const QStringList LineKeys{QStringLiteral("particulars"), QStringLiteral("nos"),
                           QStringLiteral("length"),      QStringLiteral("breadth"),
                           QStringLiteral("depth"),       QStringLiteral("deduct")};

} // namespace

QJsonArray MeasurementModel::part(const std::vector<MeasuredItem> &measured)
{
    QJsonArray items;
    for (const MeasuredItem &item : measured) {
        QJsonArray lines;
        for (const MeasurementLine &line : item.lines()) {
            QJsonObject kept{{LineKeys[0], text(line.particulars)}, {LineKeys[5], line.deduct}};
            for (std::size_t f = 0; f < FactorCount; ++f)
                kept.insert(LineKeys[qsizetype(f) + 1], text(line.factors[f]));
            lines << kept;
        }
        items << QJsonObject{{ItemKey, text(item.key())}, {LinesKey, lines}};
    }
    return items;
}

std::any MeasurementModel::read(const QString &path, const QJsonValue &value,
                                const QStringList &keys)
{
    const QString part = QStringLiteral("measurements");
    if (!value.isArray())
        documents::refuse(path, tr("\"%1\" is not a list").arg(part));
    std::vector<MeasuredItem> read;
    for (const QJsonValue &group : value.toArray()) {
        const QJsonObject object = documents::checkedObject(path, group, part, {ItemKey, LinesKey});
        const QString key = documents::checkedText(path, object, ItemKey, part);
        if (!keys.contains(key))
            documents::refuse(
                path, tr("it measures item \"%1\", which the estimate does not hold").arg(key));
        if (std::ranges::find(read, key.toStdString(), &MeasuredItem::key) != read.end())
            documents::refuse(path, tr("it measures item \"%1\" twice").arg(key));
        if (!object.value(LinesKey).isArray() || object.value(LinesKey).toArray().isEmpty())
            documents::refuse(
                path, tr("the measurements of item \"%1\" are not a list of lines").arg(key));
        MeasuredItem item(key.toStdString());
        for (const QJsonValue &kept : object.value(LinesKey).toArray()) {
            const QJsonObject line = documents::checkedObject(path, kept, part, LineKeys);
            if (!line.value(LineKeys[5]).isBool())
                documents::refuse(path,
                                  tr("a line of item \"%1\" is not marked deduct or not").arg(key));
            MeasurementLine taken{
                documents::checkedText(path, line, LineKeys[0], part).toStdString(),
                {},
                line.value(LineKeys[5]).toBool()};
            for (std::size_t f = 0; f < FactorCount; ++f)
                taken.factors[f] = documents::checkedText(path, line, LineKeys[qsizetype(f) + 1],
                                                          part)
                                       .toStdString();
            try {
                item.append(std::move(taken));
            } catch (const ComputeError &) {
                documents::refuse(
                    path, tr("a line of item \"%1\" has a factor that is not a figure of three "
                             "decimals, or a quantity too large")
                              .arg(key));
            }
        }
        read.push_back(std::move(item));
    }
    return read;
}

void MeasurementModel::load(const std::any &read)
{
    beginResetModel();
    m_measured = std::any_cast<const std::vector<MeasuredItem> &>(read);
    std::ranges::stable_sort(
        m_measured, {}, [this](const MeasuredItem &item) { return orderOf(text(item.key())); });
    layOut();
    endResetModel();
}

