// SPDX-FileCopyrightText: 2026 ratebook developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes opened as a work file from either work window, through the program's kinds:
// refused with one message and the window as it was, or taken whole, as the file says.
#include "fuzz.h"

#include "app/estimate.h"
#include "app/windows.h"
#include "common/numbertext.h"
#include "datasheet/datasheet1.h"
#include "extractor/form17.h"
#include "kit/dialogs.h"

#include <QApplication>
#include <QTemporaryDir>

using namespace ratebook;
using documents::Document;
using documents::WorkFile;

namespace {

struct World
{
    QTemporaryDir dir;
    QStringList said;
    QList<WorkWindow *> windows;
    QList<WorkFile> samples;
    QMap<QString, documents::FileLayout> layouts; // by kind
};
World *world;

// What a refused file must leave as it was.
bool same(const WorkFile &a, const WorkFile &b)
{
    return a.texts == b.texts && a.ticks == b.ticks && a.open == b.open;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    new QApplication(*argc, *argv);
    world = new World;
    kit::setDialogs({[](QWidget *, const kit::Message &m) { world->said << m.prompt; }});
    world->windows = {windows::dataSheet(), windows::extractor()};
    for (const WorkWindow *window : world->windows) {
        const documents::FileLayout layout = Document::of(window)->terms().layout();
        world->layouts.insert(layout.kind, layout);
        const QString sample = RATEBOOK_SAMPLES + layout.kind + ".ratebook";
        world->samples << documents::readWorkFile(sample, layout);
    }
    const documents::FileLayout estimates = windows::estimateFiles().layout;
    world->layouts.insert(estimates.kind, estimates);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString path = world->dir.filePath("input.ratebook");
    QFile file(path);
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    check(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size(), "not written");
    file.close();
    for (qsizetype i = 0; i < world->windows.size(); ++i) {
        WorkWindow *window = world->windows[i];
        Document::of(window)->load(world->samples[i]);
        const WorkFile before = Document::of(window)->contents();
        world->said.clear();
        try {
            documents::openWorkFile(path, window);
        } catch (const documents::WorkFileError &e) {
            const bool kept = same(Document::of(window)->contents(), before);
            check(world->said.isEmpty() && kept, "a refused file left a mark");
            check(e.message().contains(QDir::toNativeSeparators(path)), "a refusal names no file");
            continue;
        }
        // Taken: each box holds the file's text, an emptied quantity "0" as typing leaves it.
        const WorkFile taken = Document::of(window)->contents();
        const documents::FileLayout layout = world->layouts.value(documents::readKind(path));
        const WorkFile read = documents::readWorkFile(path, layout);
        for (auto it = read.texts.cbegin(); it != read.texts.cend(); ++it) {
            const bool zeroed = window == world->windows[1] && isBlank(it.value().toStdString());
            const QString expected = zeroed ? QStringLiteral("0") : it.value();
            check(taken.texts.value(it.key()) == expected, "a box not as the file says");
        }
        check(taken.ticks == read.ticks && taken.open == read.open, "a tick or an open box wrong");
    }
    return 0;
}
