// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#include "Id3v1Record.h"
#include "MainWindowFixture.h"

#include <QApplication>
#include <sys/stat.h>

namespace {

// A stick filled on Windows and on a Mac: a folder and files named in Windows-1252,
// and the "._" side files and dot folders that only clutter the lists.
class LegacyNamesThroughWindow : public MainWindowFixture
{
protected:
    static QByteArray folder() { return "music/caf\xe9 songs/"; }
    void makeStick() const
    {
        ::mkdir((temp.nativePath() + '/' + folder()).constData(), 0755);
        ::mkdir((temp.nativePath() + "/music/.Trashes").constData(), 0755);
        temp.writeNative(folder() + "(bj\xf6rk) j\xf3ga.mp3", "audio");
        temp.writeNative(folder() + "._(bj\xf6rk) j\xf3ga.mp3", "resource fork");
    }
};

TEST_F(LegacyNamesThroughWindow, ListedTaggedAndRenamedToUtf8ByTheirOwnBytes)
{
    makeStick();
    frmRenamer &main = open();
    main.show();
    QApplication::setActiveWindow(&main);
    QStringList folders;
    for (int i = 0; i < main.Dir1->count(); ++i)
        folders << main.Dir1->item(i)->text().trimmed();
    EXPECT_TRUE(folders.contains(u"café songs"_qs)) << folders.join(u'|').toStdString();
    EXPECT_FALSE(folders.contains(u".Trashes"_qs));

    Q_EMIT main.Dir1->itemActivated(main.Dir1->item(folders.indexOf(u"café songs"_qs)));
    ASSERT_EQ(main.File1->listCount(), 1) << "the ._ side file is hidden";
    EXPECT_EQ(main.File1->list(0), u"(björk) jóga.mp3"_qs);

    main.File1->setSelected(0, true);
    main.menus().mnuAutoTag->trigger();
    const QByteArray tagged = temp.readNative(folder() + "(bj\xf6rk) j\xf3ga.mp3");
    ASSERT_EQ(tagged.size(), 5 + Id3v1Record::Size);
    EXPECT_EQ(Id3v1Record::parse(tagged.right(Id3v1Record::Size)).artist, u"björk"_qs);

    main.menus().mnuCap->trigger();
    pressButton(main, 2, 0);
    ASSERT_EQ(items(main.lstFiles), QStringList{u"(Björk) Jóga.mp3"_qs});
    clickRow(main.lstFiles, 0);
    pressButton(main, 2, 0);
    EXPECT_TRUE(dialogs.messages().isEmpty()) << dialogs.messageTexts().join(u'|').toStdString();
    EXPECT_EQ(temp.readNative(folder() + "(Bj\xc3\xb6rk) J\xc3\xb3ga.mp3"), tagged);
    EXPECT_EQ(main.File1->list(0), u"(Björk) Jóga.mp3"_qs);
}

} // namespace
