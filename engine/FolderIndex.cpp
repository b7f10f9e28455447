// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#include "FolderIndex.h"

#include <functional>

namespace {

size_t hashOf(std::string_view name)
{
    return std::hash<std::string_view>{}(name);
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
