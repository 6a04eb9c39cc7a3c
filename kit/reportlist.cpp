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

namespace {

// As tab-separated lines for a spreadsheet and as an HTML table for a word processor.
QMimeData *chosenRowsAsMimeData(const QTreeView *table)
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
    add(headerTexts(table), QStringLiteral("th"));
    for (const QStringList &row : rowTexts(table, true))
        add(row, QStringLiteral("td"));
    auto *data = new QMimeData;
    data->setText(text);
    data->setHtml(html + QStringLiteral("</table>"));
    return data;
}

} // namespace

QAction *addCommand(QAbstractItemView *table, const QString &text, const QKeySequence &shortcut,
                    std::function<void()> run)
{
    auto *action = new QAction(text, table);
    action->setShortcut(shortcut);
    action->setShortcutContext(Qt::WidgetShortcut);
    QObject::connect(action, &QAction::triggered, table, std::move(run));
    table->addAction(action);
    return action;
}

void addSeparator(QAbstractItemView *table)
{
    auto *line = new QAction(table);
    line->setSeparator(true);
    table->addAction(line);
}

void offerCopy(QTreeView *table)
{
    table->setContextMenuPolicy(Qt::ActionsContextMenu);
    addCommand(table, QObject::tr("Copy"), QKeySequence::Copy,
               [table] { QGuiApplication::clipboard()->setMimeData(chosenRowsAsMimeData(table)); });
}

QStringList headerTexts(const QTreeView *table)
{
    QStringList cells;
    for (int column = 0; column < table->model()->columnCount(); ++column)
        cells << table->model()->headerData(column, Qt::Horizontal).toString();
    return cells;
}

QList<QStringList> rowTexts(const QTreeView *table, bool chosenOnly)
{
    const QAbstractItemModel *model = table->model();
    const QItemSelectionModel *selection = table->selectionModel();
    const bool chosen = chosenOnly && selection && selection->hasSelection();
    QList<QStringList> rows;
    for (int row = 0; row < model->rowCount(); ++row) {
        if (chosen && !selection->isRowSelected(row, {}))
            continue;
        QStringList cells;
        for (int column = 0; column < model->columnCount(); ++column)
            cells << model->index(row, column).data().toString();
        rows << cells;
    }
    return rows;
}

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
    offerCopy(this);
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
    QStringList texts;
    for (const std::string &cell : cells)
        texts << QString::fromStdString(cell);
    appendRow(texts);
}

void ReportList::appendRow(const QStringList &cells)
{
    auto *item = new QTreeWidgetItem;
    for (int column = 0; column < int(cells.size()); ++column) {
        item->setText(column, cells[column]);
        item->setTextAlignment(column, Qt::Alignment(headerItem()->textAlignment(column)));
    }
    addTopLevelItem(item);
}

} // namespace ratebook::kit
