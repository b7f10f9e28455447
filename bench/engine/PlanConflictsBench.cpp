// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#include "BenchNames.h"
#include "PlanConflicts.h"

#include <QFile>
#include <QSet>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

// The conflict check of a 10,000-entry preview over a real folder of 10,000 files: the
// folder's one listing, the case probe and the batch comparison (target: under 100 ms).
void BM_PlanConflicts(benchmark::State &state)
{
    QTemporaryDir dir;
    const QByteArray folder = QFile::encodeName(dir.path()) + '/';
    QList<RenamePlan::Source> sources;
    QSet<QString> seen;
    for (const QString &name : benchNames(int(state.range(0)))) {
        if (seen.contains(name))
            continue;
        seen.insert(name);
        QFile(dir.filePath(name)).open(QIODevice::WriteOnly);
        sources.append({NativeName(folder, QString::fromUtf8(folder)), NativeName::fromText(name)});
    }
    FixedCountSource two(2);
    RenamePlan plan = RenamePlan::build(sources, NamingMode::Format, two);
    const QList<QByteArray> folders(sources.size(), folder);
    for (auto _ : state) {
        FolderKinds kinds(folders, FileSystem::native());
        PlanConflicts(kinds).mark(plan);
        benchmark::DoNotOptimize(plan.entries().constLast().conflict);
    }
    state.SetItemsProcessed(state.iterations() * sources.size());
}

BENCHMARK(BM_PlanConflicts)->Arg(10000)->Unit(benchmark::kMillisecond);

} // namespace
