// SPDX-FileCopyrightText: 2026 ratebook developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/estimate.h"

#include "abstract/abstractwindow.h"
#include "app/windows.h"
#include "datasheet/datasheet1.h"
#include "extractor/form17.h"
#include "kit/reportlist.h"

namespace ratebook::windows {

namespace {

CostsJudge costsJudge()
{
    return {datasheet1::document().layout(), datasheet1::ratesFor};
}

// The extractor's abstract, made the first time it is asked for.
AbstractWindow *abstractOf(Form17 *extractor)
{
    if (auto *abstract = extractor->findChild<AbstractWindow *>(QString(), Qt::FindDirectChildrenOnly))
        return abstract;
    auto *abstract = new AbstractWindow(extractor, costsJudge());
    QObject::connect(extractor, &Form17::quantitiesChanged, abstract,
                     [extractor, abstract] { abstract->setQuantities(extractor->quantities()); });
    QObject::connect(extractor, &WorkWindow::unloaded, abstract, &QWidget::close);
    abstract->setQuantities(extractor->quantities());
    return abstract;
}

void showBeside(AbstractWindow *abstract, const Form17 *extractor)
{
    const bool first = !abstract->isVisible();
    abstract->show();
    if (first)
        abstract->placeBeside(extractor);
    abstract->raise();
    abstract->activateWindow();
}

} // namespace

void offerAbstract(Form17 *extractor)
{
    auto *table = extractor->findChild<kit::ReportList *>(QStringLiteral("ListView1"));
    table->addSeparator();
    const QString command = QStringLiteral("Abstract of Estimate…");
    table->addCommand(command, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_A), [extractor, command] {
        const auto costs = AbstractWindow::askCosts(extractor, command.chopped(1), costsJudge());
        if (!costs)
            return;
        AbstractWindow *abstract = abstractOf(extractor);
        abstract->setCosts(*costs);
        showBeside(abstract, extractor);
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
        showBeside(abstract, window);
    };
    return {AbstractWindow::estimateLayout(Form17::document().layout(), costsJudge()), QStringLiteral("Form17"), open};
}

} // namespace ratebook::windows
