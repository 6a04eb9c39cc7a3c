// SPDX-FileCopyrightText: 2026 ratebook developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes opened as a work file, in either window holding its sample, an estimate with
// its abstract: refused with one message and the window as it was, or taken whole, every
// box as the file says.
#include "fuzz.h"

#include "abstract/abstractwindow.h"
#include "common/numbertext.h"
#include "datasheet/datasheet1.h"
#include "documents/document.h"
#include "extractor/form17.h"
#include "kit/dialogs.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QTemporaryDir>

namespace {

using namespace ratebook;

struct World
{
    QTemporaryDir dir;
    QStringList said;
    std::array<WorkWindow *, 2> windows{};
    std::array<documents::WorkFile, 2> samples;
    QMap<QString, documents::FileLayout> layouts; // by kind
};
World *world;

// Every box's text and state, every tick.
QStringList state(const QWidget *window)
{
    QStringList seen;
    for (const QLineEdit *box : window->findChildren<QLineEdit *>())
        seen << box->objectName() + '=' + box->text() + (box->isEnabled() ? "" : " locked");
    for (const QCheckBox *tick : window->findChildren<QCheckBox *>())
        seen << tick->objectName() + (tick->isChecked() ? " ticked" : "");
    return seen;
}

template <class Window>
Window *built()
{
    auto *window = new Window;
    window->Form_Load();
    return window;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    new QApplication(*argc, *argv);
    world = new World;
    kit::setDialogs({[](QWidget *, const kit::Message &m) { world->said << m.prompt; }});
    world->windows = {built<datasheet1>(), built<Form17>()};
    QList<documents::FileKind> kinds;
    for (WorkWindow *window : world->windows) {
        const documents::Document *document = documents::Document::of(window);
        kinds << documents::FileKind{document->spec().layout(), window->objectName(),
                                     [window](const documents::WorkFile &file) {
                                         documents::Document::of(window)->load(file);
                                     }};
    }
    auto *extractor = static_cast<Form17 *>(world->windows[1]);
    const CostsJudge judge{kinds[0].layout, datasheet1::ratesFor};
    auto *abstract = new AbstractWindow(extractor, judge);
    const auto estimate = [extractor, abstract](const documents::WorkFile &file) {
        documents::Document::of(extractor)->load(file);
        abstract->load(file);
    };
    const documents::FileLayout estimates = AbstractWindow::estimateLayout(kinds[1].layout, judge);
    kinds << documents::FileKind{estimates, extractor->objectName(), estimate};
    documents::setFileKinds(kinds);
    for (const documents::FileKind &kind : kinds)
        world->layouts.insert(kind.layout.kind, kind.layout);
    const QString samples = RATEBOOK_SAMPLES;
    world->samples = {documents::readWorkFile(samples + "costs.ratebook", kinds[0].layout),
                      documents::readWorkFile(samples + "quantities.ratebook", kinds[1].layout)};
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString path = world->dir.filePath("input.ratebook");
    QFile file(path);
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    check(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size(), "not written");
    file.close();
    for (std::size_t i = 0; i < world->windows.size(); ++i) {
        WorkWindow *window = world->windows[i];
        documents::Document::of(window)->load(world->samples[i]);
        const QStringList before = state(window);
        world->said.clear();
        try {
            documents::openWorkFile(path, window);
        } catch (const documents::WorkFileError &e) {
            check(world->said.isEmpty() && state(window) == before, "a refused file left a mark");
            check(e.message().contains(QDir::toNativeSeparators(path)), "a refusal names no file");
            continue;
        }
        // Taken: each box holds the file's text, an emptied quantity "0" as typing leaves it.
        const documents::WorkFile taken = documents::Document::of(window)->contents();
        const QString kind = documents::readKind(path);
        const documents::WorkFile read = documents::readWorkFile(path, world->layouts.value(kind));
        for (auto it = read.texts.cbegin(); it != read.texts.cend(); ++it) {
            QString expected = it.value();
            if (window->objectName() == "Form17" && isBlank(expected.toStdString()))
                expected = "0";
            check(taken.texts.value(it.key()) == expected, "a box not as the file says");
        }
        check(taken.ticks == read.ticks && taken.open == read.open, "a tick or an open box wrong");
    }
    return 0;
}
