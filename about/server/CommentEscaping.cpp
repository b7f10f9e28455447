// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#include "CommentEscaping.h"

namespace {

struct Decoded
{
    char32_t codePoint = 0;
    std::size_t length = 0; // 0: no valid character starts here
};

bool isContinuation(unsigned char c)
{
    return (c & 0xC0) == 0x80;
}

// Strict UTF-8: no overlong forms, no surrogates, nothing above U+10FFFF.
Decoded decodeAt(std::string_view s, std::size_t i)
{
    const auto lead = static_cast<unsigned char>(s[i]);
    std::size_t length = 0;
    char32_t cp = 0;
    char32_t lowest = 0;
    if (lead < 0x80)
        return {lead, 1};
    if ((lead & 0xE0) == 0xC0) {
        length = 2, cp = lead & 0x1F, lowest = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3, cp = lead & 0x0F, lowest = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4, cp = lead & 0x07, lowest = 0x10000;
    } else {
        return {};
    }
    if (i + length > s.size())
        return {};
    for (std::size_t k = 1; k < length; ++k) {
        const auto c = static_cast<unsigned char>(s[i + k]);
        if (!isContinuation(c))
            return {};
        cp = (cp << 6) | (c & 0x3F);
    }
    if (cp < lowest || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
        return {};
    return {cp, length};
}

bool isPrintable(char32_t cp)
{
    if (cp < 0x20 || (cp >= 0x7F && cp <= 0x9F))
        return false;
    // Separators that split lines for some readers, and invisible characters
    // that reorder or hide what a reader of the file sees.
    if ((cp >= 0x200B && cp <= 0x200F) || (cp >= 0x2028 && cp <= 0x202E) || (cp >= 0x2066 && cp <= 0x2069))
        return false;
    return cp != 0xFEFF && cp != 0xFFFE && cp != 0xFFFF;
}

void appendHex(std::string &out, unsigned char byte)
{
    static constexpr char digits[] = "0123456789abcdef";
    out += "\\x";
    out += digits[byte >> 4];
    out += digits[byte & 0x0F];
}

void appendAscii(std::string &out, char c)
{
    switch (c) {
    case '\\': out += "\\\\"; break;
    case '\r': out += "\\r"; break;
    case '\n': out += "\\n"; break;
    case '\t': out += "\\t"; break;
    default:
        if (isPrintable(static_cast<unsigned char>(c)))
            out += c;
        else
            appendHex(out, static_cast<unsigned char>(c));
    }
}

} // namespace

namespace CommentEscaping {

std::string escaped(std::string_view comment)
{
    std::string out;
    out.reserve(comment.size() + comment.size() / 8);
    std::size_t i = 0;
    while (i < comment.size()) {
        const Decoded d = decodeAt(comment, i);
        if (d.length == 1) {
            appendAscii(out, comment[i]);
        } else if (d.length > 1 && isPrintable(d.codePoint)) {
            out.append(comment.substr(i, d.length));
        } else {
            // Each byte on its own, so invalid input keeps its exact bytes.
            for (std::size_t k = 0; k < (d.length ? d.length : 1); ++k)
                appendHex(out, static_cast<unsigned char>(comment[i + k]));
        }
        i += d.length ? d.length : 1;
    }
    return out;
}

std::string_view cut(std::string_view received, std::size_t maxBytes)
{
    if (received.size() <= maxBytes)
        return received;
    // Only a valid character that reaches past the cut is left out: bytes of
    // invalid UTF-8 stand for themselves and may be cut anywhere.
    for (std::size_t back = 1; back <= 3 && back <= maxBytes; ++back) {
        const std::size_t start = maxBytes - back;
        if (isContinuation(static_cast<unsigned char>(received[start])))
            continue;
        const Decoded d = decodeAt(received, start);
        return received.substr(0, d.length > back ? start : maxBytes);
    }
    return received.substr(0, maxBytes);
}

} // namespace CommentEscaping
