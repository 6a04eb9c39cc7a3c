// SPDX-FileCopyrightText: 2026 ratebook developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/estimate.h"

#include "abstract/abstractwindow.h"
#include "app/keeping.h"
#include "app/windows.h"
#include "datasheet/datasheet1.h"
#include "extractor/form17.h"
#include "kit/reportlist.h"
#include "kit/uikit.h"
#include "measurement/measurementmodel.h"

namespace ratebook::windows {

AbstractWindow *existingAbstract(const Form17 *extractor)
{
    return extractor->findChild<AbstractWindow *>(QString(), Qt::FindDirectChildrenOnly);
}

namespace {

CostsJudge costsJudge()
{
    return {datasheet1::document().layout(), datasheet1::ratesFor, datasheet1::statementFor};
}

// The net measured for one of the twelve goes into the extractor's box as typing would put
// it there; an item of one's own takes it in the abstract.
void carryMeasured(Form17 *extractor, const MeasurementModel *measurements, const QString &key)
{
    bool isNumber = false;
    const int item = key.toInt(&isNumber);
    const std::optional<Hundredths> net = measurements->measured(key);
    if (isNumber && item >= 1 && item <= int(WorkItemCount) && net)
        extractor->enterQuantity(item, QString::fromStdString(fixedText(*net, 2)));
}

// The extractor's abstract, made the first time it is asked for; it lives as long as the
// extractor, shown or not.
AbstractWindow *abstractOf(Form17 *extractor)
{
    if (AbstractWindow *abstract = existingAbstract(extractor))
        return abstract;
    auto *abstract = new AbstractWindow(extractor, costsJudge());
    QObject::connect(extractor, &Form17::quantitiesChanged, abstract,
                     [extractor, abstract] { abstract->setQuantities(extractor->quantities()); });
    QObject::connect(extractor, &WorkWindow::unloaded, abstract, &QWidget::close);
    const MeasurementModel *measurements = abstract->measurements();
    QObject::connect(measurements, &MeasurementModel::measuredChanged, extractor,
                     [extractor, measurements](const QString &key) {
                         carryMeasured(extractor, measurements, key);
                     });
    abstract->setQuantities(extractor->quantities());
    keepEstimate(extractor, abstract);
    return abstract;
}

} // namespace

void offerAbstract(Form17 *extractor)
{
    auto *table = extractor->findChild<kit::ReportList *>(QStringLiteral("ListView1"));
    table->addSeparator();
    const QString command = QStringLiteral("Abstract of Estimate…");
    const QKeySequence keys(Qt::CTRL | Qt::SHIFT | Qt::Key_A);
    table->addCommand(command, keys, [extractor, command] {
        // Once made, the estimate is there to come back to: Rates from… reprices it.
        if (AbstractWindow *abstract = existingAbstract(extractor))
            return kit::showBeside(abstract, extractor);
        const auto costs = AbstractWindow::askCosts(extractor, command.chopped(1), costsJudge());
        if (!costs)
            return;
        AbstractWindow *abstract = abstractOf(extractor);
        abstract->setCosts(*costs);
        abstract->setModified(false); // made, as if opened: nothing yet to lose
        kit::showBeside(abstract, extractor);
    });
}

documents::FileKind estimateFiles()
{
    const auto open = [](const documents::WorkFile &file) {
        Form17 *window = extractor();
        window->show();
        documents::Document::of(window)->load(file);
        AbstractWindow *abstract = abstractOf(window);
        abstract->load(file);
        const bool measured = !abstract->measurements()->isEmpty();
        kit::showBeside(abstract, window, !measured);
        if (measured)
            abstract->showMeasurements();
    };
    return {AbstractWindow::estimateLayout(Form17::document().layout(), costsJudge()),
            QStringLiteral("Form17"), open};
}

} // namespace ratebook::windows
