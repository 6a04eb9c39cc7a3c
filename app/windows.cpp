// SPDX-FileCopyrightText: 2026 ratebook developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/windows.h"

#include "app/estimate.h"
#include "app/form1.h"
#include "datasheet/datasheet1.h"
#include "documents/document.h"
#include "extractor/form17.h"

#include <QApplication>
#include <QPointer>

#include <type_traits>

namespace ratebook::windows {

namespace {

QPointer<Form1> mainSlot;
QPointer<datasheet1> dataSheetSlot;
QPointer<Form17> extractorSlot;
std::function<void(const char *)> beforeBuild;

} // namespace

// Which window opens each kind of file: the one place that knows them all.
void knowFileKinds()
{
    static bool known = false;
    if (known)
        return;
    known = true;
    auto openIn = [](QWidget *window, const documents::WorkFile &file) {
        window->show();
        documents::Document::of(window)->load(file);
    };
    documents::setFileKinds({
        {datasheet1::document().layout(), QStringLiteral("datasheet1"),
         [openIn](const documents::WorkFile &file) { openIn(dataSheet(), file); }},
        {Form17::document().layout(), QStringLiteral("Form17"),
         [openIn](const documents::WorkFile &file) { openIn(extractor(), file); }},
        estimateFiles(),
    });
}

namespace {

// `onBuilt` adds what the program gives a window beyond its own making.
template <class Window>
Window *reach(QPointer<Window> &slot, const char *name, void (*onBuilt)(Window *) = nullptr)
{
    // Files open from the work windows' menus; the main window alone needs no kinds.
    if constexpr (std::is_base_of_v<WorkWindow, Window>)
        knowFileKinds();
    if (!slot) {
        if (beforeBuild)
            beforeBuild(name);
        auto *window = new Window;
        slot = window;
        // The navigation rule: a work window, however it closes, brings the main window
        // back before it goes, so that there is always a window.
        if constexpr (std::is_base_of_v<WorkWindow, Window>) {
            QObject::connect(window, &WorkWindow::unloaded, window, [window] {
                form1()->show();
                unload(window);
            });
        }
        try {
            window->Form_Load();
        } catch (...) {
            slot = nullptr;
            delete window;
            throw;
        }
        if (onBuilt)
            onBuilt(window);
    }
    return slot;
}

} // namespace

Form1 *form1() { return reach(mainSlot, "Form1"); }
datasheet1 *dataSheet() { return reach(dataSheetSlot, "datasheet1"); }
Form17 *extractor() { return reach(extractorSlot, "Form17", offerAbstract); }
Form17 *loadedExtractor() { return extractorSlot; }

void unload(QWidget *window)
{
    if (mainSlot == window)
        mainSlot = nullptr;
    if (dataSheetSlot == window)
        dataSheetSlot = nullptr;
    if (extractorSlot == window)
        extractorSlot = nullptr;
    window->deleteLater();
    if (noneLoaded())
        QCoreApplication::quit();
}

bool noneLoaded()
{
    return !mainSlot && !dataSheetSlot && !extractorSlot;
}

QString cannotOpen(const std::exception &failure)
{
    return QCoreApplication::translate("windows", "The window could not be opened (%1).")
        .arg(QString::fromLocal8Bit(failure.what()));
}

void setBeforeBuild(std::function<void(const char *)> hook)
{
    beforeBuild = std::move(hook);
}

} // namespace ratebook::windows
