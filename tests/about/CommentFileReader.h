// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Reads a comments file back into the comments as their senders' bytes, and
// refuses anything that is not exactly what the server writes: a line that is
// not "time TAB sender TAB text" with a line end, a raw byte that the escaping
// would have escaped, or an unknown escape.
namespace CommentFileReader {

struct Record
{
    std::string time;
    std::string sender;
    std::string comment;
};

// nullopt when the text is not a valid escaped comment.
std::optional<std::string> unescaped(std::string_view text);

// nullopt when any line is malformed; error (when given) says which and why.
std::optional<std::vector<Record>> read(std::string_view file, std::string *error = nullptr);

} // namespace CommentFileReader
