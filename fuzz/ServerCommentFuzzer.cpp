// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
// Whatever a feedback client sends becomes one field of one line of the comments file,
// from which the sender's bytes read back exactly; the length cut never splits a character.
#include "CommentEscaping.h"
#include "CommentFileReader.h"
#include "FuzzInput.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const std::string_view comment(reinterpret_cast<const char *>(data), size);
    const std::string text = CommentEscaping::escaped(comment);
    const QString shown = QString::fromStdString(text);
    fuzzCheck(text.find_first_of("\r\n\t") == std::string::npos, "a comment stays one field of one line", shown);
    const std::optional<std::string> back = CommentFileReader::unescaped(text);
    fuzzCheck(back && *back == comment, "the sender's bytes read back exactly", shown);
    if (size > 0) {
        const std::size_t max = size - 1;
        const std::size_t kept = CommentEscaping::cut(comment, max).size();
        fuzzCheck(kept <= max && kept + 3 >= max, "a cut drops at most a character's tail", shown);
    }
    return 0;
}
