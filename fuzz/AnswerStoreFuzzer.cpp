// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
// renamer.dat as found on disk: one entry per line whatever the bytes, only counts a
// preview can have stored, and the counts read back the same once appended again.
#include "AnswerStore.h"
#include "FuzzInput.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

namespace {

QString scratchPath(const char *role)
{
    return QDir::tempPath()
        + QStringLiteral("/marlune-fuzz-%1-%2.dat").arg(QLatin1String(role)).arg(QCoreApplication::applicationPid());
}

QList<int> presentCounts(const AnswerStore::Contents &contents)
{
    QList<int> counts;
    for (const std::optional<int> &count : contents.counts) {
        if (count) {
            fuzzCheck(*count >= 1 && *count <= 32767, "a stored count is a valid word count");
            counts.append(*count);
        }
    }
    return counts;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzInput input(data, size);
    const QByteArray bytes = input.rest();
    const AnswerStore found(scratchPath("found"));
    QFile file(found.path());
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        fuzzFailure("cannot write the scratch file", found.path());
    file.close();

    const AnswerStore::Contents contents = found.read();
    fuzzCheck(contents.error.number == 0, "an existing store reads", contents.error.description);
    const qsizetype lines = bytes.count('\n') + (bytes.isEmpty() || bytes.endsWith('\n') ? 0 : 1);
    fuzzCheck(contents.counts.size() == lines, "one entry per line");

    const QList<int> counts = presentCounts(contents);
    AnswerStore copy(scratchPath("copy"));
    copy.remove();
    for (const int count : counts)
        fuzzCheck(copy.append(count).number == 0, "a count appends");
    const AnswerStore::Contents copied = copy.read();
    fuzzCheck(counts.isEmpty() || presentCounts(copied) == counts, "appended counts read back");
    return 0;
}
