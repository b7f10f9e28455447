// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#include "ChromeArt.h"
#include "MediaLocator.h"
#include "TempDir.h"

#include <QImage>
#include <gtest/gtest.h>

TEST(ChromeArt, CommittedPicturesHaveTheirSizesAndNoAlpha)
{
    const ChromeArt art(MediaLocator({QStringLiteral(MARLUNE_SOURCE_MEDIA_DIR)}));
    EXPECT_TRUE(art.complete());
    EXPECT_EQ(art.button().size(), QSize(90, 31));
    EXPECT_EQ(art.buttonLit().size(), QSize(90, 31));
    EXPECT_EQ(art.titleBar().size(), QSize(550, 19));
    EXPECT_EQ(art.icon32().size(), QSize(32, 32));
    for (const char *name : {"button.png", "button_lit.png", "titlebar.png"}) {
        const QImage image(QStringLiteral(MARLUNE_SOURCE_MEDIA_DIR "/") + QLatin1String(name));
        EXPECT_FALSE(image.hasAlphaChannel()) << name;
    }
    EXPECT_NE(art.button().toImage(), art.buttonLit().toImage());
}

TEST(ChromeArt, MissingPicturesAreDrawnAtTheSameSizes)
{
    TempDir empty;
    const ChromeArt art(MediaLocator({empty.path()}));
    EXPECT_FALSE(art.complete());
    EXPECT_EQ(art.button().size(), QSize(90, 31));
    EXPECT_EQ(art.titleBar().size(), QSize(550, 19));
    EXPECT_FALSE(art.icon().isNull());
}
