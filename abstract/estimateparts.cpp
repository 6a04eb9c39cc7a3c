// SPDX-FileCopyrightText: 2026 ratebook developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The estimate as one piece: its labour statement, its face sheet, and the whole of it printed
// as one document, face sheet, abstract, details of measurement, rate analysis, materials and
// labour, each part exactly as its own statement shows it.
#include "abstract/abstractwindow.h"

#include "kit/dialogs.h"
#include "kit/reportlist.h"
#include "kit/uikit.h"
#include "labour/labourwindow.h"
#include "measurement/measurementmodel.h"
#include "measurement/measurementwindow.h"

#include <QLabel>

using namespace ratebook;

namespace {

QString text(const std::string &s) { return QString::fromStdString(s); }

} // namespace

LabourWindow *AbstractWindow::labour()
{
    if (!m_labour)
        m_labour = new LabourWindow(this, *m_document);
    if (!m_labour->isVisible())
        updateLabour();
    return m_labour;
}

void AbstractWindow::showLabour()
{
    kit::showBeside(labour(), this);
}

// The twelve with a row of labour are counted, at the wages of the costs the rates came from;
// the rest are named as not counted.
void AbstractWindow::updateLabour()
{
    if (!m_labour || !m_abstract)
        return;
    std::vector<LabourItem> items;
    QStringList notCounted;
    for (const AbstractHead &head : m_abstract->heads) {
        for (const AbstractLine &line : head.lines) {
            const std::span<const LabourTerm> perUnit = line.item > 0
                                                            ? labourOf(line.item)
                                                            : std::span<const LabourTerm>();
            if (perUnit.empty())
                notCounted << (line.item > 0 ? text(line.description)
                                             : tr("item %1").arg(text(line.number)));
            else
                items.push_back(
                    {line.number, line.description, line.unit, line.quantity, line.per, perUnit});
        }
    }
    std::array<Paise, LabourClassCount> wages{};
    try {
        for (std::size_t c = 0; c < LabourClassCount; ++c) {
            const QString cost = m_costs.texts.value(
                m_judge.layout.texts.value(qsizetype(FirstLabourClass + c)));
            wages[c] = shownUnits(toNumber(cost.toStdString()), 2);
        }
    } catch (const ComputeError &) {
        // Costs that gave rates are numbers: none is left to refuse here.
    }
    m_labour->setItems(std::move(items), wages, notCounted, source());
}

// "Face Sheet…", and the first time the whole estimate is handed on: the name of work and place,
// a report, and who prepares, checks and approves it.
bool AbstractWindow::askFaceSheet()
{
    const documents::WorkDetails details = m_document->details();
    kit::Form form{QStringLiteral("faceSheet"), tr("Face Sheet"),
                   {{tr("&Name of work:"), details.work},
                    {tr("&Place:"), details.place},
                    {tr("&Report:"), m_face.report, {}, false, true},
                    {tr("Prepared &by:"), m_face.preparedBy},
                    {tr("&Checked by:"), m_face.checkedBy},
                    {tr("&Approved by:"), m_face.approvedBy}}};
    if (!kit::dialogs().askForm(this, form))
        return false;
    m_document->setDetails({form.fields[0].value, form.fields[1].value}, true);
    m_face = {form.fields[2].value, form.fields[3].value, form.fields[4].value,
              form.fields[5].value, true};
    markChanged();
    return true;
}

void AbstractWindow::handOnWhole(HandOn how, const QString &caption)
{
    const QString title = tr("Estimate");
    if (!m_abstract) {
        kit::showMessage(this, tr("The estimate has no figures while a quantity is not a number."),
                         caption);
        return;
    }
    if (!m_face.asked && !askFaceSheet())
        return;
    try {
        if (how == HandOn::Workbook)
            return documents::exportWorkbook(this, caption, title, wholeWorkbook());
        // Every part as its own statement shows it; a part with nothing in it is left out.
        QList<documents::Statement> parts{m_document->statement()};
        if (!m_measurements->isEmpty())
            parts << documents::Document::of(measurementSheet())->statement();
        parts << m_judge.statement(m_costs.texts, m_document->details());
        parts << documents::Document::of(m_extractor)->statement();
        if (const LabourWindow *statement = labour(); statement->hasLines())
            parts << statement->statement();
        for (documents::Statement &part : parts)
            part.details = m_document->details();
        const Paise figure = m_abstract->finalFigure();
        documents::FacePage face{title,
                                 m_document->details().work,
                                 {{tr("Place:"), m_document->details().place},
                                  {tr("Estimated cost:"), money(figure)},
                                  {tr("In words:"), text(rupeesInWords(figure))},
                                  {tr("Rates from:"), source()}},
                                 m_face.report.split(QLatin1Char('\n'), Qt::SkipEmptyParts),
                                 {{tr("Prepared by"), m_face.preparedBy},
                                  {tr("Checked by"), m_face.checkedBy},
                                  {tr("Approved by"), m_face.approvedBy}}};
        const auto paint = [&](QPagedPaintDevice &device) {
            return documents::paintBundle(device, face, parts);
        };
        if (how == HandOn::Print)
            documents::printPages(this, title, paint);
        else
            documents::exportPdf(this, caption, title, paint);
    } catch (const std::exception &failure) {
        kit::showMessage(this, QString::fromStdString(failure.what()) + QLatin1Char('.'), caption);
    }
}
