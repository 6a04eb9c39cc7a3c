// SPDX-FileCopyrightText: 2026 ratebook developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The details of measurement as rows: under each item measured, its lines, the gross and
// the deductions where there are any, and the net. A change touches only its line and its
// item's totals, so the sheet of thousands of lines follows every keystroke.
#pragma once

#include "measurement/measurements.h"

#include <QAbstractTableModel>
#include <QJsonArray>
#include <QMap>

#include <any>

// An item the sheet may measure, as the estimate names it: one of the twelve by its number,
// or one of the estimator's own by its No.
struct MeasurableItem
{
    QString key;
    QString description;
    QString unit;
};

class MeasurementModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column { NoColumn, ParticularsColumn, NosColumn, LengthColumn, BreadthColumn, DepthColumn,
                  QuantityColumn, UnitColumn, ColumnCount };
    enum class RowKind { Item, Line, Gross, Deductions, Net };

    explicit MeasurementModel(QObject *parent = nullptr);

    // In the estimate's order, which the sheet follows.
    void setItems(const QList<MeasurableItem> &items);
    const QList<MeasurableItem> &items() const { return m_items; }
    // What the extractor's box holds for each of the twelve, by number: the net row says so
    // while the two differ.
    void setHeld(const QMap<QString, QString> &held);

    // The net of the item's lines, while any line gives a quantity.
    std::optional<ratebook::Hundredths> measured(const QString &key) const;
    bool hasLines(const QString &key) const;
    bool isEmpty() const { return m_measured.empty(); }

    RowKind rowKind(int row) const;
    QString keyOf(int row) const;
    // "line 2 of 6 Brick Masonary With CM (1:5) mix"
    QString lineName(int row) const;

    // Each returns where the user goes on: the line's particulars, or nothing.
    QModelIndex measure(const QString &key); // an item with no line gets a first one
    QModelIndex insertLine(const QModelIndex &at);
    QModelIndex removeLine(const QModelIndex &at);
    QModelIndex toggleDeduct(const QModelIndex &at);
    void removeItem(const QString &key);
    void renameItem(const QString &from, const QString &to);

    // The estimate file's part: an item and its lines, each line as typed.
    const std::vector<ratebook::MeasuredItem> &measuredItems() const { return m_measured; }
    static QJsonArray part(const std::vector<ratebook::MeasuredItem> &measured);
    // The part checked against the items the file holds; hands back what it read, which
    // load() takes. Throws through documents::refuse.
    static std::any read(const QString &path, const QJsonValue &value, const QStringList &keys);
    void load(const std::any &read);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    // A line's particulars or a factor as typed; a factor that is no figure is refused,
    // naming the item, the line and the column, and the cell keeps what it had. Set with
    // PreviewRole, as a factor is typed, a text that does not read is passed over unsaid.
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;
    static constexpr int PreviewRole = Qt::UserRole;

signals:
    // The item's net changed, or it no longer has one.
    void measuredChanged(const QString &key);
    void refused(const QString &message);

private:
    struct Row
    {
        int item; // in m_measured
        RowKind kind;
        int line = -1;
    };

    int itemOf(const QString &key) const;
    int orderOf(const QString &key) const;
    const MeasurableItem *infoOf(const QString &key) const;
    QString mark(const ratebook::MeasuredItem &item) const;
    QStringList cells(const Row &row) const;
    // The rows of item `item` laid out again after its lines changed: rows added or taken away
    // at its end, the rest said changed.
    void relayItem(int item, const std::function<void()> &change);
    void layOut();
    QModelIndex lineIndex(int item, std::size_t line, int column = ParticularsColumn) const;

    QList<MeasurableItem> m_items;
    QMap<QString, QString> m_held;
    std::vector<ratebook::MeasuredItem> m_measured; // in the estimate's order
    std::vector<Row> m_rows;
    std::vector<int> m_firstRow; // of each item
};
