// SPDX-FileCopyrightText: 2026 ratebook developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "measurement/measurementmodel.h"

#include "documents/workfile.h"

#include <QColor>
#include <QCoreApplication>
#include <QFont>
#include <QJsonObject>

#include <algorithm>

using namespace ratebook;

namespace {

QString tr(const char *text) { return QCoreApplication::translate("Measurement", text); }

QString text(const std::string &s) { return QString::fromStdString(s); }
QString quantityText(Hundredths q) { return text(fixedText(q, 2)); }

const char *const Headers[MeasurementModel::ColumnCount] = {
    "No.", "Particulars", "Nos", "Length", "Breadth", "Depth/Height", "Quantity", "Unit"};

bool isFactorColumn(int column)
{
    return column >= MeasurementModel::NosColumn && column <= MeasurementModel::DepthColumn;
}

Factor factorOf(int column) { return Factor(column - MeasurementModel::NosColumn); }

const MeasurableItem *findItem(const QList<MeasurableItem> &items, const QString &key)
{
    const auto found = std::ranges::find(items, key, &MeasurableItem::key);
    return found == items.end() ? nullptr : &*found;
}

int rowsOf(const MeasuredItem &item)
{
    const std::size_t deducted = item.lines().size() - item.deductionsFrom();
    return int(item.lines().size() + (deducted > 0 ? 2 : 0)) + 2;
}

QString refusalOf(const BadFactor &failure, const QString &column, const QString &line,
                  const QString &typed)
{
    if (failure.why() == BadFigure::TooManyDecimals)
        return tr("The %1 typed on %2, \"%3\", has more than three decimals.")
            .arg(column, line, typed);
    return tr("The %1 typed on %2, \"%3\", is not a number.").arg(column, line, typed);
}

} // namespace

MeasurementModel::MeasurementModel(QObject *parent) : QAbstractTableModel(parent) {}

void MeasurementModel::setItems(const QList<MeasurableItem> &items)
{
    const QList<MeasurableItem> before = std::exchange(m_items, items);
    std::vector<MeasuredItem> sorted = m_measured;
    std::ranges::stable_sort(
        sorted, {}, [this](const MeasuredItem &item) { return orderOf(text(item.key())); });
    const bool reordered = !std::ranges::equal(sorted, m_measured, {}, &MeasuredItem::key,
                                               &MeasuredItem::key);
    if (reordered) {
        beginResetModel();
        m_measured = std::move(sorted);
        layOut();
        endResetModel();
        return;
    }
    // Only an item's own row and its net show what the estimate says of it: a sheet of
    // thousands of lines is not gone over again for every item changed in the abstract.
    const auto described = [](const MeasurableItem *info) {
        return info ? std::pair(info->description, info->unit) : std::pair<QString, QString>();
    };
    for (std::size_t item = 0; item < m_measured.size(); ++item) {
        const QString key = text(m_measured[item].key());
        if (described(findItem(before, key)) == described(infoOf(key)))
            continue;
        const int first = m_firstRow[item];
        const int net = first + rowsOf(m_measured[item]) - 1;
        emit dataChanged(index(first, 0), index(first, ColumnCount - 1));
        emit dataChanged(index(net, UnitColumn), index(net, UnitColumn));
    }
}

void MeasurementModel::setHeld(const QMap<QString, QString> &held)
{
    const QMap<QString, QString> before = std::exchange(m_held, held);
    for (std::size_t item = 0; item < m_measured.size(); ++item) {
        const QString key = text(m_measured[item].key());
        if (before.value(key) != held.value(key)) {
            const int net = m_firstRow[item] + rowsOf(m_measured[item]) - 1;
            emit dataChanged(index(net, 0), index(net, ColumnCount - 1));
        }
    }
}

std::optional<Hundredths> MeasurementModel::measured(const QString &key) const
{
    const int item = itemOf(key);
    if (item < 0 || !m_measured[std::size_t(item)].measured())
        return std::nullopt;
    return m_measured[std::size_t(item)].net();
}

bool MeasurementModel::hasLines(const QString &key) const
{
    return itemOf(key) >= 0;
}

int MeasurementModel::itemOf(const QString &key) const
{
    const std::string k = key.toStdString();
    const auto found = std::ranges::find(m_measured, k, &MeasuredItem::key);
    return found == m_measured.end() ? -1 : int(found - m_measured.begin());
}

// Items the estimate no longer names go last.
int MeasurementModel::orderOf(const QString &key) const
{
    const auto found = std::ranges::find(m_items, key, &MeasurableItem::key);
    return int(found - m_items.begin());
}

const MeasurableItem *MeasurementModel::infoOf(const QString &key) const
{
    return findItem(m_items, key);
}

MeasurementModel::RowKind MeasurementModel::rowKind(int row) const
{
    return m_rows.at(std::size_t(row)).kind;
}

QString MeasurementModel::keyOf(int row) const
{
    return text(m_measured[std::size_t(m_rows.at(std::size_t(row)).item)].key());
}

QString MeasurementModel::lineName(int row) const
{
    const Row &r = m_rows.at(std::size_t(row));
    const QString key = keyOf(row);
    const MeasurableItem *info = infoOf(key);
    const QString item = info ? key + QLatin1Char(' ') + info->description : key;
    return tr("line %1 of %2").arg(r.line + 1).arg(item);
}

// "the extractor holds X; measured Y" while the box of one of the twelve says otherwise.
QString MeasurementModel::mark(const MeasuredItem &item) const
{
    const QString key = text(item.key());
    if (!item.measured() || !m_held.contains(key))
        return {};
    const QString held = m_held.value(key);
    try {
        if (shownUnits(toNumber(held.toStdString()), 3) == inThousandths(item.net()))
            return {};
    } catch (const ComputeError &) {
    }
    return tr("the extractor holds %1; measured %2").arg(held.trimmed(), quantityText(item.net()));
}

void MeasurementModel::layOut()
{
    m_rows.clear();
    m_firstRow.clear();
    for (std::size_t i = 0; i < m_measured.size(); ++i) {
        const MeasuredItem &item = m_measured[i];
        const int n = int(i);
        m_firstRow.push_back(int(m_rows.size()));
        m_rows.push_back({n, RowKind::Item});
        for (std::size_t line = 0; line < item.lines().size(); ++line) {
            if (line == item.deductionsFrom())
                m_rows.push_back({n, RowKind::Gross});
            m_rows.push_back({n, RowKind::Line, int(line)});
        }
        if (item.deductionsFrom() < item.lines().size())
            m_rows.push_back({n, RowKind::Deductions});
        m_rows.push_back({n, RowKind::Net});
    }
}

void MeasurementModel::relayItem(int item, const std::function<void()> &change)
{
    const int first = m_firstRow[std::size_t(item)];
    const int before = rowsOf(m_measured[std::size_t(item)]);
    change();
    const int after = rowsOf(m_measured[std::size_t(item)]);
    if (after > before) {
        beginInsertRows({}, first + before, first + after - 1);
        layOut();
        endInsertRows();
    } else if (after < before) {
        beginRemoveRows({}, first + after, first + before - 1);
        layOut();
        endRemoveRows();
    }
    emit dataChanged(index(first, 0), index(first + std::min(before, after) - 1, ColumnCount - 1));
}

QModelIndex MeasurementModel::lineIndex(int item, std::size_t line, int column) const
{
    const MeasuredItem &m = m_measured[std::size_t(item)];
    const bool deducted = line >= m.deductionsFrom();
    return index(m_firstRow[std::size_t(item)] + 1 + int(line) + (deducted ? 1 : 0), column);
}

QModelIndex MeasurementModel::measure(const QString &key)
{
    int item = itemOf(key);
    if (item < 0) {
        const int order = orderOf(key);
        const auto at = std::ranges::find_if(
            m_measured, [&](const MeasuredItem &m) { return orderOf(text(m.key())) > order; });
        item = int(at - m_measured.begin());
        const int first = at == m_measured.end() ? rowCount() : m_firstRow[std::size_t(item)];
        MeasuredItem added(key.toStdString());
        added.insertLine(0, false);
        beginInsertRows({}, first, first + rowsOf(added) - 1);
        m_measured.insert(at, std::move(added));
        layOut();
        endInsertRows();
    }
    return lineIndex(item, 0);
}

QModelIndex MeasurementModel::insertLine(const QModelIndex &at)
{
    if (!at.isValid())
        return {};
    const Row r = m_rows.at(std::size_t(at.row()));
    MeasuredItem &item = m_measured[std::size_t(r.item)];
    // After the line chosen, in its part; from a total or the item's row, last of the measured.
    const bool deduct = r.kind == RowKind::Line ? item.lines()[std::size_t(r.line)].deduct
                                                : r.kind == RowKind::Deductions;
    const std::size_t place = r.kind == RowKind::Line
                                  ? std::size_t(r.line) + 1
                                  : (deduct ? item.lines().size() : item.deductionsFrom());
    std::size_t added = 0;
    relayItem(r.item, [&] { added = item.insertLine(place, deduct); });
    return lineIndex(r.item, added);
}

QModelIndex MeasurementModel::removeLine(const QModelIndex &at)
{
    if (!at.isValid() || rowKind(at.row()) != RowKind::Line)
        return at;
    const Row r = m_rows.at(std::size_t(at.row()));
    MeasuredItem &item = m_measured[std::size_t(r.item)];
    if (item.lines().size() == 1) {
        // The item's last line: the item is no longer measured.
        const QString key = text(item.key());
        removeItem(key);
        return index(std::min(at.row(), rowCount() - 1), at.column());
    }
    const bool wasMeasured = item.measured();
    const Hundredths net = item.net();
    relayItem(r.item, [&] { item.removeLine(std::size_t(r.line)); });
    if (item.measured() != wasMeasured || item.net() != net)
        emit measuredChanged(text(item.key()));
    return lineIndex(r.item, std::min(std::size_t(r.line), item.lines().size() - 1), at.column());
}

QModelIndex MeasurementModel::toggleDeduct(const QModelIndex &at)
{
    if (!at.isValid() || rowKind(at.row()) != RowKind::Line)
        return at;
    const Row r = m_rows.at(std::size_t(at.row()));
    MeasuredItem &item = m_measured[std::size_t(r.item)];
    const Hundredths net = item.net();
    std::size_t moved = 0;
    try {
        relayItem(r.item, [&] { moved = item.toggleDeduct(std::size_t(r.line)); });
    } catch (const TooLarge &) {
        emit refused(tr("The totals of %1 would be too large.").arg(lineName(at.row())));
        return at;
    }
    if (item.net() != net)
        emit measuredChanged(text(item.key()));
    return lineIndex(r.item, moved, at.column());
}

void MeasurementModel::removeItem(const QString &key)
{
    const int item = itemOf(key);
    if (item < 0)
        return;
    const int first = m_firstRow[std::size_t(item)];
    beginRemoveRows({}, first, first + rowsOf(m_measured[std::size_t(item)]) - 1);
    m_measured.erase(m_measured.begin() + item);
    layOut();
    endRemoveRows();
    emit measuredChanged(key);
}

void MeasurementModel::renameItem(const QString &from, const QString &to)
{
    const int item = itemOf(from);
    if (item < 0)
        return;
    m_measured[std::size_t(item)].setKey(to.toStdString());
    const int first = m_firstRow[std::size_t(item)];
    emit dataChanged(index(first, 0), index(first, ColumnCount - 1));
}

int MeasurementModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int MeasurementModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QStringList MeasurementModel::cells(const Row &row) const
{
    const MeasuredItem &item = m_measured[std::size_t(row.item)];
    const QString key = text(item.key());
    const MeasurableItem *info = infoOf(key);
    QStringList cells(ColumnCount);
    switch (row.kind) {
    case RowKind::Item:
        cells[NoColumn] = key;
        cells[ParticularsColumn] = info ? info->description : QString();
        cells[UnitColumn] = info ? info->unit : QString();
        break;
    case RowKind::Line: {
        const MeasurementLine &line = item.lines().at(std::size_t(row.line));
        cells[ParticularsColumn] = line.deduct ? tr("Deduct: %1").arg(text(line.particulars))
                                               : text(line.particulars);
        for (std::size_t f = 0; f < FactorCount; ++f)
            cells[NosColumn + int(f)] = text(line.factors[f]);
        if (line.quantity)
            cells[QuantityColumn] = quantityText(*line.quantity);
        break;
    }
    case RowKind::Gross:
        cells[ParticularsColumn] = tr("Gross");
        cells[QuantityColumn] = quantityText(item.gross());
        break;
    case RowKind::Deductions:
        cells[ParticularsColumn] = tr("Deductions");
        cells[QuantityColumn] = quantityText(item.deductions());
        break;
    case RowKind::Net: {
        const QString marked = mark(item);
        cells[ParticularsColumn] = marked.isEmpty() ? tr("Net") : tr("Net (%1)").arg(marked);
        cells[QuantityColumn] = item.measured() ? quantityText(item.net()) : QString();
        cells[UnitColumn] = info ? info->unit : QString();
        break;
    }
    }
    return cells;
}

QVariant MeasurementModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || std::size_t(index.row()) >= m_rows.size())
        return {};
    const Row &row = m_rows[std::size_t(index.row())];
    switch (role) {
    case Qt::DisplayRole:
        return cells(row).value(index.column());
    case Qt::EditRole: {
        if (row.kind != RowKind::Line)
            return {};
        const MeasurementLine &line = m_measured[std::size_t(row.item)].lines().at(
            std::size_t(row.line));
        if (index.column() == ParticularsColumn)
            return text(line.particulars);
        return isFactorColumn(index.column()) ? text(line.factors[factorOf(index.column())])
                                              : QVariant();
    }
    case Qt::FontRole: {
        QFont bold;
        bold.setBold(true);
        return row.kind == RowKind::Line ? QVariant() : QVariant(bold);
    }
    case Qt::TextAlignmentRole: {
        const bool figure = isFactorColumn(index.column()) || index.column() == QuantityColumn;
        return int((figure ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
    }
    case Qt::ForegroundRole:
        if (row.kind == RowKind::Net && !mark(m_measured[std::size_t(row.item)]).isEmpty())
            return QColor(160, 0, 0);
        return {};
    default:
        return {};
    }
}

QVariant MeasurementModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= ColumnCount)
        return {};
    if (role == Qt::DisplayRole)
        return QString::fromLatin1(Headers[section]);
    if (role == Qt::TextAlignmentRole)
        return int(
            (isFactorColumn(section) || section == QuantityColumn ? Qt::AlignRight : Qt::AlignLeft)
            | Qt::AlignVCenter);
    return {};
}

Qt::ItemFlags MeasurementModel::flags(const QModelIndex &index) const
{
    Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    const bool typed = index.column() == ParticularsColumn || isFactorColumn(index.column());
    if (index.isValid() && typed && rowKind(index.row()) == RowKind::Line)
        flags |= Qt::ItemIsEditable;
    return flags;
}

bool MeasurementModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if ((role != Qt::EditRole && role != PreviewRole) || !(flags(index) & Qt::ItemIsEditable))
        return false;
    const Row &row = m_rows[std::size_t(index.row())];
    MeasuredItem &item = m_measured[std::size_t(row.item)];
    const QString typed = value.toString();
    if (index.column() == ParticularsColumn) {
        item.setParticulars(std::size_t(row.line), typed.toStdString());
        emit dataChanged(index, index);
        return true;
    }
    const bool wasMeasured = item.measured();
    const Hundredths net = item.net();
    try {
        item.setFactor(std::size_t(row.line), factorOf(index.column()), typed.toStdString());
    } catch (const BadFactor &e) {
        const QString column = QString::fromLatin1(Headers[index.column()]).toLower();
        if (role == Qt::EditRole)
            emit refused(refusalOf(e, column, lineName(index.row()), typed));
        return false;
    } catch (const TooLarge &) {
        if (role == Qt::EditRole)
            emit refused(tr("The quantity of %1 would be too large.").arg(lineName(index.row())));
        return false;
    }
    const int first = m_firstRow[std::size_t(row.item)];
    const int last = first + rowsOf(item) - 1;
    emit dataChanged(this->index(index.row(), 0), this->index(index.row(), ColumnCount - 1));
    if (item.deductionsFrom() < item.lines().size()) {
        for (const int total : {first + 1 + int(item.deductionsFrom()), last - 1})
            emit dataChanged(this->index(total, QuantityColumn),
                             this->index(total, QuantityColumn));
    }
    emit dataChanged(this->index(last, 0), this->index(last, ColumnCount - 1));
    if (item.measured() != wasMeasured || item.net() != net)
        emit measuredChanged(text(item.key()));
    return true;
}
