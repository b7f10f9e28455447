// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#pragma once

#include "FileSystem.h"

#include <QtGlobal>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// One folder's names, looked up byte for byte, with what each entry said it is. Made
// for folders of tens of thousands of names read for one batch: the names share one
// buffer and an open-addressing table of indexes finds them, so reading a name costs
// a copy into the buffer, not an allocation and a node of its own.
class FolderIndex
{
public:
    // Room for about this many names of this many bytes in all, so a reader that knows
    // the folder's size grows nothing.
    void reserve(qsizetype names, qsizetype bytes);
    // A name read again keeps the kind and inode read last. inode 0: the listing did
    // not tell.
    void add(std::string_view name, std::optional<FileSystem::Kind> kind, quint64 inode = 0);

    qsizetype size() const { return qsizetype(m_entries.size()); }
    // The names in the order first read, each once.
    std::string_view name(qsizetype index) const { return nameOf(m_entries[size_t(index)]); }
    bool contains(std::string_view name) const { return find(name) != kNone; }
    // What the entry said the name is; nullopt when the name is not listed or its entry
    // did not tell (a link, or a file system that leaves the type unknown).
    std::optional<FileSystem::Kind> typedKind(std::string_view name) const;
    // The inode the entry gave; nullopt when the name is not listed or the listing did
    // not tell.
    std::optional<quint64> inode(std::string_view name) const;

private:
    static constexpr quint32 kNone = ~quint32(0);
    static constexpr qint8 kUntyped = -1;

    struct Entry
    {
        quint32 offset;
        quint32 size;
        size_t hash;
        quint64 inode;
        qint8 kind;
    };

    std::string_view nameOf(const Entry &entry) const { return {m_names.data() + entry.offset, entry.size}; }
    quint32 find(std::string_view name) const;
    quint32 find(std::string_view name, size_t hash) const;
    void place(quint32 entry);
    void rehash(size_t slots);

    std::string m_names;
    std::vector<Entry> m_entries;
    // Entry index per slot, kNone where free; a power of two, at most half full.
    std::vector<quint32> m_slots;
};
