// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// How a comment's bytes become the text field of one line of the comments file,
// free of Qt so that it can be exercised on its own. Printable UTF-8 is kept as
// it is; a backslash becomes \\, CR LF and TAB become \r \n \t, and every other
// byte outside printable UTF-8 becomes \xNN (lower-case hex) of the byte itself:
// C0 and C1 controls, DEL, the line and paragraph separators U+2028/U+2029, the
// bidirectional and zero-width format characters, U+FEFF, U+FFFE/U+FFFF, and
// every byte of invalid UTF-8. So one comment is one line for any line-splitting
// reader, and the sender's bytes can be recovered exactly.
namespace CommentEscaping {

std::string escaped(std::string_view comment);

// The first maxBytes bytes of received, one to three fewer when the cut would
// fall inside a UTF-8 character (a character is kept whole or not at all).
std::string_view cut(std::string_view received, std::size_t maxBytes);

} // namespace CommentEscaping
