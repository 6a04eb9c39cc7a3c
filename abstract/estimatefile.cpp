// SPDX-FileCopyrightText: 2026 ratebook developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The abstract's share of an estimate file: the costs it is priced at, the rates typed, the
// add-ons and Say; since version 2 the sub-heads in their order, the items of one's own, the
// lines of measurement and the face sheet. Each part's reader refuses what is not sound and hands
// back what it read, which the abstract takes as it is.
#include "abstract/abstractwindow.h"

#include "measurement/measurementmodel.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QJsonArray>

#include <algorithm>
#include <iterator>

using namespace ratebook;
using documents::refuse;

namespace {

QString tr(const char *text) { return QCoreApplication::translate("Abstract", text); }

const QString CostsKey = QStringLiteral("costs");
const QString RatesKey = QStringLiteral("rates");
const QString AddOnsKey = QStringLiteral("addOns");
const QString SayKey = QStringLiteral("say");
const QString HeadsKey = QStringLiteral("heads");
const QString ItemsKey = QStringLiteral("items");
const QString MeasurementsKey = QStringLiteral("measurements");
const QString FaceKey = QStringLiteral("face");
const QStringList FaceKeys{QStringLiteral("report"), QStringLiteral("preparedBy"),
                           QStringLiteral("checkedBy"), QStringLiteral("approvedBy")};
const QStringList CostsKeys{QStringLiteral("file"), QStringLiteral("saved"),
                            QStringLiteral("texts")};
const QStringList AddOnKeys{QStringLiteral("label"), QStringLiteral("percent")};
const QStringList ItemKeys{QStringLiteral("no"),      QStringLiteral("description"),
                           QStringLiteral("unit"),    QStringLiteral("per"),
                           QStringLiteral("rate"),    QStringLiteral("head"),
                           QStringLiteral("quantity")};

using TypedRates = std::array<std::optional<Paise>, WorkItemCount>;

QString text(const std::string &s) { return QString::fromStdString(s); }
QString rateName(int item) { return QStringLiteral("Rate%1").arg(item); }

QStringList rateNames()
{
    QStringList names;
    for (int item = 1; item <= int(WorkItemCount); ++item)
        names << rateName(item);
    return names;
}

// A figure typed by hand, kept as typed, of at most `decimals`; empty for none.
std::optional<std::int64_t> typedFigure(const QString &path, const QString &key,
                                        const QString &typed, int decimals = 2)
{
    if (typed.trimmed().isEmpty())
        return std::nullopt;
    try {
        return parseFixed(typed.toStdString(), decimals);
    } catch (const ComputeError &) {
        refuse(path, tr("\"%1\" holds \"%2\", which is not a figure of %3 decimals")
                         .arg(key, typed, decimals == 3 ? tr("three") : tr("two")));
    }
}

std::any readCosts(const QString &path, const QJsonValue &value, const CostsJudge &judge)
{
    const QJsonObject costs = documents::checkedObject(path, value, CostsKey, CostsKeys);
    PricedCosts priced{{}, documents::checkedText(path, costs, CostsKeys[0], CostsKey), {}, {}};
    priced.saved = QDateTime::fromString(
        documents::checkedText(path, costs, CostsKeys[1], CostsKey), Qt::ISODate);
    if (!priced.saved.isValid())
        refuse(path, tr("\"costs.saved\" is not a date and time"));
    const QString group = CostsKey + QStringLiteral(".texts");
    priced.texts = documents::checkedTexts(path, costs.value(CostsKeys[2]), group,
                                           judge.layout.texts);
    try {
        priced.rates = judge.rates(priced.texts);
    } catch (const std::runtime_error &e) {
        refuse(path, tr("its costs give no rates: %1").arg(QString::fromStdString(e.what())));
    }
    return priced;
}

std::any readRates(const QString &path, const QJsonValue &value, const documents::WorkFile &)
{
    const QMap<QString, QString> rates = documents::checkedTexts(path, value, RatesKey,
                                                                 rateNames());
    TypedRates typed;
    for (int item = 1; item <= int(WorkItemCount); ++item)
        typed[std::size_t(item - 1)] = typedFigure(
            path, RatesKey + QLatin1Char('.') + rateName(item), rates[rateName(item)]);
    return typed;
}

std::any readAddOns(const QString &path, const QJsonValue &value, const documents::WorkFile &)
{
    if (!value.isArray())
        refuse(path, tr("\"%1\" is not a list").arg(AddOnsKey));
    std::vector<AddOn> addOns;
    for (const QJsonValue &line : value.toArray()) {
        const QJsonObject addOn = documents::checkedObject(path, line, AddOnsKey, AddOnKeys);
        const QString label = documents::checkedText(path, addOn, AddOnKeys[0], AddOnsKey);
        const QString percent = documents::checkedText(path, addOn, AddOnKeys[1], AddOnsKey);
        const std::optional<Hundredths> figure = typedFigure(
            path, AddOnsKey + QStringLiteral(".percent"), percent);
        if (!figure)
            refuse(path, tr("an add-on has no percentage"));
        addOns.push_back({label.toStdString(), *figure});
    }
    return addOns;
}

std::any readSay(const QString &path, const QJsonValue &value, const documents::WorkFile &)
{
    const auto chosen = [&value](const SayRow &choice) {
        return choice.rupees == value.toDouble();
    };
    if (!value.isDouble() || std::ranges::none_of(SayChoices, chosen))
        refuse(path, tr("\"say\" is not 0, 1, 10, 100 or 1000"));
    return value.toInt();
}

bool sameName(const std::string &a, const std::string &b)
{
    return text(a).compare(text(b), Qt::CaseInsensitive) == 0;
}

// Every sub-head once, the three of the twelve items among them.
std::any readHeads(const QString &path, const QJsonValue &value, const documents::WorkFile &)
{
    if (!value.isArray())
        refuse(path, tr("\"%1\" is not a list").arg(HeadsKey));
    std::vector<std::string> heads;
    for (const QJsonValue &head : value.toArray()) {
        const std::string title = head.toString().trimmed().toStdString();
        if (title.empty()
            || std::ranges::any_of(heads, [&](const std::string &h) { return sameName(h, title); }))
            refuse(path,
                   tr("\"%1\" names a sub-head that is blank, twice or not a text").arg(HeadsKey));
        heads.push_back(title);
    }
    for (const std::string &standard : standardHeads()) {
        if (std::ranges::find(heads, standard) == heads.end())
            refuse(path, tr("\"%1\" lacks \"%2\"").arg(HeadsKey, text(standard)));
    }
    return heads;
}

std::any readItems(const QString &path, const QJsonValue &value, const documents::WorkFile &file)
{
    if (!value.isArray())
        refuse(path, tr("\"%1\" is not a list").arg(ItemsKey));
    const auto heads = std::any_cast<std::vector<std::string>>(file.read.value(HeadsKey));
    std::vector<OwnItem> items;
    for (const QJsonValue &kept : value.toArray()) {
        const QJsonObject object = documents::checkedObject(path, kept, ItemsKey, ItemKeys);
        const auto field = [&](int i) {
            return documents::checkedText(path, object, ItemKeys[i], ItemsKey);
        };
        OwnItem item{field(0).trimmed().toStdString(),
                     field(1).toStdString(),
                     field(2).toStdString(),
                     object.value(ItemKeys[3]).toInt(),
                     {},
                     field(5).toStdString()};
        bool isWorkItem = false;
        const int n = text(item.number).toInt(&isWorkItem);
        const bool taken = std::ranges::any_of(
            items, [&](const OwnItem &i) { return sameName(i.number, item.number); });
        if (item.number.empty() || taken || (isWorkItem && n >= 1 && n <= int(WorkItemCount)))
            refuse(path,
                   tr("an item's No. \"%1\" is blank or another item's").arg(text(item.number)));
        const bool per = std::ranges::find(PerChoices, item.per) != std::end(PerChoices);
        if (!per || object.value(ItemKeys[3]).toDouble() != item.per)
            refuse(path, tr("item \"%1\" is not per 1, 10, 100 or 1000").arg(text(item.number)));
        if (std::ranges::find(heads, item.head) == heads.end())
            refuse(
                path,
                tr("item \"%1\" stands under a sub-head \"heads\" lacks").arg(text(item.number)));
        const QString key = ItemsKey + QLatin1Char('.');
        item.rate = typedFigure(path, key + ItemKeys[4], field(4));
        const std::optional<Thousandths> quantity = typedFigure(path, key + ItemKeys[6], field(6),
                                                                3);
        if (!quantity)
            refuse(path, tr("item \"%1\" has no quantity").arg(text(item.number)));
        item.typed = *quantity;
        items.push_back(std::move(item));
    }
    return items;
}

std::any readMeasurements(const QString &path, const QJsonValue &value,
                          const documents::WorkFile &file)
{
    QStringList keys;
    for (int item = 1; item <= int(WorkItemCount); ++item)
        keys << QString::number(item);
    for (const OwnItem &item : std::any_cast<std::vector<OwnItem>>(file.read.value(ItemsKey)))
        keys << text(item.number);
    return MeasurementModel::read(path, value, keys);
}

std::any readFace(const QString &path, const QJsonValue &value, const documents::WorkFile &)
{
    const QJsonObject face = documents::checkedObject(path, value, FaceKey, FaceKeys);
    const auto field = [&](int i) {
        return documents::checkedText(path, face, FaceKeys[i], FaceKey);
    };
    FaceSheet f{field(0), field(1), field(2), field(3), false};
    // A file keeps a face sheet never asked for as an empty one: ask for it as before.
    f.asked = !(f.report + f.preparedBy + f.checkedBy + f.approvedBy).isEmpty();
    return f;
}

void partsOfVersion2(documents::WorkFile &file, const EstimateInputs &inputs,
                     const std::vector<MeasuredItem> &measured, const FaceSheet &f)
{
    QJsonArray heads;
    for (const std::string &head : inputs.heads)
        heads << text(head);
    file.parts.insert(HeadsKey, heads);
    QJsonArray items;
    for (const OwnItem &item : inputs.ownItems) {
        const QStringList values{text(item.number),
                                 text(item.description),
                                 text(item.unit),
                                 {},
                                 item.rate ? text(fixedText(*item.rate, 2)) : QString(),
                                 text(item.head),
                                 text(fixedText(item.typed, 3))};
        QJsonObject kept;
        for (qsizetype i = 0; i < ItemKeys.size(); ++i)
            kept.insert(ItemKeys[i], values[i]);
        kept.insert(ItemKeys[3], item.per);
        items << kept;
    }
    file.parts.insert(ItemsKey, items);
    file.parts.insert(MeasurementsKey, MeasurementModel::part(measured));
    QJsonObject face;
    const QStringList values{f.report, f.preparedBy, f.checkedBy, f.approvedBy};
    for (qsizetype i = 0; i < FaceKeys.size(); ++i)
        face.insert(FaceKeys[i], values[i]);
    file.parts.insert(FaceKey, face);
}


} // namespace

documents::FileLayout AbstractWindow::estimateLayout(const documents::FileLayout &quantities,
                                                     const CostsJudge &judge)
{
    documents::FileLayout layout = quantities;
    layout.kind = estimateKind();
    const auto costs = [judge](const QString &path, const QJsonValue &value,
                               const documents::WorkFile &) {
        return readCosts(path, value, judge);
    };
    layout.parts = {{CostsKey, costs},
                    {RatesKey, readRates},
                    {AddOnsKey, readAddOns},
                    {SayKey, readSay},
                    {HeadsKey, readHeads, 2},
                    {ItemsKey, readItems, 2},
                    {MeasurementsKey, readMeasurements, 2},
                    {FaceKey, readFace, 2}};
    return layout;
}

void AbstractWindow::load(const documents::WorkFile &file)
{
    const auto part = [&file](const QString &key) { return file.read.value(key); };
    m_inputs.typedRates = std::any_cast<TypedRates>(part(RatesKey));
    m_inputs.addOns = std::any_cast<std::vector<AddOn>>(part(AddOnsKey));
    m_inputs.sayTo = std::any_cast<int>(part(SayKey));
    m_say->setCurrentIndex(m_say->findData(m_inputs.sayTo));
    // A version-1 estimate has the three sub-heads and nothing of its own.
    const bool whole = file.read.contains(HeadsKey);
    m_inputs.heads = whole ? std::any_cast<std::vector<std::string>>(part(HeadsKey))
                           : standardHeads();
    m_inputs.ownItems = whole ? std::any_cast<std::vector<OwnItem>>(part(ItemsKey))
                              : std::vector<OwnItem>{};
    m_face = whole ? std::any_cast<FaceSheet>(part(FaceKey)) : FaceSheet{};
    itemsChanged();
    m_measurements->load(whole ? part(MeasurementsKey) : std::any(std::vector<MeasuredItem>{}));
    for (OwnItem &item : m_inputs.ownItems) {
        if (const std::optional<Hundredths> net = m_measurements->measured(text(item.number)))
            item.measured = inThousandths(*net);
    }
    m_document->setDetails(file.details);
    m_document->setFile(file.path);
    setCosts(std::any_cast<PricedCosts>(part(CostsKey)));
    setModified(false);
}

documents::WorkFile AbstractWindow::contents() const
{
    return contentsLater()();
}

// Written in the oldest version that holds it: an estimate with nothing of version 2 in it
// still opens in a program that reads version 1. The measurements are copied as they are, to
// be made into the file's text later: a copy costs the keyboard less than the text.
std::function<documents::WorkFile()> AbstractWindow::contentsLater() const
{
    documents::WorkFile file = documents::Document::of(m_extractor)->contents();
    file.kind = estimateKind();
    file.details = m_document->details();
    QJsonObject texts;
    for (auto it = m_costs.texts.cbegin(); it != m_costs.texts.cend(); ++it)
        texts.insert(it.key(), it.value());
    file.parts.insert(CostsKey,
                      QJsonObject{{CostsKeys[0], m_costs.file},
                                  {CostsKeys[1], m_costs.saved.toUTC().toString(Qt::ISODate)},
                                  {CostsKeys[2], texts}});
    QJsonObject rates;
    for (int item = 1; item <= int(WorkItemCount); ++item) {
        const std::optional<Paise> &rate = m_inputs.typedRates[std::size_t(item - 1)];
        rates.insert(rateName(item), rate ? text(fixedText(*rate, 2)) : QString());
    }
    file.parts.insert(RatesKey, rates);
    QJsonArray addOns;
    for (const AddOn &addOn : m_inputs.addOns)
        addOns << QJsonObject{{AddOnKeys[0], text(addOn.label)},
                              {AddOnKeys[1], text(percentText(addOn.percent))}};
    file.parts.insert(AddOnsKey, addOns);
    file.parts.insert(SayKey, m_inputs.sayTo);
    if (m_inputs.heads == standardHeads() && m_inputs.ownItems.empty() && m_measurements->isEmpty()
        && !m_face.asked)
        return [file] { return file; };
    file.version = 2;
    return [file, inputs = m_inputs, measured = m_measurements->measuredItems(),
            face = m_face]() mutable {
        partsOfVersion2(file, inputs, measured, face);
        return file;
    };
}

