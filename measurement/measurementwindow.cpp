// SPDX-FileCopyrightText: 2026 ratebook developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "measurement/measurementwindow.h"

#include "measurement/measurementmodel.h"
#include "kit/dialogs.h"
#include "kit/reportlist.h"
#include "kit/uikit.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QStyledItemDelegate>
#include <QTreeView>
#include <QVBoxLayout>

using namespace ratebook;

namespace {

using Model = MeasurementModel;

const double ColumnTwips[Model::ColumnCount] = {700, 4200, 800, 1000, 1000, 1300, 1200, 700};

// Each keystroke in a factor shows at once in the line's quantity and the totals below; a
// cell left with a text that is not a figure is refused, and has what it had before.
class Cells : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &,
                          const QModelIndex &index) const override
    {
        auto *editor = new QLineEdit(parent);
        editor->setProperty("original", index.data(Qt::EditRole));
        if (index.column() != Model::ParticularsColumn) {
            editor->setAlignment(Qt::AlignRight);
            connect(editor, &QLineEdit::textEdited, editor,
                    [cell = QPersistentModelIndex(index)](const QString &typed) {
                        const_cast<QAbstractItemModel *>(cell.model())
                            ->setData(cell, typed, Model::PreviewRole);
                    });
        }
        return editor;
    }
    void setModelData(QWidget *editor, QAbstractItemModel *model,
                      const QModelIndex &index) const override
    {
        editor->setProperty("committed", true);
        if (!model->setData(index, static_cast<QLineEdit *>(editor)->text()))
            model->setData(index, editor->property("original"), Model::PreviewRole);
    }
    // Enter takes the cell at once, not once the event loop comes round: keys typed after it
    // belong to the next cell, however fast they come.
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        const auto *key = event->type() == QEvent::KeyPress ? static_cast<QKeyEvent *>(event)
                                                            : nullptr;
        if (!key || (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter))
            return QStyledItemDelegate::eventFilter(watched, event);
        auto *editor = static_cast<QWidget *>(watched);
        emit commitData(editor);
        emit closeEditor(editor, SubmitModelCache);
        return true;
    }
    void destroyEditor(QWidget *editor, const QModelIndex &index) const override
    {
        // Escape, or the editor closed unasked: what it showed goes back to what was there.
        if (!editor->property("committed").toBool() && index.isValid())
            const_cast<QAbstractItemModel *>(index.model())
                ->setData(index, editor->property("original"), Model::PreviewRole);
        QStyledItemDelegate::destroyEditor(editor, index);
    }
};

// Enter goes on to the next cell of the line, and from its last to a new line below.
class Sheet : public QTreeView
{
public:
    explicit Sheet(QWidget *parent) : QTreeView(parent) {}

    void advance()
    {
        auto *model = static_cast<Model *>(this->model());
        const QModelIndex at = currentIndex();
        if (!at.isValid())
            return;
        if (model->rowKind(at.row()) != Model::RowKind::Line) {
            setCurrentIndex(model->index(std::min(at.row() + 1, model->rowCount() - 1),
                                         Model::ParticularsColumn));
            return;
        }
        if (at.column() < Model::DepthColumn)
            setCurrentIndex(
                at.siblingAtColumn(std::max(at.column() + 1, int(Model::ParticularsColumn))));
        else
            setCurrentIndex(model->insertLine(at));
    }

protected:
    void keyPressEvent(QKeyEvent *event) override
    {
        if (state() != EditingState
            && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)) {
            advance();
            return;
        }
        QTreeView::keyPressEvent(event);
    }
    void closeEditor(QWidget *editor, QAbstractItemDelegate::EndEditHint hint) override
    {
        QTreeView::closeEditor(editor, hint);
        if (hint == QAbstractItemDelegate::SubmitModelCache)
            advance();
    }
};

} // namespace

MeasurementWindow::MeasurementWindow(QWidget *estimate, MeasurementModel *model,
                                     const documents::Document &estimateDocument)
    : QWidget(estimate, Qt::Window)
    , m_model(model)
{
    setObjectName(QStringLiteral("DetailsOfMeasurement"));
    setWindowTitle(QStringLiteral("Details of Measurement"));
    setFont(kit::sansFont(8.25));

    auto *sheet = new Sheet(this);
    m_view = sheet;
    m_view->setObjectName(QStringLiteral("ListView1"));
    m_view->setFont(kit::sansFont(9.75));
    m_view->setRootIsDecorated(false);
    m_view->setItemsExpandable(false);
    m_view->setUniformRowHeights(true);
    m_view->setAllColumnsShowFocus(false);
    m_view->setSelectionBehavior(QAbstractItemView::SelectItems);
    m_view->setSelectionMode(QAbstractItemView::SingleSelection);
    m_view->setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::EditKeyPressed
                            | QAbstractItemView::DoubleClicked);
    m_view->setItemDelegate(new Cells(m_view));
    m_view->setModel(model);
    m_view->setAccessibleName(windowTitle());
    for (int column = 0; column < Model::ColumnCount; ++column)
        m_view->setColumnWidth(column, kit::pixels(ColumnTwips[column]));
    m_view->header()->setStretchLastSection(true);
    connect(model, &Model::refused, this,
            [this](const QString &message) { kit::showMessage(this, message); });

    kit::offerCopy(m_view);
    kit::addSeparator(m_view);
    kit::addCommand(m_view, tr("Measure Item…"), QKeySequence(Qt::CTRL | Qt::Key_M),
                    [this] { askItem(); });
    kit::addCommand(m_view, tr("Insert Line"), QKeySequence(Qt::Key_Insert),
                    [this] { goTo(m_model->insertLine(m_view->currentIndex())); });
    kit::addCommand(m_view, tr("Remove Line"), QKeySequence::Delete,
                    [this] { goTo(m_model->removeLine(m_view->currentIndex())); });
    kit::addCommand(m_view, tr("Deduct"), QKeySequence(Qt::CTRL | Qt::Key_D),
                    [this] { goTo(m_model->toggleDeduct(m_view->currentIndex())); });
    documents::Document::partOf(
        estimateDocument, m_view,
        {.statement = [this] { return statement(); },
         .workbook = [this](const documents::Statement &s) { return workbook(s); }});

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_view);
    resize(kit::pixels(12600), kit::pixels(6600));
}

void MeasurementWindow::measure(const QString &key)
{
    goTo(m_model->measure(key));
}

void MeasurementWindow::goTo(const QModelIndex &index)
{
    if (!index.isValid())
        return;
    m_view->setCurrentIndex(index);
    m_view->scrollTo(index);
}

// Any item of the estimate, by its number and description.
void MeasurementWindow::askItem()
{
    QStringList choices;
    for (const MeasurableItem &item : m_model->items())
        choices << item.key + QStringLiteral("  ") + item.description;
    kit::Form form{QStringLiteral("measureItem"), tr("Measure Item"),
                   {{tr("&Item:"), choices.value(0), choices, true}}};
    if (!kit::dialogs().askForm(this, form))
        return;
    const qsizetype chosen = choices.indexOf(form.fields[0].value);
    if (chosen >= 0)
        measure(m_model->items()[chosen].key);
}
