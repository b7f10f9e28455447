// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#include "CommentFileReader.h"

#include "CommentEscaping.h"

namespace CommentFileReader {

namespace {

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

std::optional<char> escapedByte(std::string_view text, std::size_t &i)
{
    if (i + 1 >= text.size())
        return std::nullopt;
    const char kind = text[++i];
    switch (kind) {
    case '\\': return '\\';
    case 'r': return '\r';
    case 'n': return '\n';
    case 't': return '\t';
    case 'x': {
        if (i + 2 >= text.size())
            return std::nullopt;
        const int high = hexValue(text[i + 1]);
        const int low = hexValue(text[i + 2]);
        if (high < 0 || low < 0)
            return std::nullopt;
        i += 2;
        return static_cast<char>(high * 16 + low);
    }
    default: return std::nullopt;
    }
}

} // namespace

std::optional<std::string> unescaped(std::string_view text)
{
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\') {
            out += text[i];
            continue;
        }
        const std::optional<char> byte = escapedByte(text, i);
        if (!byte)
            return std::nullopt;
        out += *byte;
    }
    // Raw text must be exactly what the escaping keeps raw: printable UTF-8.
    if (CommentEscaping::escaped(out) != text)
        return std::nullopt;
    return out;
}

std::optional<std::vector<Record>> read(std::string_view file, std::string *error)
{
    std::vector<Record> records;
    std::size_t start = 0;
    while (start < file.size()) {
        const std::size_t end = file.find('\n', start);
        const auto fail = [&](const char *why) {
            if (error)
                *error = "line " + std::to_string(records.size() + 1) + ": " + why;
            return std::nullopt;
        };
        if (end == std::string_view::npos)
            return fail("no line end");
        const std::string_view line = file.substr(start, end - start);
        const std::size_t tab1 = line.find('\t');
        const std::size_t tab2 = tab1 == std::string_view::npos ? tab1 : line.find('\t', tab1 + 1);
        if (tab2 == std::string_view::npos)
            return fail("fewer than three fields");
        std::optional<std::string> comment = unescaped(line.substr(tab2 + 1));
        if (!comment)
            return fail("text not escaped as written");
        records.push_back({std::string(line.substr(0, tab1)), std::string(line.substr(tab1 + 1, tab2 - tab1 - 1)),
                           std::move(*comment)});
        start = end + 1;
    }
    return records;
}

} // namespace CommentFileReader
