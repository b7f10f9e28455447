// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#include "BenchNames.h"
#include "NativeFileSystem.h"
#include "RenamePass.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

// Every call succeeds without touching the disk, so the figure is the pass's own cost.
class NullFileSystem : public NativeFileSystem
{
public:
    int renameNoReplace(const QByteArray &, const QByteArray &) override { return 0; }
    Kind kind(const QByteArray &) override { return Kind::File; }
};

class AnswerTwo : public Dialogs
{
public:
    QString askText(const QString &, const QString &, const QString &) override { return QStringLiteral("2"); }
    void showMessage(const QString &, Icon, const QString &) override {}
};

class ListHost : public RenameHost
{
public:
    QStringList names;
    QStringList selectedFileNames() const override { return names; }
    QString currentFolder() const override { return QStringLiteral("/music"); }
    NamingMode namingMode() const override { return NamingMode::Format; }
    CommandLine commandLine() const override { return {}; }
    void setButtonCaptions(const QString &) override {}
    void EnableControls(bool) override {}
    void refreshFileList() override {}
    void showPreviewEntries(const QStringList &) override {}
};

// A rename phase over N format entries: the answer store is read once, so the cost per
// entry stays flat as N grows.
void BM_RenamePhase(benchmark::State &state)
{
    QTemporaryDir appDir;
    ListHost host;
    const QList<QString> names = benchNames(int(state.range(0)));
    host.names = QStringList(names.begin(), names.end());
    AnswerTwo dialogs;
    NullFileSystem fs;
    RenamePass pass(host, dialogs, AppFolder(appDir.path()), fs);
    for (auto _ : state) {
        state.PauseTiming();
        pass.DoIt();
        for (int i = 0; i < pass.entries().size(); ++i)
            pass.setSelected(i, true);
        state.ResumeTiming();
        pass.DoIt();
    }
    state.SetComplexityN(state.range(0));
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

BENCHMARK(BM_RenamePhase)->RangeMultiplier(2)->Range(1250, 10000)->Iterations(10)->Complexity(benchmark::oN)->Unit(benchmark::kMillisecond);

} // namespace
