// SPDX-FileCopyrightText: 2026 ratebook developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "abstract/abstractwindow.h"

#include "abstract/abstractrows.h"
#include "common/numbertext.h"
#include "kit/dialogs.h"
#include "kit/reportlist.h"
#include "kit/uikit.h"

#include <QComboBox>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QStyledItemDelegate>
#include <QTimer>
#include <QVBoxLayout>

using namespace ratebook;

namespace {

const QList<QStringList> AddOnSuggestions{
    {QStringLiteral("Contingencies"), QStringLiteral("5")},
    {QStringLiteral("Contingencies"), QStringLiteral("3")},
    {QStringLiteral("Work-charged establishment"), QStringLiteral("2")},
    {QStringLiteral("Water charges"), QStringLiteral("1")},
    {QStringLiteral("Contractor's profit and overheads"), QStringLiteral("15")},
    {QStringLiteral("GST"), QStringLiteral("18")},
};


// Whichever cell of an item's row is opened, its rate is; an add-on's row opens its dialog.
class AbstractTable : public kit::ReportList
{
public:
    AbstractTable(QWidget *parent, std::function<void(int addOn)> changeAddOn)
        : ReportList(parent, "ListView1", kit::sansFont(9.75)), m_changeAddOn(std::move(changeAddOn))
    {
        setEditTriggers(DoubleClicked | EditKeyPressed);
        // A total that names what it leaves out runs on to a second line.
        setUniformRowHeights(false);
        setWordWrap(true);
        setTextElideMode(Qt::ElideNone);
        connect(header(), &QHeaderView::sectionResized, this, [this] { doItemsLayout(); });
    }

protected:
    bool edit(const QModelIndex &index, EditTrigger trigger, QEvent *event) override
    {
        const QModelIndex first = index.siblingAtColumn(0);
        const auto kind = RowKind(first.data(KindRole).toInt());
        if (kind == RowKind::Item)
            return ReportList::edit(index.siblingAtColumn(RateColumn), trigger, event);
        const bool asked = trigger == DoubleClicked || trigger == EditKeyPressed || trigger == AllEditTriggers;
        if (kind == RowKind::AddOn && asked && index.isValid())
            QTimer::singleShot(0, this, [this, addOn = first.data(IndexRole).toInt()] { m_changeAddOn(addOn); });
        return false;
    }

private:
    std::function<void(int addOn)> m_changeAddOn;
};

// How each cell shows: sub-heads and totals in bold, figures flush right, a long
// description wrapped at its column's width; and a rate typed in its cell, which opens on
// the rate typed before, or empty with the analysed rate shown faintly, and is taken once
// the editor has closed. Said once here, so a row costs no more than its texts.
class Cells : public QStyledItemDelegate
{
public:
    Cells(QTreeView *view, std::function<void(int item, const QString &text)> typed)
        : QStyledItemDelegate(view), m_view(view), m_typed(std::move(typed))
    {
    }

    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        QStyleOptionViewItem wrapped = option;
        wrapped.rect = QRect(0, 0, m_view->header()->sectionSize(index.column()), 1); // valid, so it wraps
        return QStyledItemDelegate::sizeHint(wrapped, index);
    }
    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &, const QModelIndex &index) const override
    {
        if (index.column() != RateColumn)
            return nullptr;
        auto *editor = new QLineEdit(parent);
        editor->setPlaceholderText(index.data().toString());
        return editor;
    }
    void setEditorData(QWidget *editor, const QModelIndex &index) const override
    {
        static_cast<QLineEdit *>(editor)->setText(index.data(TypedRole).toString());
    }
    void setModelData(QWidget *editor, QAbstractItemModel *, const QModelIndex &index) const override
    {
        const int item = index.siblingAtColumn(0).data(IndexRole).toInt();
        const QString text = static_cast<QLineEdit *>(editor)->text();
        if (text != index.data(TypedRole).toString())
            QTimer::singleShot(0, parent(), [this, item, text] { m_typed(item, text); });
    }

protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        option->font.setBold(isBold(RowKind(index.siblingAtColumn(0).data(KindRole).toInt())));
        option->displayAlignment = (isFigureColumn(index.column()) ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter;
    }

private:
    QTreeView *m_view;
    std::function<void(int item, const QString &text)> m_typed;
};

QString named(const QString &path)
{
    return QFileInfo(path).fileName();
}

} // namespace

AbstractWindow::AbstractWindow(QWidget *extractor, CostsJudge judge)
    : QWidget(extractor, Qt::Window)
    , m_extractor(extractor)
    , m_judge(std::move(judge))
{
    setObjectName(QStringLiteral("AbstractOfEstimate"));
    setWindowTitle(QStringLiteral("Abstract of Estimate"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFont(kit::sansFont(8.25));

    m_source = new QLabel(this);
    m_source->setObjectName(QStringLiteral("ratesFrom"));
    m_table = new AbstractTable(this, [this](int addOn) { askAddOn(addOn); });
    m_table->setItemDelegate(new Cells(m_table, [this](int item, const QString &text) { typeRate(item, text); }));
    for (int column = 0; column < ColumnCount; ++column) {
        const Qt::Alignment alignment = isFigureColumn(column) ? Qt::AlignRight : Qt::AlignLeft;
        m_table->addColumn(QString::fromLatin1(Headers[column]), ColumnTwips[column], alignment);
    }
    m_table->header()->setStretchLastSection(true);
    m_table->setAccessibleName(windowTitle());

    m_say = new QComboBox(this);
    m_say->setObjectName(QStringLiteral("say"));
    for (const SayRow &choice : SayChoices)
        m_say->addItem(QString::fromLatin1(choice.caption), choice.rupees);
    auto *sayLabel = new QLabel(QStringLiteral("&Say to the nearest:"), this);
    sayLabel->setBuddy(m_say);
    connect(m_say, &QComboBox::currentIndexChanged, this, [this] {
        m_inputs.sayTo = m_say->currentData().toInt();
        rebuild();
    });
    m_words = new QLabel(this);
    m_words->setObjectName(QStringLiteral("words"));
    m_words->setWordWrap(true);
    m_words->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto *say = new QHBoxLayout;
    say->addWidget(sayLabel);
    say->addWidget(m_say);
    say->addStretch();
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_source);
    layout->addWidget(m_table, 1);
    layout->addLayout(say);
    layout->addWidget(m_words);
    resize(kit::pixels(12600), kit::pixels(6600));

    m_table->addCommand(tr("Rates from…"), QKeySequence(Qt::CTRL | Qt::Key_R), [this] {
        if (const auto costs = askCosts(this, tr("Rates from"), m_judge))
            setCosts(*costs);
    });
    const documents::DocumentTerms terms{.kind = estimateKind(), .title = windowTitle(), .opens = false};
    documents::DocumentHandlers handlers;
    handlers.contents = [this] { return contents(); };
    handlers.statement = [this] { return statement(); };
    handlers.workbook = [this](const documents::Statement &s) { return workbook(s); };
    m_document = new documents::Document(m_table, terms, handlers);
    // An abstract opened on a quantities file keeps that file's name of work and place.
    if (const documents::Document *quantities = documents::Document::of(extractor))
        m_document->setDetails(quantities->details());
    m_table->addSeparator();
    m_table->addCommand(tr("Change…"), QKeySequence(Qt::Key_F2), [this] { m_table->edit(m_table->currentIndex()); });
    m_table->addCommand(tr("Add Add-on…"), QKeySequence(Qt::Key_Insert), [this] { askAddOn(std::nullopt); });
    m_table->addCommand(tr("Remove Add-on"), QKeySequence::Delete, [this] { removeAddOn(); });
    m_table->addCommand(tr("Move Add-on Up"), QKeySequence(Qt::CTRL | Qt::Key_Up), [this] { moveAddOn(-1); });
    m_table->addCommand(tr("Move Add-on Down"), QKeySequence(Qt::CTRL | Qt::Key_Down), [this] { moveAddOn(1); });
    rebuild();
}

std::optional<PricedCosts> AbstractWindow::askCosts(QWidget *parent, const QString &caption, const CostsJudge &judge)
{
    const QString path = documents::chooseWorkFile(parent, false, caption);
    if (path.isEmpty())
        return std::nullopt;
    try {
        const documents::WorkFile file = documents::readWorkFile(path, judge.layout);
        try {
            return PricedCosts{file.texts, path, file.saved, judge.rates(file.texts)};
        } catch (const std::runtime_error &e) {
            documents::refuse(path, QString::fromStdString(e.what()));
        }
    } catch (const documents::WorkFileError &e) {
        kit::showMessage(parent, e.message());
    }
    return std::nullopt;
}

void AbstractWindow::setCosts(const PricedCosts &costs)
{
    m_costs = costs;
    m_inputs.rates = costs.rates;
    m_source->setText(tr("Rates from %1.").arg(source()));
    m_source->setToolTip(costs.file);
    rebuild();
}

void AbstractWindow::setQuantities(const QuantityTexts &quantities)
{
    m_inputs.quantities = quantities;
    rebuild();
}

QString AbstractWindow::source() const
{
    return tr("%1, saved %2").arg(named(m_costs.file), QLocale().toString(m_costs.saved.date(), QLocale::LongFormat));
}

void AbstractWindow::rebuild()
{
    try {
        m_abstract = workOutAbstract(m_inputs);
    } catch (const ComputeError &e) {
        m_table->clear();
        m_abstract.reset();
        const bool tooLarge = dynamic_cast<const TooLarge *>(&e);
        m_words->setText(tooLarge ? tr("No figures: they are too large to work out.")
                                  : tr("No figures while a quantity is not a number: mend it in the material extractor."));
        return;
    }
    QList<QTreeWidgetItem *> items;
    for (const AbstractRow &row : abstractRows(*m_abstract, m_inputs.typedRates))
        items << treeItem(row);
    m_table->clear();
    m_table->addTopLevelItems(items);
    m_words->setText(tr("In words: %1").arg(QString::fromStdString(rupeesInWords(m_abstract->finalFigure()))));
}

// A refused rate is reported, naming the item, and the rate stays as it was.
void AbstractWindow::typeRate(int item, const QString &text)
{
    std::optional<Paise> &typed = m_inputs.typedRates[std::size_t(item - 1)];
    if (text.trimmed().isEmpty()) {
        typed.reset();
        return rebuild();
    }
    try {
        typed = parseFixed(text.toStdString(), 2);
    } catch (const BadFigure &e) {
        kit::showMessage(this, refusal(tr("rate"), QString::fromStdString(itemName(item)), text, e));
    } catch (const TooLarge &) {
        kit::showMessage(this, tr("The rate typed for %1 is too large.").arg(itemName(item).c_str()));
    }
    rebuild();
}

void AbstractWindow::askAddOn(std::optional<int> index)
{
    kit::Form form{QStringLiteral("addOn"), tr("Add-on"), {{tr("&Label:"), {}}, {tr("&Percentage:"), {}}},
                   AddOnSuggestions};
    if (index) {
        const AddOn &addOn = m_inputs.addOns[std::size_t(*index)];
        form.fields[0].value = QString::fromStdString(addOn.label);
        form.fields[1].value = QString::fromStdString(percentText(addOn.percent));
    }
    if (!kit::dialogs().askForm(this, form))
        return;
    const QString label = form.fields[0].value;
    try {
        const AddOn addOn{label.toStdString(), parseFixed(form.fields[1].value.toStdString(), 2)};
        if (index)
            m_inputs.addOns[std::size_t(*index)] = addOn;
        else
            m_inputs.addOns.push_back(addOn);
    } catch (const BadFigure &e) {
        kit::showMessage(this, refusal(tr("percentage"), label, form.fields[1].value, e));
    } catch (const TooLarge &) {
        kit::showMessage(this, tr("The percentage typed for %1 is too large.").arg(label));
    }
    rebuild();
}

std::optional<int> AbstractWindow::chosenAddOn() const
{
    const QTreeWidgetItem *item = m_table->currentItem();
    if (!item || RowKind(item->data(0, KindRole).toInt()) != RowKind::AddOn)
        return std::nullopt;
    return item->data(0, IndexRole).toInt();
}

void AbstractWindow::removeAddOn()
{
    if (const std::optional<int> index = chosenAddOn()) {
        m_inputs.addOns.erase(m_inputs.addOns.begin() + *index);
        rebuild();
    }
}

// The add-on keeps the focus as it moves, so it can be moved again.
void AbstractWindow::moveAddOn(int by)
{
    const std::optional<int> index = chosenAddOn();
    if (!index || *index + by < 0 || *index + by >= int(m_inputs.addOns.size()))
        return;
    std::swap(m_inputs.addOns[std::size_t(*index)], m_inputs.addOns[std::size_t(*index + by)]);
    rebuild();
    for (int row = 0; row < m_table->topLevelItemCount(); ++row) {
        const QTreeWidgetItem *item = m_table->topLevelItem(row);
        if (RowKind(item->data(0, KindRole).toInt()) == RowKind::AddOn && item->data(0, IndexRole).toInt() == *index + by)
            m_table->setCurrentItem(m_table->topLevelItem(row));
    }
}

// Beside it on the right, or else on the left, below or above; where none has room, at the
// screen's right edge, level with it.
void AbstractWindow::placeBeside(const QWidget *window)
{
    const QRect screen = window->screen()->availableGeometry();
    const QRect beside = window->frameGeometry();
    const QSize size = frameGeometry().size();
    const QPoint places[] = {{beside.right() + 1, beside.top()},
                             {beside.left() - size.width(), beside.top()},
                             {beside.left(), beside.bottom() + 1},
                             {beside.left(), beside.top() - size.height()}};
    for (const QPoint &place : places) {
        if (screen.contains(QRect(place, size))) {
            move(place);
            return;
        }
    }
    move(std::max(screen.left(), screen.right() + 1 - size.width()), beside.top());
}
