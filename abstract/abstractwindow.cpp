// SPDX-FileCopyrightText: 2026 ratebook developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "abstract/abstractwindow.h"

#include "common/numbertext.h"
#include "labour/labourwindow.h"
#include "measurement/measurementmodel.h"
#include "measurement/measurementwindow.h"
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


// An item's rate, and the quantity of an item of one's own not measured, open in their cells;
// any other cell of an item of one's own, or of an add-on, asks for it whole.
class AbstractTable : public kit::ReportList
{
public:
    AbstractTable(QWidget *parent, std::function<void(const QModelIndex &cell)> ask)
        : ReportList(parent, "ListView1", kit::sansFont(9.75)), m_ask(std::move(ask))
    {
        setEditTriggers(DoubleClicked | EditKeyPressed);
        // A total that names what it leaves out, or a long description, runs on to more lines.
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
        const bool inCell = index.column() == RateColumn
                            || (index.column() == QuantityColumn
                                && !index.data(MeasuredRole).toBool());
        if (kind == RowKind::OwnItem && inCell)
            return ReportList::edit(index, trigger, event);
        const bool asked = trigger == DoubleClicked || trigger == EditKeyPressed
                           || trigger == AllEditTriggers;
        if ((kind == RowKind::OwnItem || kind == RowKind::AddOn) && asked && index.isValid())
            QTimer::singleShot(0, this,
                               [this, cell = QPersistentModelIndex(index)] { m_ask(cell); });
        return false;
    }

private:
    std::function<void(const QModelIndex &cell)> m_ask;
};

// How each cell shows: sub-heads and totals in bold, figures flush right, a long
// description wrapped at its column's width; and a rate or quantity typed in its cell, which
// opens on what was typed before, or empty with the analysed rate shown faintly, and is taken
// once the editor has closed. Said once here, so a row costs no more than its texts.
class Cells : public QStyledItemDelegate
{
public:
    Cells(QTreeView *view, std::function<void(const QModelIndex &cell, const QString &text)> typed)
        : QStyledItemDelegate(view), m_view(view), m_typed(std::move(typed))
    {
    }

    // A row is as tall as its tallest text; the quantity and the amount, which a keystroke
    // changes and which never wrap, are not laid out to learn they are one line tall.
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        const int width = m_view->header()->sectionSize(index.column());
        if (index.column() == QuantityColumn || index.column() == AmountColumn)
            return {width, 0};
        // Laid out once for each text and width: the rows a keystroke changes keep theirs.
        const bool bold = isBold(RowKind(index.siblingAtColumn(0).data(KindRole).toInt()));
        const QString key = QString::number(width) + QLatin1Char(bold ? 'b' : 'r')
                            + index.data().toString();
        if (const auto known = m_sizes.constFind(key); known != m_sizes.cend())
            return *known;
        if (m_sizes.size() > 4096)
            m_sizes.clear();
        QStyleOptionViewItem wrapped = option;
        wrapped.rect = QRect(0, 0, width, 1); // valid, so it wraps
        return m_sizes[key] = QStyledItemDelegate::sizeHint(wrapped, index);
    }
    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &,
                          const QModelIndex &index) const override
    {
        auto *editor = new QLineEdit(parent);
        editor->setPlaceholderText(index.data().toString());
        return editor;
    }
    void setEditorData(QWidget *editor, const QModelIndex &index) const override
    {
        static_cast<QLineEdit *>(editor)->setText(typedIn(index));
    }
    void setModelData(QWidget *editor, QAbstractItemModel *,
                      const QModelIndex &index) const override
    {
        const QString text = static_cast<QLineEdit *>(editor)->text();
        if (text != typedIn(index))
            QTimer::singleShot(0, parent(), [this, cell = QPersistentModelIndex(index), text] {
                m_typed(cell, text);
            });
    }

protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        option->font.setBold(isBold(RowKind(index.siblingAtColumn(0).data(KindRole).toInt())));
        option->displayAlignment = (isFigureColumn(index.column()) ? Qt::AlignRight : Qt::AlignLeft)
                                   | Qt::AlignVCenter;
    }

private:
    static QString typedIn(const QModelIndex &index)
    {
        return index.column() == RateColumn ? index.data(TypedRole).toString()
                                            : index.data().toString();
    }

    QTreeView *m_view;
    std::function<void(const QModelIndex &cell, const QString &text)> m_typed;
    mutable QHash<QString, QSize> m_sizes; // of a description, by its width, weight and text
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
    , m_measurements(new MeasurementModel(this))
{
    setObjectName(QStringLiteral("AbstractOfEstimate"));
    setWindowTitle(QStringLiteral("Abstract of Estimate"));
    setFont(kit::sansFont(8.25));

    m_source = new QLabel(this);
    m_source->setObjectName(QStringLiteral("ratesFrom"));
    m_table = new AbstractTable(this, [this](const QModelIndex &cell) { edit(cell); });
    m_table->setItemDelegate(new Cells(
        m_table, [this](const QModelIndex &cell, const QString &text) { typed(cell, text); }));
    for (int column = 0; column < ColumnCount; ++column) {
        const Qt::Alignment alignment = isFigureColumn(column) ? Qt::AlignRight : Qt::AlignLeft;
        m_table->addColumn(QString::fromLatin1(Headers[column]), ColumnTwips[column], alignment);
    }
    m_table->header()->setStretchLastSection(true);
    m_table->setAccessibleName(windowTitle());
    connect(m_table, &QTreeWidget::currentItemChanged, this, &AbstractWindow::updateCommands);

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
    const documents::DocumentTerms terms{
        .kind = estimateKind(), .title = windowTitle(), .opens = false};
    documents::DocumentHandlers handlers;
    handlers.contents = [this] { return contents(); };
    handlers.statement = [this] { return statement(); };
    handlers.workbook = [this](const documents::Statement &s) { return workbook(s); };
    m_document = new documents::Document(m_table, terms, handlers);
    // An abstract opened on a quantities file keeps that file's name of work and place.
    if (const documents::Document *quantities = documents::Document::of(extractor))
        m_document->setDetails(quantities->details());
    m_table->addSeparator();
    m_table->addCommand(tr("Change…"), QKeySequence(Qt::Key_F2),
                        [this] { m_table->edit(m_table->currentIndex()); });
    m_table->addCommand(tr("Add Add-on…"), QKeySequence(Qt::Key_Insert),
                        [this] { askAddOn(std::nullopt); });
    m_table->addCommand(tr("Add Item…"), QKeySequence(Qt::CTRL | Qt::Key_N),
                        [this] { askItem(std::nullopt); });
    m_remove = m_table->addCommand(tr("Remove"), QKeySequence::Delete, [this] { removeChosen(); });
    m_moveUp = m_table->addCommand(tr("Move Up"), QKeySequence(Qt::CTRL | Qt::Key_Up),
                                   [this] { moveChosen(-1); });
    m_moveDown = m_table->addCommand(tr("Move Down"), QKeySequence(Qt::CTRL | Qt::Key_Down),
                                     [this] { moveChosen(1); });
    m_table->addSeparator();
    m_table->addCommand(tr("Labour…"), QKeySequence(Qt::CTRL | Qt::Key_L),
                        [this] { showLabour(); });
    m_table->addCommand(tr("Face Sheet…"), QKeySequence(Qt::CTRL | Qt::Key_F),
                        [this] { askFaceSheet(); });
    struct WholeCommand
    {
        QString text;
        Qt::Key key;
        HandOn how;
    };
    const WholeCommand wholeCommands[] = {
        {tr("Print Estimate…"), Qt::Key_P, HandOn::Print},
        {tr("Export Estimate as PDF…"), Qt::Key_D, HandOn::Pdf},
        {tr("Export Estimate to spreadsheet…"), Qt::Key_X, HandOn::Workbook},
    };
    for (const WholeCommand &c : wholeCommands) {
        m_table->addCommand(c.text, QKeySequence(Qt::CTRL | Qt::SHIFT | c.key),
                            [this, how = c.how, caption = c.text.chopped(1)] {
                                handOnWhole(how, caption);
                            });
    }
    const QKeySequence measure(Qt::CTRL | Qt::Key_M);
    m_table->addCommand(tr("Details of Measurement…"), measure, [this] {
        MeasurementWindow *sheet = showMeasurements();
        const std::optional<Chosen> row = chosen();
        if (row && row->kind == RowKind::Item)
            sheet->measure(QString::number(row->index));
        if (row && row->kind == RowKind::OwnItem)
            sheet->measure(
                QString::fromStdString(m_inputs.ownItems[std::size_t(row->index)].number));
    });
    connect(m_measurements, &MeasurementModel::measuredChanged, this,
            &AbstractWindow::measuredChanged);
    // A line's particulars and a line with no quantity yet change the estimate too.
    connect(m_measurements, &MeasurementModel::dataChanged, this, &AbstractWindow::markChanged);
    connect(m_measurements, &MeasurementModel::rowsInserted, this, &AbstractWindow::markChanged);
    connect(m_measurements, &MeasurementModel::rowsRemoved, this, &AbstractWindow::markChanged);
    connect(m_measurements, &MeasurementModel::modelReset, this, &AbstractWindow::markChanged);
    connect(m_document, &documents::Document::saved, this, [this] { setModified(false); });
    itemsChanged();
    rebuild();
}

void AbstractWindow::markChanged()
{
    setModified(true);
    emit changed();
}

void AbstractWindow::setModified(bool modified)
{
    if (std::exchange(m_modified, modified) != modified)
        emit modifiedChanged(modified);
}

std::optional<PricedCosts> AbstractWindow::askCosts(QWidget *parent, const QString &caption,
                                                    const CostsJudge &judge)
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
    QMap<QString, QString> held;
    for (std::size_t i = 0; i < WorkItemCount; ++i)
        held.insert(QString::number(i + 1), QString::fromStdString(quantities[i]));
    m_measurements->setHeld(held);
    rebuild();
}

QString AbstractWindow::source() const
{
    return tr("%1, saved %2")
        .arg(named(m_costs.file), QLocale().toString(m_costs.saved.date(), QLocale::LongFormat));
}

// Everything that changes the estimate rebuilds it.
void AbstractWindow::rebuild()
{
    markChanged();
    try {
        m_abstract = workOutAbstract(m_inputs);
    } catch (const ComputeError &e) {
        m_table->clear();
        m_abstract.reset();
        const bool tooLarge = dynamic_cast<const TooLarge *>(&e);
        m_words->setText(tooLarge ? tr("No figures: they are too large to work out.")
                                  : tr("No figures while a quantity is not a number: mend it in "
                                       "the material extractor."));
        return;
    }
    // A keystroke changes figures, not rows: those are set in place, and the row chosen, the
    // scrolling and the layout of the rest stay as they were.
    const QList<AbstractRow> rows = abstractRows(*m_abstract, m_inputs);
    bool same = m_table->topLevelItemCount() == rows.size();
    for (qsizetype r = 0; same && r < rows.size(); ++r)
        same = sameRow(m_table->topLevelItem(int(r)), rows[r]);
    if (same) {
        for (qsizetype r = 0; r < rows.size(); ++r)
            updateItem(m_table->topLevelItem(int(r)), rows[r]);
    } else {
        const std::optional<Chosen> wasChosen = chosen();
        QList<QTreeWidgetItem *> items;
        for (const AbstractRow &row : rows)
            items << treeItem(row);
        m_table->clear();
        m_table->addTopLevelItems(items);
        if (wasChosen)
            choose(*wasChosen);
    }
    updateCommands();
    // A labour statement out of sight is brought up to date when it is next asked for.
    if (m_labour && m_labour->isVisible())
        updateLabour();
    m_words->setText(
        tr("In words: %1").arg(QString::fromStdString(rupeesInWords(m_abstract->finalFigure()))));
}

// An add-on's row, or a cell of an item of one's own that does not open in place.
void AbstractWindow::edit(const QModelIndex &cell)
{
    const int index = cell.siblingAtColumn(0).data(IndexRole).toInt();
    if (RowKind(cell.siblingAtColumn(0).data(KindRole).toInt()) == RowKind::AddOn)
        return askAddOn(index);
    if (cell.column() != QuantityColumn)
        return askItem(index);
    kit::showMessage(
        this,
        tr("The quantity of item %1 is the net of its details of measurement: change it there.")
            .arg(QString::fromStdString(m_inputs.ownItems[std::size_t(index)].number)));
}

void AbstractWindow::typed(const QModelIndex &cell, const QString &text)
{
    const int index = cell.siblingAtColumn(0).data(IndexRole).toInt();
    if (RowKind(cell.siblingAtColumn(0).data(KindRole).toInt()) == RowKind::Item)
        return typeRate(m_inputs.typedRates[std::size_t(index - 1)],
                        QString::fromStdString(itemName(index)), text);
    if (cell.column() == QuantityColumn)
        return typeQuantity(index, text);
    OwnItem &item = m_inputs.ownItems[std::size_t(index)];
    typeRate(item.rate, tr("item %1").arg(QString::fromStdString(item.number)), text);
}

// A refused rate is reported, naming the item, and the rate stays as it was; cleared, there is
// none typed.
void AbstractWindow::typeRate(std::optional<Paise> &rate, const QString &name, const QString &text)
{
    if (text.trimmed().isEmpty()) {
        rate.reset();
        return rebuild();
    }
    try {
        rate = parseFixed(text.toStdString(), 2);
    } catch (const BadFigure &e) {
        return kit::showMessage(this, refusal(tr("rate"), name, text, e));
    } catch (const TooLarge &) {
        return kit::showMessage(this, tr("The rate typed for %1 is too large.").arg(name));
    }
    rebuild();
}

void AbstractWindow::askAddOn(std::optional<int> index)
{
    kit::Form form{QStringLiteral("addOn"),
                   tr("Add-on"),
                   {{tr("&Label:"), {}}, {tr("&Percentage:"), {}}},
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
        return kit::showMessage(this, refusal(tr("percentage"), label, form.fields[1].value, e));
    } catch (const TooLarge &) {
        return kit::showMessage(this, tr("The percentage typed for %1 is too large.").arg(label));
    }
    rebuild();
}
