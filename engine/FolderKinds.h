// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#pragma once

#include "FileIdentity.h"
#include "FileSystem.h"
#include "FolderIndex.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <optional>

// What named files are, learnt from one listing of each folder that holds several of
// them instead of a stat per name, so a batch of renames costs the renames plus a few
// calls per folder. A name the listing lacks or cannot type is asked for by itself: a
// file system that ignores case lists "Song.mp3" for a "song.mp3" that opens fine.
class FolderKinds
{
public:
    // folders: the folder (native bytes, ending with a separator, or empty for the
    // current one) of every name that will be asked about, so the folders worth a
    // listing are known before the first question.
    FolderKinds(const QList<QByteArray> &folders, FileSystem &fs);
    // The same for whole paths, split at their last separator.
    static FolderKinds ofPaths(const QList<QByteArray> &paths, FileSystem &fs);

    // What folder + name leads to, links followed, as FileSystem::kind tells it.
    FileSystem::Kind kind(const QByteArray &folder, const QByteArray &name);
    FileSystem::Kind kind(const QByteArray &path);
    // The folder's names as one listing gives them, read now if no question has read it
    // yet, however few names were announced for it; null when it cannot be read.
    const FolderIndex *names(const QByteArray &folder);
    // Where folder + name is on disk as the folder's listing tells it (the device asked
    // once per folder), with size and time unknown; none when the folder holds too few
    // of the batch's names to be read, or its listing lacks the name or its inode, or
    // cannot be trusted for them: then a stat of the name tells.
    std::optional<FileIdentity> listedIdentity(const QByteArray &folder, const QByteArray &name);

private:
    FolderKinds(QHash<QByteArray, qsizetype> namesPerFolder, FileSystem &fs);
    const FolderIndex *listing(const QByteArray &folder);
    FileSystem::Kind kindIn(const QByteArray &folder, std::string_view name, const QByteArray &path);

    FileSystem &m_fs;
    QHash<QByteArray, qsizetype> m_namesPerFolder;
    QHash<QByteArray, std::optional<quint64>> m_devices;
    // The folder asked about last for a device, which the next name shares in a batch.
    QHash<QByteArray, std::optional<quint64>>::const_iterator m_lastDevice = m_devices.cend();
    QHash<QByteArray, std::optional<FolderIndex>> m_listings;
    // The folder asked about last, which the next name shares in a batch.
    QHash<QByteArray, std::optional<FolderIndex>>::iterator m_last = m_listings.end();
};
