// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#include "ClipSink.h"
#include "MediaLocator.h"
#include "TempDir.h"

#include <QCoreApplication>
#include <QDir>
#include <gtest/gtest.h>

TEST(MediaLocator, FirstFolderHoldingTheFileWins)
{
    TempDir beside, installed;
    installed.write(QStringLiteral("dock.wav"), "b");
    installed.write(QStringLiteral("popup.wav"), "b");
    beside.write(QStringLiteral("popup.wav"), "a");
    QDir(beside.path()).mkdir(QStringLiteral("dock.wav")); // a folder is not the file

    const MediaLocator media({beside.path(), installed.path()});
    EXPECT_EQ(media.find(QStringLiteral("popup.wav")), beside.filePath(QStringLiteral("popup.wav")));
    EXPECT_EQ(media.find(QStringLiteral("dock.wav")), installed.filePath(QStringLiteral("dock.wav")));
    EXPECT_TRUE(media.find(QStringLiteral("BeEP.wav")).isEmpty());
    EXPECT_TRUE(media.find(QString()).isEmpty());
}

TEST(MediaLocator, StandardFoldersStartBesideTheExecutable)
{
    const MediaLocator media;
    ASSERT_GE(media.folders().size(), 2);
    const QString exeDir = QCoreApplication::applicationDirPath();
    EXPECT_EQ(media.folders().at(0), exeDir);
    EXPECT_EQ(media.folders().at(1), QDir::cleanPath(exeDir + QStringLiteral("/../share/marlune")));
}

TEST(MediaLocator, EveryClipAndPictureIsCommitted)
{
    const MediaLocator media({QStringLiteral(MARLUNE_SOURCE_MEDIA_DIR)});
    for (Clip clip : kAllClips) {
        const QString path = media.find(clipFileName(clip));
        ASSERT_FALSE(path.isEmpty()) << qPrintable(clipFileName(clip));
        // A 16-bit mono clip at 22.05 kHz under 0.3 s: 44-byte header + samples.
        EXPECT_LT(QFileInfo(path).size(), 44 + 22050 * 2 * 3 / 10) << qPrintable(path);
    }
    for (const char *name : {"button.png", "button_lit.png", "titlebar.png", "marlune.png", "marlune32.png"})
        EXPECT_FALSE(media.find(QString::fromLatin1(name)).isEmpty()) << name;
}
