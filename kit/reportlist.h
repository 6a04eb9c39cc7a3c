// SPDX-FileCopyrightText: 2026 ratebook developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A report-style list: a row's own text in column 0, its sub-items in the columns after,
// each cell aligned as its column's header. Its context menu holds the commands that work
// on the table; Ctrl+C and "Copy" put the header and the chosen rows on the clipboard.
#pragma once

#include <QKeySequence>
#include <QTreeWidget>

#include <functional>
#include <span>
#include <string>

class QMimeData;

namespace ratebook::kit {

class ReportList : public QTreeWidget
{
    Q_OBJECT

public:
    ReportList(QWidget *parent, const char *name, const QFont &font);

    void addColumn(const QString &header, double widthTwips, Qt::Alignment alignment);
    void appendRow(std::span<const std::string> cells);
    template <class Rows>
    void appendRows(const Rows &rows)
    {
        for (const auto &row : rows)
            appendRow(row);
    }

    // A context-menu command whose shortcut works only while the list has the focus, so
    // that nothing typed into a box can start it.
    QAction *addCommand(const QString &text, const QKeySequence &shortcut, std::function<void()> run);
    void addSeparator();

    QStringList headerTexts() const;
    // Each row's cells; with `chosenOnly`, the selected rows, or all when none is.
    QList<QStringList> rowTexts(bool chosenOnly = false) const;

private:
    QMimeData *chosenRowsAsMimeData() const;
};

} // namespace ratebook::kit
