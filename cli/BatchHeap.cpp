// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#include "BatchHeap.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib> // and with it, glibc's version

#if defined(__linux__) && defined(__GLIBC__)
#if __GLIBC_PREREQ(2, 33)
#define MARLUNE_HUGE_HEAP
#include <malloc.h>
#include <sys/mman.h>
#include <unistd.h>
#endif
#endif

void BatchHeap::reserve(std::size_t bytes)
{
#ifdef MARLUNE_HUGE_HEAP
    constexpr std::uintptr_t kHugePage = std::uintptr_t(2) << 20;
    constexpr std::size_t kMost = std::size_t(1) << 30;
    bytes = std::min(bytes, kMost);
    // The room stays the heap's for the whole command: no trimming on a free, and
    // large blocks (a list of thousands of entries) are carved from it as well instead
    // of getting mappings of their own.
    mallopt(M_TRIM_THRESHOLD, int(std::min(2 * bytes, kMost)));
    mallopt(M_MMAP_THRESHOLD, 16 << 20);
    mallopt(M_TOP_PAD, int(bytes));
    // The heap begins anywhere within a huge page, and what lies below the next
    // boundary could only be had in small pages (on average a megabyte of them). So the
    // heap goes on from just below a boundary, with room there for the block that
    // makes it grow and for malloc's bookkeeping after it: every huge page above is
    // first touched after the advice below. The skipped addresses are never touched
    // and cost nothing; malloc takes a break moved by someone else in its stride.
    const auto page = std::uintptr_t(sysconf(_SC_PAGESIZE));
    // A block larger than the heap's free top makes it grow, by the pad.
    const std::size_t growing = mallinfo2().keepcost + page;
    const std::uintptr_t room = (growing + 2 * page + page - 1) & ~(page - 1);
    auto start = reinterpret_cast<std::uintptr_t>(sbrk(0));
    const std::uintptr_t below = ((start + room + kHugePage - 1) & ~(kHugePage - 1)) - room;
    if (below > start && sbrk(std::intptr_t(below - start)) != reinterpret_cast<void *>(-1))
        start = below;
    // (volatile: a block freed unused would be no call at all to the compiler)
    void *volatile block = std::malloc(growing);
    std::free(block);
    const auto end = reinterpret_cast<std::uintptr_t>(sbrk(0));
    const std::uintptr_t first = (start + kHugePage - 1) & ~(kHugePage - 1);
    const std::uintptr_t last = end & ~(kHugePage - 1);
    if (last > first)
        madvise(reinterpret_cast<void *>(first), last - first, MADV_HUGEPAGE);
#else
    (void)bytes;
#endif
}
