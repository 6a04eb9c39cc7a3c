// SPDX-FileCopyrightText: 2026 ratebook developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A report-style list: a row's own text in column 0, its sub-items in the columns after,
// each cell aligned as its column's header. Every table of the program, a list of rows or a
// view of a model, has its commands in its context menu; Ctrl+C and "Copy" put the header
// and the chosen rows on the clipboard.
#pragma once

#include <QKeySequence>
#include <QTreeWidget>

#include <functional>
#include <span>
#include <string>

namespace ratebook::kit {

// A context-menu command whose shortcut works only while the table has the focus, so
// that nothing typed into a box can start it.
QAction *addCommand(QAbstractItemView *table, const QString &text, const QKeySequence &shortcut,
                    std::function<void()> run);
void addSeparator(QAbstractItemView *table);
// The context menu, with Copy first.
void offerCopy(QTreeView *table);

QStringList headerTexts(const QTreeView *table);
// Each row's cells as shown; with `chosenOnly`, the selected rows, or all when none is.
QList<QStringList> rowTexts(const QTreeView *table, bool chosenOnly = false);

class ReportList : public QTreeWidget
{
    Q_OBJECT

public:
    ReportList(QWidget *parent, const char *name, const QFont &font);

    void addColumn(const QString &header, double widthTwips, Qt::Alignment alignment);
    void appendRow(std::span<const std::string> cells);
    void appendRow(const QStringList &cells);
    template <class Rows>
    void appendRows(const Rows &rows)
    {
        for (const auto &row : rows)
            appendRow(row);
    }

    QAction *addCommand(const QString &text, const QKeySequence &shortcut,
                        std::function<void()> run)
    {
        return kit::addCommand(this, text, shortcut, std::move(run));
    }
    void addSeparator() { kit::addSeparator(this); }
    QStringList headerTexts() const { return kit::headerTexts(this); }
    QList<QStringList> rowTexts(bool chosenOnly = false) const
    {
        return kit::rowTexts(this, chosenOnly);
    }
};

} // namespace ratebook::kit
