// SPDX-FileCopyrightText: 2026 ratebook developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The abstract's document: its share of an estimate file, its statement, and its workbook,
// where every amount is a formula that works out to the figure shown.
#include "abstract/abstractrows.h"
#include "abstract/abstractwindow.h"
#include "common/numbertext.h"
#include "kit/reportlist.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QJsonArray>
#include <QLabel>
#include <QLocale>

#include <algorithm>

using namespace ratebook;
using documents::WorkbookCell;

namespace {

QString tr(const char *text) { return QCoreApplication::translate("Abstract", text); }

const QString CostsKey = QStringLiteral("costs");
const QString RatesKey = QStringLiteral("rates");
const QString AddOnsKey = QStringLiteral("addOns");
const QString SayKey = QStringLiteral("say");
const QStringList CostsKeys{QStringLiteral("file"), QStringLiteral("saved"), QStringLiteral("texts")};
const QStringList AddOnKeys{QStringLiteral("label"), QStringLiteral("percent")};

QString rateName(int item) { return QStringLiteral("Rate%1").arg(item); }

QStringList rateNames()
{
    QStringList names;
    for (int item = 1; item <= int(WorkItemCount); ++item)
        names << rateName(item);
    return names;
}

// A figure typed by hand, kept as typed; empty for none.
std::optional<Paise> typedFigure(const QString &path, const QString &key, const QString &typed)
{
    if (typed.trimmed().isEmpty())
        return std::nullopt;
    try {
        return parseFixed(typed.toStdString(), 2);
    } catch (const ComputeError &) {
        documents::refuse(path, tr("\"%1\" holds \"%2\", which is not a figure of two decimals").arg(key, typed));
    }
}

void checkCosts(const QString &path, const QJsonValue &value, const CostsJudge &judge)
{
    const QJsonObject costs = documents::checkedObject(path, value, CostsKey, CostsKeys);
    documents::checkedText(path, costs, CostsKeys[0], CostsKey);
    if (!QDateTime::fromString(documents::checkedText(path, costs, CostsKeys[1], CostsKey), Qt::ISODate).isValid())
        documents::refuse(path, tr("\"costs.saved\" is not a date and time"));
    const QString group = CostsKey + QStringLiteral(".texts");
    const QMap<QString, QString> texts = documents::checkedTexts(path, costs.value(CostsKeys[2]), group, judge.layout.texts);
    try {
        judge.rates(texts);
    } catch (const std::runtime_error &e) {
        documents::refuse(path, tr("its costs give no rates: %1").arg(QString::fromStdString(e.what())));
    }
}

void checkRates(const QString &path, const QJsonValue &value)
{
    const QMap<QString, QString> rates = documents::checkedTexts(path, value, RatesKey, rateNames());
    for (auto it = rates.cbegin(); it != rates.cend(); ++it)
        typedFigure(path, RatesKey + QLatin1Char('.') + it.key(), it.value());
}

void checkAddOns(const QString &path, const QJsonValue &value)
{
    if (!value.isArray())
        documents::refuse(path, tr("\"%1\" is not a list").arg(AddOnsKey));
    for (const QJsonValue &line : value.toArray()) {
        const QJsonObject addOn = documents::checkedObject(path, line, AddOnsKey, AddOnKeys);
        documents::checkedText(path, addOn, AddOnKeys[0], AddOnsKey);
        const QString percent = documents::checkedText(path, addOn, AddOnKeys[1], AddOnsKey);
        if (!typedFigure(path, AddOnsKey + QStringLiteral(".percent"), percent))
            documents::refuse(path, tr("an add-on has no percentage"));
    }
}

void checkSay(const QString &path, const QJsonValue &value)
{
    const auto chosen = [&value](const SayRow &choice) { return choice.rupees == value.toDouble(); };
    if (!value.isDouble() || std::ranges::none_of(SayChoices, chosen))
        documents::refuse(path, tr("\"say\" is not 0, 1, 10, 100 or 1000"));
}

QString column(int column) { return QString(QLatin1Char(char('A' + column))); }
QString cell(int column, int row) { return ::column(column) + QString::number(row + 1); }

// Indian groups, set by the figure's own digits: a spreadsheet's commas group by thousands.
QString indianFormat(std::int64_t units, int decimals, const QString &words = {})
{
    QString shown = QString::fromStdString(fixedText(units, decimals, true));
    if (shown.startsWith(QLatin1Char('-')))
        shown.remove(0, 1); // a spreadsheet puts the minus in front itself
    const qsizetype point = decimals > 0 ? shown.indexOf(QLatin1Char('.')) : shown.size();
    QString format;
    for (qsizetype i = 0; i < shown.size(); ++i) {
        if (shown[i] == QLatin1Char(','))
            format += QStringLiteral("\\,");
        else if (i == point)
            format += QLatin1Char('.');
        else
            format += i + 1 >= point ? QLatin1Char('0') : QLatin1Char('#');
    }
    return words.isEmpty() ? format : format + QLatin1Char('"') + words + QLatin1Char('"');
}

WorkbookCell moneyCell(Paise paise, const QString &formula = {}, const QString &words = {})
{
    return {QString(), double(paise) / 100, indianFormat(paise, 2, words), false, formula};
}

} // namespace

documents::FileLayout AbstractWindow::estimateLayout(const documents::FileLayout &quantities, const CostsJudge &judge)
{
    documents::FileLayout layout = quantities;
    layout.kind = estimateKind();
    layout.parts = {{CostsKey, [judge](const QString &path, const QJsonValue &value) { checkCosts(path, value, judge); }},
                    {RatesKey, checkRates},
                    {AddOnsKey, checkAddOns},
                    {SayKey, checkSay}};
    return layout;
}

void AbstractWindow::load(const documents::WorkFile &file)
{
    const QJsonObject costs = file.parts.value(CostsKey).toObject();
    PricedCosts priced{{}, costs.value(CostsKeys[0]).toString(),
                       QDateTime::fromString(costs.value(CostsKeys[1]).toString(), Qt::ISODate), {}};
    for (const QString &name : m_judge.layout.texts)
        priced.texts.insert(name, costs.value(CostsKeys[2]).toObject().value(name).toString());
    priced.rates = m_judge.rates(priced.texts);
    // Checked with the rest of the file: every figure reads.
    const auto figure = [](const QJsonValue &typed) { return parseFixed(typed.toString().toStdString(), 2); };
    const QJsonObject rates = file.parts.value(RatesKey).toObject();
    for (int item = 1; item <= int(WorkItemCount); ++item) {
        const QJsonValue rate = rates.value(rateName(item));
        std::optional<Paise> &typed = m_inputs.typedRates[std::size_t(item - 1)];
        typed.reset();
        if (!rate.toString().trimmed().isEmpty())
            typed = figure(rate);
    }
    m_inputs.addOns.clear();
    for (const QJsonValue &line : file.parts.value(AddOnsKey).toArray()) {
        const QJsonObject addOn = line.toObject();
        m_inputs.addOns.push_back({addOn.value(AddOnKeys[0]).toString().toStdString(), figure(addOn.value(AddOnKeys[1]))});
    }
    m_inputs.sayTo = file.parts.value(SayKey).toInt();
    m_say->setCurrentIndex(m_say->findData(m_inputs.sayTo));
    m_document->setDetails(file.details);
    setCosts(priced);
}

documents::WorkFile AbstractWindow::contents() const
{
    documents::WorkFile file = documents::Document::of(m_extractor)->contents();
    file.kind = estimateKind();
    file.details = m_document->details();
    QJsonObject texts;
    for (auto it = m_costs.texts.cbegin(); it != m_costs.texts.cend(); ++it)
        texts.insert(it.key(), it.value());
    file.parts.insert(CostsKey, QJsonObject{{CostsKeys[0], m_costs.file},
                                            {CostsKeys[1], m_costs.saved.toUTC().toString(Qt::ISODate)},
                                            {CostsKeys[2], texts}});
    QJsonObject rates;
    for (int item = 1; item <= int(WorkItemCount); ++item) {
        const std::optional<Paise> &rate = m_inputs.typedRates[std::size_t(item - 1)];
        rates.insert(rateName(item), rate ? QString::fromStdString(fixedText(*rate, 2)) : QString());
    }
    file.parts.insert(RatesKey, rates);
    QJsonArray addOns;
    for (const AddOn &addOn : m_inputs.addOns)
        addOns << QJsonObject{{AddOnKeys[0], QString::fromStdString(addOn.label)},
                              {AddOnKeys[1], QString::fromStdString(percentText(addOn.percent))}};
    file.parts.insert(AddOnsKey, addOns);
    file.parts.insert(SayKey, m_inputs.sayTo);
    return file;
}

// The rows as the window shows them, the sub-heads and totals in bold, then the words.
documents::Statement AbstractWindow::statement() const
{
    documents::StatementTable table{{}, m_table->headerTexts(), m_table->rowTexts(), {}, {}, false};
    for (int column = 0; column < ColumnCount; ++column) {
        if (isFigureColumn(column))
            table.figureColumns << column;
    }
    for (int row = 0; row < m_table->topLevelItemCount(); ++row) {
        if (isBold(RowKind(m_table->topLevelItem(row)->data(0, KindRole).toInt())))
            table.boldRows << row;
    }
    return {windowTitle(), m_document->details(), QDate::currentDate(), {{tr("Rates from:"), source()}}, {table},
            {m_words->text()}};
}

// One sheet: the details, then the table with each amount ROUND(quantity*rate/per, 2), each
// subtotal and total a SUM, each add-on ROUND(base*p/100, 2), Say rounded as chosen.
documents::Workbook AbstractWindow::workbook(const documents::Statement &s) const
{
    documents::WorkbookSheet sheet{s.title, documents::statementHead(s)};
    sheet.rows << documents::boldRow(m_table->headerTexts());

    std::vector<const AbstractLine *> lines;
    for (const AbstractHead &head : m_abstract->heads) {
        for (const AbstractLine &line : head.lines)
            lines.push_back(&line);
    }
    auto nextLine = lines.cbegin();
    std::size_t head = 0;
    int firstItem = 0, totalRow = 0;
    QStringList subtotals;
    for (const AbstractRow &row : abstractRows(*m_abstract, m_inputs.typedRates)) {
        const int r = int(sheet.rows.size());
        QList<WorkbookCell> cells(ColumnCount);
        cells[DescriptionColumn] = documents::textCell(row.cells[DescriptionColumn], isBold(row.kind));
        const QString above = cell(AmountColumn, totalRow) + QLatin1Char(':') + cell(AmountColumn, r - 1);
        switch (row.kind) {
        case RowKind::Head:
            firstItem = r + 1;
            break;
        case RowKind::Item: {
            const AbstractLine &line = **nextLine++;
            cells[NoColumn] = {QString(), double(line.item), QStringLiteral("0"), false, {}};
            cells[QuantityColumn] = {QString(), double(line.quantity) / 1000, QStringLiteral("0.000"), false, {}};
            cells[UnitColumn] = documents::textCell(row.cells[UnitColumn]);
            const QString unit = QStringLiteral("0\" %1\"").arg(row.cells[UnitColumn]);
            cells[PerColumn] = {QString(), double(line.per), unit, false, {}};
            const QString mark = row.cells[RateColumn].section(QLatin1Char(' '), 1);
            if (line.rateKind == AbstractLine::Rate::None)
                cells[RateColumn] = documents::textCell(row.cells[RateColumn]);
            else
                cells[RateColumn] = moneyCell(line.rate, {}, mark.isEmpty() ? QString() : QLatin1Char(' ') + mark);
            if (line.amount) {
                const QString formula = QStringLiteral("ROUND(%1*%2/%3,2)")
                                            .arg(cell(QuantityColumn, r), cell(RateColumn, r), cell(PerColumn, r));
                cells[AmountColumn] = moneyCell(*line.amount, formula);
            }
            break;
        }
        case RowKind::Subtotal:
            subtotals << cell(AmountColumn, r);
            cells[AmountColumn] = moneyCell(m_abstract->heads[head++].subtotal,
                                            QStringLiteral("SUM(%1:%2)").arg(cell(AmountColumn, firstItem),
                                                                            cell(AmountColumn, r - 1)));
            break;
        case RowKind::Total:
            totalRow = r;
            cells[AmountColumn] = moneyCell(m_abstract->total, subtotals.isEmpty() ? QString()
                                                : QStringLiteral("SUM(%1)").arg(subtotals.join(QLatin1Char(','))));
            break;
        case RowKind::AddOn: {
            const AddOnLine &addOn = m_abstract->addOns[std::size_t(row.index)];
            const QString percent = QString::fromStdString(percentText(addOn.addOn.percent));
            cells[AmountColumn] = moneyCell(addOn.amount, QStringLiteral("ROUND(SUM(%1)*%2/100,2)").arg(above, percent));
            break;
        }
        case RowKind::GrandTotal:
            cells[AmountColumn] = moneyCell(m_abstract->grandTotal, QStringLiteral("SUM(%1)").arg(above));
            break;
        case RowKind::Say: {
            const int places = -int(std::to_string(m_inputs.sayTo).size() - 1);
            cells[AmountColumn] = moneyCell(*m_abstract->say, QStringLiteral("ROUND(%1,%2)")
                                                                  .arg(cell(AmountColumn, r - 1)).arg(places));
            break;
        }
        }
        sheet.rows << cells;
    }
    sheet.rows << QList<WorkbookCell>{} << QList<WorkbookCell>{{}, documents::textCell(m_words->text())};
    return {sheet};
}
