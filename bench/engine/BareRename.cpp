// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
// The floor for a capitalising rename: for each FILE, lower-case the name, capitalise
// each word (the second character when the first is not a letter), rename when the name
// changed.
// ASCII only, no checks beyond what renameat2(RENAME_NOREPLACE) does: the one call per
// file a rename that never replaces cannot do without. `--lower FOLDER` only lower-cases
// every name in FOLDER, which puts a benchmark folder back before the next run.
#include <cctype>
#include <cstdio>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <string>
#include <vector>

namespace {

std::string capitalised(const std::string &name, bool lowerOnly)
{
    std::string s = name;
    for (char &c : s)
        c = char(std::tolower(static_cast<unsigned char>(c)));
    const size_t first = !s.empty() && !std::isalpha(static_cast<unsigned char>(s[0])) ? 1 : 0;
    for (size_t i = 0; i < s.size() && !lowerOnly; ++i) {
        if (i == first || (i > 0 && s[i - 1] == ' '))
            s[i] = char(std::toupper(static_cast<unsigned char>(s[i])));
    }
    return s;
}

int renameAll(const std::string &folder, const std::vector<std::string> &names, bool lowerOnly)
{
    int failed = 0;
    for (const std::string &name : names) {
        const std::string s = capitalised(name, lowerOnly);
        if (s != name && ::renameat2(AT_FDCWD, (folder + name).c_str(), AT_FDCWD, (folder + s).c_str(),
                                     RENAME_NOREPLACE) != 0)
            ++failed;
    }
    return failed ? 1 : 0;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc == 3 && std::strcmp(argv[1], "--lower") == 0) {
        DIR *dir = opendir(argv[2]);
        if (!dir)
            return 1;
        std::vector<std::string> names;
        while (const dirent *e = readdir(dir)) {
            if (e->d_name[0] != '.')
                names.emplace_back(e->d_name);
        }
        closedir(dir);
        return renameAll(std::string(argv[2]) + '/', names, true);
    }
    if (argc < 2) {
        std::fprintf(stderr, "usage: bare_rename FILE... | bare_rename --lower FOLDER\n");
        return 2;
    }
    int first = std::strcmp(argv[1], "--") == 0 ? 2 : 1;
    return renameAll(std::string(), std::vector<std::string>(argv + first, argv + argc), false);
}
