// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#include "ChromeSettings.h"
#include "FaultyTagFileAccess.h"
#include "GenreTable.h"
#include "MenuLabel.h"
#include "MpegFixture.h"
#include "PictureBox.h"
#include "ScriptedDialogs.h"
#include "TagErrors.h"
#include "TagField.h"
#include "TagUiTestSupport.h"
#include "TempDir.h"
#include "Twips.h"
#include "frmTag.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <gtest/gtest.h>
#include <memory>

using namespace TagUiTestSupport;

namespace {

class FrmTagWindow : public ::testing::Test
{
protected:
    void SetUp() override { load(nullptr); }

    void load(TagFileAccess *access)
    {
        frm = std::make_unique<frmTag>(ChromeContext{&settings, nullptr, nullptr}, dialogs, access);
    }

    QString mp3(const QString &name, const Id3v1Record &tag) const { return dir.write(name, audio + tag.render()); }
    Id3v1Record stored(const QString &name) const { return storedTag(dir.read(name)); }
    bool audioIntact(const QString &name) const { return dir.read(name).left(audio.size()) == audio; }
    TagField *field(int index) const { return frm->txtTag(index); }
    QString shownGenre() const { return frm->cboGenre()->currentText(); }

    // Shows the editor on a file, as the Edit command does.
    void showOn(const QString &path)
    {
        frm->DisplayInfo(path);
        frm->show();
    }

    FixedChromeSettings settings;
    ScriptedDialogs dialogs;
    TempDir dir;
    const QByteArray audio = MpegFixture::frames(6, true);
    std::unique_ptr<frmTag> frm;
};

QRect twipsRect(int left, int top, int width, int height)
{
    return {twips(left), twips(top), twips(width), twips(height)};
}

TEST_F(FrmTagWindow, LaysOutItsControlsAndButtons)
{
    EXPECT_EQ(frm->size(), QSize(twips(5385), twips(2790)));
    EXPECT_EQ(frm->lblMenu(3)->text(), QStringLiteral("ID3 Tag Editor"));
    EXPECT_EQ(frm->Label1()->text(), QStringLiteral("Marlune"));
    struct Row { QWidget *control; QRect at; };
    const Row rows[] = {
        {frm->txtFile(), twipsRect(120, 480, 3555, 315)},   {field(0), twipsRect(1080, 900, 2595, 315)},
        {field(1), twipsRect(1080, 1260, 2595, 315)},       {field(2), twipsRect(1080, 1620, 2595, 315)},
        {field(3), twipsRect(1080, 1980, 555, 315)},        {frm->cboGenre(), twipsRect(2220, 1980, 1455, 315)},
        {field(5), twipsRect(1080, 2340, 2595, 315)},       {frm->picButton(2), twipsRect(3900, 900, 1350, 465)},
        {frm->picButton(0), twipsRect(3900, 900, 1350, 465)}, {frm->picButton(1), twipsRect(3900, 1500, 1350, 465)},
        {frm->picButton(3), twipsRect(3900, 1500, 1350, 465)}, {frm->picButton(5), twipsRect(3900, 2100, 1350, 465)},
        {frm->picButton(4), twipsRect(3900, 2100, 1350, 465)},
    };
    for (const Row &row : rows)
        EXPECT_EQ(row.control->geometry(), row.at) << row.control->objectName().toStdString();

    // Captions end where designed, right of nothing they label, and are never clipped.
    const char *captions[] = {"Title", "Artist", "Album", "Year", "Genre", "Comment"};
    const int rightEdges[] = {900, 885, 915, 930, 2175, 900};
    for (int i = 0; i < 6; ++i) {
        QLabel *label = frm->lblTag(i);
        EXPECT_EQ(label->text(), QLatin1String(captions[i]));
        EXPECT_EQ(label->geometry().right() + 1, twips(rightEdges[i])) << captions[i];
        EXPECT_GE(label->width(), label->sizeHint().width()) << captions[i];
    }
    EXPECT_EQ(frm->txtTag(4), nullptr);

    const char *buttonCaptions[] = {"Save", "Cancel", "Save", "Cancel", "Auto", "Auto"};
    for (int index = 0; index < 6; ++index) {
        const bool lit = index == 0 || index == 3 || index == 4;
        EXPECT_EQ(frm->lblButton(index)->text(), QLatin1String(buttonCaptions[index])) << index;
        EXPECT_EQ(frm->lblButton(index)->font().underline(), lit) << index;
        EXPECT_EQ(frm->picButton(index)->isVisibleTo(frm.get()), !lit) << index;
    }

    QComboBox *genres = frm->cboGenre();
    EXPECT_EQ(genres->count(), 149);
    EXPECT_EQ(genres->itemText(0), QStringLiteral("Acapella"));
    EXPECT_EQ(genres->itemText(148), QStringLiteral(" "));
    EXPECT_EQ(genres->currentIndex(), -1);
    EXPECT_FALSE(genres->isEditable());
    EXPECT_TRUE(frm->txtFile()->isReadOnly());
}

TEST_F(FrmTagWindow, TitleHasTheFocusAndTabFollowsTheFields)
{
    showOn(mp3(QStringLiteral("a.mp3"), record(QStringLiteral("t"))));
    EXPECT_EQ(frm->focusWidget(), field(0));
    // The picture buttons follow the fields: Save, Cancel, Auto.
    const QWidget *order[] = {field(1), field(2),         field(3),         frm->cboGenre(), field(5),
                              frm->picButton(2), frm->picButton(1), frm->picButton(5), field(0)};
    for (const QWidget *next : order) {
        pressKey(frm->focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(frm->focusWidget(), next) << next->objectName().toStdString();
    }
    frm->hide();
    field(2)->setFocus();
    frm->show();
    EXPECT_EQ(frm->focusWidget(), field(0)) << "every showing starts in Title";
}

TEST_F(FrmTagWindow, FieldsHoldTheirLengthAndYearOnlyDigits)
{
    frm->show();
    for (int index : {0, 1, 2, 5}) {
        typeText(field(index), QString(40, QLatin1Char('w')));
        EXPECT_EQ(field(index)->text(), QString(30, QLatin1Char('w'))) << index;
    }

    enum class Way { Typed, PastedByKey, PastedFromMenu };
    struct Row { Way way; const char *given; const char *kept; };
    const Row rows[] = {
        {Way::Typed, "19a9", "199"},          {Way::Typed, "12345", "1234"},
        {Way::Typed, "٣4x ", "4"},            {Way::PastedByKey, " 2024\n", "2024"},
        {Way::PastedByKey, "MCMXC", ""},      {Way::PastedFromMenu, "ab1c9", "19"},
        {Way::PastedFromMenu, "123456", ""},  {Way::PastedByKey, "1999 2000", ""},
    };
    TagField *year = field(3);
    for (const Row &row : rows) {
        year->clear();
        const QString given = QString::fromUtf8(row.given);
        if (row.way == Way::Typed) {
            typeText(year, given);
        } else {
            QGuiApplication::clipboard()->setText(given);
            if (row.way == Way::PastedByKey)
                pressKey(year, Qt::Key_V, Qt::ControlModifier);
            else
                year->paste();
        }
        EXPECT_EQ(year->text(), QLatin1String(row.kept)) << row.given;
    }
    typeText(year, QStringLiteral("1999"));
    pressKey(year, Qt::Key_Backspace);
    EXPECT_EQ(year->text(), QStringLiteral("199"));
    EXPECT_TRUE(frm->isVisible()) << "no key above left the editor";
}

// Enter in any text field acts as Save, Escape as Cancel.
TEST_F(FrmTagWindow, EnterSavesAndEscapeCancelsFromEveryField)
{
    const QString path = mp3(QStringLiteral("k.mp3"), record(QStringLiteral("old")));
    for (int index : {0, 1, 2, 3, 5}) {
        for (Qt::Key key : {Qt::Key_Escape, Qt::Key_Return, Qt::Key_Enter}) {
            const QByteArray before = dir.read(QStringLiteral("k.mp3"));
            frm->setStopRequested(false);
            showOn(path);
            field(index)->clear();
            typeText(field(index), QStringLiteral("7"));
            pressKey(field(index), key);
            EXPECT_FALSE(frm->isVisible()) << index;
            EXPECT_EQ(frm->stopRequested(), key == Qt::Key_Escape) << index;
            if (key == Qt::Key_Escape) {
                EXPECT_EQ(dir.read(QStringLiteral("k.mp3")), before) << index;
                continue;
            }
            const Id3v1Record r = stored(QStringLiteral("k.mp3"));
            const QString fields[] = {r.title, r.artist, r.album, QString::number(r.year), {}, r.comment};
            EXPECT_EQ(fields[index], QStringLiteral("7")) << index;
        }
    }
    EXPECT_TRUE(audioIntact(QStringLiteral("k.mp3")));
}

// Genre numbers without a row show the blank entry and go back unchanged unless
// the user picks a genre; a previous file's genre is never carried over.
TEST_F(FrmTagWindow, GenreShownChosenAndUnmatched)
{
    struct Row { quint8 stored; const char *shown; Qt::Key choose; const char *typed; quint8 written; };
    const Row rows[] = {
        {17, "Rock", Qt::Key_unknown, "", 17},
        {255, " ", Qt::Key_unknown, "", 255},
        {200, " ", Qt::Key_unknown, "", 200},
        {200, " ", Qt::Key_unknown, "Ska", 21},
        {0, "Blues", Qt::Key_End, "", 255},
        {147, "SynthPop", Qt::Key_Home, "", 123},
        {34, "Acid", Qt::Key_Down, "", 74},
    };
    int n = 0;
    for (const Row &row : rows) {
        const QString name = QStringLiteral("g%1.mp3").arg(n++);
        showOn(mp3(name, record(name, row.stored)));
        EXPECT_EQ(shownGenre(), QLatin1String(row.shown)) << name.toStdString();
        frm->cboGenre()->setFocus();
        if (row.choose != Qt::Key_unknown)
            pressKey(frm->cboGenre(), row.choose);
        typeText(frm->cboGenre(), QString::fromLatin1(row.typed));
        pressKey(field(0), Qt::Key_Return);
        EXPECT_EQ(stored(name).genre, row.written) << name.toStdString();
        showOn(dir.filePath(name));
        EXPECT_EQ(shownGenre(), GenreTable::listEntries().at(GenreTable::listIndexForNumber(row.written)))
            << name.toStdString();
        frm->hide();
    }
}

TEST_F(FrmTagWindow, AutoFillsFieldsFromTheNameAndWritesNothing)
{
    Id3v1Record tag = record(QStringLiteral("old"), 9, QStringLiteral("  "), 1984);
    tag.album = QStringLiteral("Kept Album");
    const QString path = mp3(QStringLiteral("(Blue Cats) Night Train.mp3"), tag);
    const QByteArray before = dir.read(QStringLiteral("(Blue Cats) Night Train.mp3"));
    showOn(path);
    typeText(field(2), QStringLiteral(" typed"));
    click(frm->picButton(5));
    EXPECT_TRUE(frm->isVisible());
    EXPECT_EQ(field(0)->text(), QStringLiteral("Night Train"));
    EXPECT_EQ(field(1)->text(), QStringLiteral("Blue Cats"));
    EXPECT_EQ(field(5)->text(), QStringLiteral("ID3 Tag by Marlune"));
    EXPECT_EQ(field(2)->text(), QStringLiteral("Kept Album typed"));
    EXPECT_EQ(field(3)->text(), QStringLiteral("1984"));
    EXPECT_EQ(shownGenre(), QStringLiteral("Metal"));
    EXPECT_EQ(dir.read(QStringLiteral("(Blue Cats) Night Train.mp3")), before);

    click(frm->picButton(2));
    EXPECT_FALSE(frm->isVisible());
    const Id3v1Record r = stored(QStringLiteral("(Blue Cats) Night Train.mp3"));
    EXPECT_EQ(r.title, QStringLiteral("Night Train"));
    EXPECT_EQ(r.album, QStringLiteral("Kept Album typed"));
    EXPECT_EQ(r.comment, QStringLiteral("ID3 Tag by Marlune"));
    EXPECT_EQ(r.genre, 9);
    EXPECT_TRUE(audioIntact(QStringLiteral("(Blue Cats) Night Train.mp3")));

    showOn(mp3(QStringLiteral("Night Train.mp3"), record(QStringLiteral("x"))));
    click(frm->picButton(5));
    EXPECT_EQ(field(0)->text(), QStringLiteral("x")) << "a name off the rule changes no field";
    EXPECT_EQ(field(1)->text(), QString());
}

TEST_F(FrmTagWindow, RightButtonClicksDoNothing)
{
    const QString path = mp3(QStringLiteral("r.mp3"), record(QStringLiteral("(A) B")));
    const QByteArray before = dir.read(QStringLiteral("r.mp3"));
    showOn(path);
    typeText(field(0), QStringLiteral("changed"));
    for (int index : {2, 1, 5}) {
        click(frm->picButton(index), Qt::RightButton);
        click(frm->picButton(index), Qt::MiddleButton);
    }
    EXPECT_TRUE(frm->isVisible());
    EXPECT_FALSE(frm->stopRequested());
    EXPECT_EQ(field(0)->text(), QStringLiteral("(A) Bchanged"));
    EXPECT_EQ(dir.read(QStringLiteral("r.mp3")), before);
    click(frm->picButton(1));
    EXPECT_FALSE(frm->isVisible());
    EXPECT_TRUE(frm->stopRequested());
    EXPECT_EQ(dir.read(QStringLiteral("r.mp3")), before);
}

TEST_F(FrmTagWindow, FileDeletedWhileShownGivesTheMessageAndStaysGone)
{
    const QString path = mp3(QStringLiteral("gone.mp3"), record(QStringLiteral("t")));
    showOn(path);
    QFile::remove(path);
    typeText(field(0), QStringLiteral(" more"));
    click(frm->picButton(2));
    EXPECT_FALSE(frm->isVisible());
    ASSERT_EQ(dialogs.messages().size(), 1);
    const ScriptedDialogs::Message &m = dialogs.messages().front();
    EXPECT_EQ(m.text, QStringLiteral("File not found\r\n") + path);
    EXPECT_EQ(m.icon, Dialogs::Icon::Critical);
    EXPECT_EQ(m.caption, QStringLiteral("Marlune"));
    EXPECT_FALSE(dir.exists(QStringLiteral("gone.mp3")));
    EXPECT_EQ(field(0)->text(), QStringLiteral("t more")) << "the fields keep what was typed";
}

// Failures that root cannot produce with permission bits, injected behind the file access.
TEST_F(FrmTagWindow, FailedWritesLeaveTheFileAsItWas)
{
    struct Row { FaultyTagFileAccess::Step step; TagErrors::Number number; int partial; const char *text; };
    const Row rows[] = {
        {FaultyTagFileAccess::Step::OpenForWrite, TagErrors::PermissionDenied, 0, "Permission denied"},
        {FaultyTagFileAccess::Step::Write, TagErrors::DiskFull, 60, "Disk full"},
    };
    for (const bool tagged : {true, false}) {
        for (const Row &row : rows) {
            FaultyTagFileAccess access;
            access.failAt(row.step, TagErrors::make(row.number), row.partial);
            load(&access);
            dialogs.clear();
            const QString path = tagged ? mp3(QStringLiteral("ro.mp3"), record(QStringLiteral("t")))
                                        : dir.write(QStringLiteral("ro.mp3"), audio);
            const QByteArray before = dir.read(QStringLiteral("ro.mp3"));
            showOn(path);
            typeText(field(0), QStringLiteral("new"));
            pressKey(field(0), Qt::Key_Return);
            EXPECT_FALSE(frm->isVisible());
            EXPECT_EQ(dialogs.messageTexts(), QStringList(QLatin1String(row.text) + QStringLiteral("\r\n") + path));
            EXPECT_EQ(dir.read(QStringLiteral("ro.mp3")), before) << row.text;
            frm.reset();
        }
    }
}

TEST_F(FrmTagWindow, TextOutsideLatin1IsWrittenAsQuestionMarks)
{
    const QString path = mp3(QStringLiteral("u.mp3"), record(QStringLiteral("x")));
    showOn(path);
    field(0)->clear();
    typeText(field(0), QString::fromUtf8("Ωμέγα Café 東京"));
    field(1)->clear();
    typeText(field(1), QString::fromUtf8("Кошка"));
    EXPECT_EQ(field(0)->text(), QString::fromUtf8("Ωμέγα Café 東京"));
    click(frm->picButton(2));
    const Id3v1Record r = stored(QStringLiteral("u.mp3"));
    EXPECT_EQ(r.title, QString::fromUtf8("????? Café ??"));
    EXPECT_EQ(r.artist, QStringLiteral("?????"));
    EXPECT_TRUE(audioIntact(QStringLiteral("u.mp3")));
    EXPECT_TRUE(dialogs.messages().isEmpty());
}

} // namespace
