// SPDX-FileCopyrightText: 2026 ratebook developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "kit/reportlist.h"

#include "kit/uikit.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QHeaderView>
#include <QMimeData>

namespace ratebook::kit {

ReportList::ReportList(QWidget *parent, const char *name, const QFont &font) : QTreeWidget(parent)
{
    setObjectName(QString::fromLatin1(name));
    setFont(font);
    header()->setFont(font);
    setRootIsDecorated(false);
    setUniformRowHeights(true);
    setItemsExpandable(false);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    header()->setStretchLastSection(false);
    header()->setSectionsMovable(false);
    setColumnCount(0);
    // Several rows can be chosen for copying out.
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setContextMenuPolicy(Qt::ActionsContextMenu);
    addCommand(tr("Copy"), QKeySequence::Copy, [this] { QGuiApplication::clipboard()->setMimeData(chosenRowsAsMimeData()); });
}

void ReportList::addColumn(const QString &header, double widthTwips, Qt::Alignment alignment)
{
    const int column = columnCount();
    setColumnCount(column + 1);
    headerItem()->setText(column, header);
    headerItem()->setTextAlignment(column, alignment | Qt::AlignVCenter);
    setColumnWidth(column, pixels(widthTwips));
}

void ReportList::appendRow(std::span<const std::string> cells)
{
    auto *item = new QTreeWidgetItem;
    for (int column = 0; column < int(cells.size()); ++column) {
        item->setText(column, QString::fromStdString(cells[std::size_t(column)]));
        item->setTextAlignment(column, Qt::Alignment(headerItem()->textAlignment(column)));
    }
    addTopLevelItem(item);
}

QAction *ReportList::addCommand(const QString &text, const QKeySequence &shortcut, std::function<void()> run)
{
    auto *action = new QAction(text, this);
    action->setShortcut(shortcut);
    action->setShortcutContext(Qt::WidgetShortcut);
    connect(action, &QAction::triggered, this, std::move(run));
    addAction(action);
    return action;
}

void ReportList::addSeparator()
{
    auto *line = new QAction(this);
    line->setSeparator(true);
    addAction(line);
}

QStringList ReportList::headerTexts() const
{
    QStringList cells;
    for (int column = 0; column < columnCount(); ++column)
        cells << headerItem()->text(column);
    return cells;
}

QList<QStringList> ReportList::rowTexts(bool chosenOnly) const
{
    const bool chosen = chosenOnly && !selectedItems().isEmpty();
    QList<QStringList> rows;
    for (int i = 0; i < topLevelItemCount(); ++i) {
        const QTreeWidgetItem *item = topLevelItem(i);
        if (chosen && !item->isSelected())
            continue;
        QStringList cells;
        for (int column = 0; column < columnCount(); ++column)
            cells << item->text(column);
        rows << cells;
    }
    return rows;
}

// As tab-separated lines for a spreadsheet and as an HTML table for a word processor.
QMimeData *ReportList::chosenRowsAsMimeData() const
{
    QString text;
    QString html = QStringLiteral("<table>");
    auto add = [&](const QStringList &cells, const QString &tag) {
        text += cells.join(QLatin1Char('\t')) + QLatin1Char('\n');
        html += QStringLiteral("<tr>");
        for (const QString &cell : cells)
            html += QStringLiteral("<%1>%2</%1>").arg(tag, cell.toHtmlEscaped());
        html += QStringLiteral("</tr>");
    };
    add(headerTexts(), QStringLiteral("th"));
    for (const QStringList &row : rowTexts(true))
        add(row, QStringLiteral("td"));
    auto *data = new QMimeData;
    data->setText(text);
    data->setHtml(html + QStringLiteral("</table>"));
    return data;
}

} // namespace ratebook::kit
