// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
// tags_bare_loop read|write FILE...
// read:  open, read the last 128 bytes, close.
// write: open, read the last 128 bytes, write 128 bytes over the tag (or after the
//        end when there is none), close.
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

int main(int argc, char **argv)
{
    if (argc < 2)
        return 2;
    const bool write = std::strcmp(argv[1], "write") == 0;
    char tail[128];
    char record[128] = "TAG";
    int failed = 0;
    for (int i = 2; i < argc; ++i) {
        const int fd = ::open(argv[i], write ? O_RDWR : O_RDONLY);
        struct stat st {};
        if (fd < 0 || ::fstat(fd, &st) != 0) {
            ++failed;
            continue;
        }
        off_t pos = st.st_size;
        if (st.st_size >= 128 && ::pread(fd, tail, 128, st.st_size - 128) == 128 && std::memcmp(tail, "TAG", 3) == 0)
            pos = st.st_size - 128;
        if (write && ::pwrite(fd, record, 128, pos) != 128)
            ++failed;
        ::close(fd);
    }
    return failed ? 1 : 0;
}
