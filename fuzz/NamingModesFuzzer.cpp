// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
// The four naming modes on any name a file list could show (no "/", never empty),
// with the promises the rename pass builds on: Format is stable on its own output,
// no mode invents a path separator, and each mode keeps the lengths it promises.
#include "FuzzInput.h"
#include "NameNormaliser.h"

namespace {

void checkNoSlash(const QString &name, const QString &out, const char *mode)
{
    fuzzCheck(!out.contains(u'/'), mode, name + QStringLiteral(" -> ") + out);
}

void checkCollapsed(const QString &out)
{
    fuzzCheck(!out.contains(QStringLiteral("  ")) && !out.endsWith(u' '), "spacing is tidied", out);
}

void checkFormat(const QString &name, int count)
{
    const QString out = FormatName(name, count);
    if (out == emptyProposal())
        return;
    checkNoSlash(name, out, "FormatName gave a /");
    checkCollapsed(out);
    fuzzCheck(out.startsWith(u'(') && out.size() <= name.size() + 2, "FormatName's length", out);
    fuzzCheck(FormatName(out, count) == out, "FormatName is stable on its own output", name + QStringLiteral(" -> ") + out);
}

// Every blanked character that survives stands in the last position: ‹.mp3› keeps its 3.
void checkBlanked(const QString &name, const QString &out, bool (*hit)(QChar), const char *mode)
{
    checkNoSlash(name, out, mode);
    checkCollapsed(out);
    fuzzCheck(out.size() <= name.size(), mode, out);
    for (qsizetype i = 0; i + 1 < out.size(); ++i)
        fuzzCheck(!hit(out.at(i)), mode, name + QStringLiteral(" -> ") + out);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzInput input(data, size);
    const int count = 1 + input.byte() % 8;
    QString name = QString::fromUtf8(input.rest());
    name.remove(u'/');
    if (name.isEmpty())
        return 0;

    checkFormat(name, count);

    const QString capitalized = CapitalizeOnly(name);
    checkNoSlash(name, capitalized, "CapitalizeOnly gave a /");
    qsizetype trimmedLength = name.size();
    for (qsizetype i = 0; i < name.size() && name.at(i) == u' '; ++i)
        --trimmedLength;
    for (qsizetype i = name.size() - 1; trimmedLength > 0 && name.at(i) == u' '; --i)
        --trimmedLength;
    fuzzCheck(capitalized.size() == trimmedLength, "CapitalizeOnly only trims", capitalized);

    checkBlanked(name, RemoveNumbers(name), [](QChar c) { return c >= u'0' && c <= u'9'; }, "RemoveNumbers");
    checkBlanked(name, RemoveUnderscore(name), [](QChar c) { return c == u'_'; }, "RemoveUnderscore");

    if (const std::optional<int> answer = ParseCountAnswer(name))
        fuzzCheck(*answer >= 1 && *answer <= 32767, "a count answer fits a 16-bit count");
    return 0;
}
