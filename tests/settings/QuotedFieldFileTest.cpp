// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#include "QuotedFieldFile.h"
#include "TempDir.h"

#include <QFileInfo>
#include <gtest/gtest.h>

namespace {

QStringList readAll(const QByteArray &data)
{
    QuotedFieldReader r(data);
    QStringList fields;
    while (auto f = r.next())
        fields << *f;
    return fields;
}

} // namespace

TEST(QuotedFieldReader, ReadsQuotedBareAndCommaSeparatedFields)
{
    EXPECT_EQ(readAll("\"OnTop\"\r\n\"Dock\"\r\n400\r\n\"\"\r\n"),
              (QStringList{"OnTop", "Dock", "400", ""}));
    // A comma inside quotes belongs to the value; after the closing quote it ends the field.
    EXPECT_EQ(readAll("\"C:\\a,b\"junk,\"x\"\r\n"), (QStringList{"C:\\a,b", "x"}));
    EXPECT_EQ(readAll("  12,  \"y\"\n\"z\""), (QStringList{"12", "y", "z"}));
    // An unterminated quote runs to the end of the data.
    EXPECT_EQ(readAll("\"open"), (QStringList{"open"}));
    EXPECT_TRUE(readAll("").isEmpty());
}

TEST(QuotedFieldReader, KeepsUtf8Text)
{
    EXPECT_EQ(readAll("\"/home/zoë/Müzik\"\r\n"), QStringList{QStringLiteral("/home/zoë/Müzik")});
}

TEST(QuotedFieldWriter, WritesCrLfLinesAndNeverAQuoteInsideAValue)
{
    QuotedFieldWriter w;
    w.addText(QStringLiteral("Dock"));
    w.addNumber(400);
    w.addText(QStringLiteral("a\"b"));
    EXPECT_EQ(w.bytes(), QByteArray("\"Dock\"\r\n400\r\n\"ab\"\r\n"));
    EXPECT_EQ(readAll(w.bytes()), (QStringList{"Dock", "400", "ab"}));
}

TEST(SaveWholeFile, ReplacesTheFileAndLeavesItWholeOnFailure)
{
    TempDir dir;
    const QString path = dir.write(QStringLiteral("renamer.ini"), "old\r\n");
    EXPECT_TRUE(saveWholeFile(path, "new\r\n").ok());
    EXPECT_EQ(dir.read(QStringLiteral("renamer.ini")), QByteArray("new\r\n"));

    dir.write(QStringLiteral("file"));
    const ErrorInfo e = saveWholeFile(dir.filePath(QStringLiteral("file/renamer.ini")), "x");
    EXPECT_FALSE(e.ok());
    EXPECT_EQ(dir.read(QStringLiteral("renamer.ini")), QByteArray("new\r\n"));
}

// The per-user settings folder need not exist before the first save, and is made
// for its owner only.
TEST(SaveWholeFile, MakesTheMissingFoldersOfItsPath)
{
    TempDir dir;
    ASSERT_TRUE(saveWholeFile(dir.filePath(QStringLiteral("config/marlune/renamer.ini")), "x").ok());
    EXPECT_EQ(dir.read(QStringLiteral("config/marlune/renamer.ini")), QByteArray("x"));
    const QFile::Permissions others = QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup | QFile::ReadOther
                                      | QFile::WriteOther | QFile::ExeOther;
    for (const QString &folder : {QStringLiteral("config"), QStringLiteral("config/marlune")})
        EXPECT_FALSE(QFileInfo(dir.filePath(folder)).permissions() & others) << folder.toStdString();
}
