// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
// The main window on the offscreen platform: File1 filled from a 50,000-file folder
// after a folder change, and a capitalising preview of 10,000 selected files.
#include "FileList.h"
#include "FolderList.h"
#include "Forms.h"
#include "ScriptedDialogs.h"
#include "frmRenamer.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

struct Window
{
    QTemporaryDir temp;
    ScriptedDialogs dialogs;
    std::unique_ptr<Forms> forms;

    Window()
    {
        Forms::Config config;
        config.appFolder = AppFolder(temp.path());
        config.media = MediaLocator(QStringList{});
        config.dialogs = &dialogs;
        config.useTray = false;
        config.quit = [] {};
        forms = std::make_unique<Forms>(std::move(config));
        forms->Renamer().show();
        QCoreApplication::processEvents();
    }
    frmRenamer &main() { return forms->Renamer(); }
};

QString makeFolder(const QString &parent, const QString &name, int count)
{
    QDir(parent).mkpath(name);
    const QString dir = parent + QLatin1Char('/') + name;
    for (int i = 0; i < count; ++i) {
        QFile f(dir + QStringLiteral("/the_band_%1-a song title no %2.mp3").arg(i % 97).arg(i));
        f.open(QIODevice::WriteOnly);
    }
    return dir;
}

void BM_File1ShowsLargeFolder(benchmark::State &state)
{
    Window w;
    const QString big = makeFolder(w.temp.path(), QStringLiteral("big"), int(state.range(0)));
    const QString empty = makeFolder(w.temp.path(), QStringLiteral("empty"), 0);
    for (auto _ : state) {
        state.PauseTiming();
        w.main().Dir1->setPath(empty);
        QCoreApplication::processEvents();
        state.ResumeTiming();
        w.main().Dir1->setPath(big);
        w.main().File1->viewport()->repaint();
    }
    state.counters["files"] = w.main().File1->listCount();
}
BENCHMARK(BM_File1ShowsLargeFolder)->Arg(50000)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_CapitalizePreview(benchmark::State &state)
{
    Window w;
    const QString dir = makeFolder(w.temp.path(), QStringLiteral("ten"), int(state.range(0)));
    w.main().Dir1->setPath(dir);
    w.main().menus().mnuCap->trigger();
    for (auto _ : state) {
        state.PauseTiming();
        w.main().ClearPreview();
        w.main().File1->selectAll();
        QCoreApplication::processEvents();
        state.ResumeTiming();
        w.main().DoIt();
        w.main().lstFiles->viewport()->repaint();
    }
    state.counters["entries"] = w.main().lstFiles->count();
}
BENCHMARK(BM_CapitalizePreview)->Arg(10000)->Unit(benchmark::kMillisecond)->Iterations(5);

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
