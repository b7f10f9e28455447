// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#include "FolderIndex.h"

#include <cstring>

namespace {

// Every name of a batch is hashed once when its folder is read and again at each
// lookup, so the hash takes eight bytes a step instead of one. Each step is a
// multiplication by an odd number (nothing lost) and a rotation; the end mixes every
// bit into the low ones the table's slots are taken from.
size_t hashOf(std::string_view name)
{
    constexpr quint64 kOdd = 0x9E3779B97F4A7C15ull;
    const auto step = [](quint64 h, quint64 word) {
        h = (h ^ word) * kOdd;
        return (h << 31) | (h >> 33);
    };
    quint64 h = name.size();
    const char *p = name.data();
    const char *const end = p + name.size();
    quint64 word = 0;
    for (; end - p > 8; p += 8) {
        std::memcpy(&word, p, 8);
        h = step(h, word);
    }
    if (name.size() >= 8) {
        std::memcpy(&word, end - 8, 8); // the last eight bytes, some of them hashed already
    } else {
        word = 0;
        for (; p != end; ++p)
            word = word << 8 | uchar(*p);
    }
    h = step(h, word);
    h ^= h >> 33;
    h *= 0xFF51AFD7ED558CCDull;
    h ^= h >> 33;
    h *= 0xC4CEB9FE1A85EC53ull;
    h ^= h >> 33;
    return size_t(h);
}

// At most half full keeps probe runs short without a second table.
size_t slotsFor(size_t names)
{
    size_t slots = 16;
    while (slots < names * 2)
        slots *= 2;
    return slots;
}

} // namespace

void FolderIndex::reserve(qsizetype names, qsizetype bytes)
{
    m_entries.reserve(size_t(names));
    m_names.reserve(size_t(bytes));
    if (slotsFor(size_t(names)) > m_slots.size())
        rehash(slotsFor(size_t(names)));
}

void FolderIndex::add(std::string_view name, std::optional<FileSystem::Kind> kind, quint64 inode)
{
    const qint8 stored = kind ? qint8(*kind) : kUntyped;
    const size_t hash = hashOf(name);
    if (const quint32 found = find(name, hash); found != kNone) {
        m_entries[found].kind = stored;
        m_entries[found].inode = inode;
        return;
    }
    m_entries.push_back({quint32(m_names.size()), quint32(name.size()), hash, inode, stored});
    m_names.append(name);
    if (m_entries.size() * 2 > m_slots.size())
        rehash(slotsFor(m_entries.size()));
    else
        place(quint32(m_entries.size() - 1));
}

std::optional<FileSystem::Kind> FolderIndex::typedKind(std::string_view name) const
{
    const quint32 found = find(name);
    if (found == kNone || m_entries[found].kind == kUntyped)
        return std::nullopt;
    return FileSystem::Kind(m_entries[found].kind);
}

std::optional<quint64> FolderIndex::inode(std::string_view name) const
{
    const quint32 found = find(name);
    if (found == kNone || m_entries[found].inode == 0)
        return std::nullopt;
    return m_entries[found].inode;
}

quint32 FolderIndex::find(std::string_view name) const
{
    return find(name, hashOf(name));
}

quint32 FolderIndex::find(std::string_view name, size_t hash) const
{
    if (m_slots.empty())
        return kNone;
    const size_t mask = m_slots.size() - 1;
    for (size_t slot = hash & mask;; slot = (slot + 1) & mask) {
        const quint32 entry = m_slots[slot];
        if (entry == kNone)
            return kNone;
        if (m_entries[entry].hash == hash && nameOf(m_entries[entry]) == name)
            return entry;
    }
}

void FolderIndex::place(quint32 entry)
{
    const size_t mask = m_slots.size() - 1;
    size_t slot = m_entries[entry].hash & mask;
    while (m_slots[slot] != kNone)
        slot = (slot + 1) & mask;
    m_slots[slot] = entry;
}

void FolderIndex::rehash(size_t slots)
{
    m_slots.assign(slots, kNone);
    for (quint32 i = 0; i < quint32(m_entries.size()); ++i)
        place(i);
}
