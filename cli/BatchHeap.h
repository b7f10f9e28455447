// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#pragma once

#include <cstddef>

// A command over thousands of files touches megabytes of new memory, names and their
// proposals mostly, and the first touch of each 4 KiB page is a page fault: on a
// virtual machine about 10 µs each, for 10,000 files more than the renames' own user
// time. Asked before such a batch, the heap grows once by about what the batch needs
// and asks the kernel for transparent huge pages there, a fault per 2 MiB. Elsewhere
// than glibc on Linux it does nothing.
class BatchHeap
{
public:
    // Room for about this many bytes; smaller batches are better left alone.
    static void reserve(std::size_t bytes);
};
