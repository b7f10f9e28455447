// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#include "MainWindowFixture.h"
#include "MenuLabelLayout.h"
#include "Translations.h"

#include <QProcess>
#include <cstdio>

namespace {

// The language is chosen once, at start-up, from the environment, so each case runs
// this test program again under its own LANG and reads what the child prints.
struct LocaleCase
{
    const char *lang;
    const char *fileLabel;
    const char *fileMenu;
    const char *exitEntry;
    const char *previewButton;
    const char *fileToolTip; // from a library without windows
    const char *qtCancel;    // Qt's own standard button
};

class TranslatedWindow : public MainWindowFixture
{
};

// Run only by the parent test below, in a child process.
TEST_F(TranslatedWindow, DISABLED_PrintCaptions)
{
    Translations::install();
    frmRenamer &main = open();
    const QStringList captions{main.lblMenu(MenuIndex::File)->text(), main.menus().mnuFile->title(),
                               main.menus().mnuExit->text(), main.lblButton(0)->text(), main.File1->toolTip(),
                               QCoreApplication::translate("QPlatformTheme", "Cancel")};
    std::printf("captions\t%s\n", captions.join(u'\t').toUtf8().constData());
}

class TranslatedStart : public ::testing::TestWithParam<LocaleCase>
{
};

TEST_P(TranslatedStart, CaptionsFollowTheLocale)
{
    const LocaleCase &c = GetParam();
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"LC_ALL", "LC_MESSAGES", "LANGUAGE"})
        env.remove(QString::fromLatin1(name));
    env.insert(QStringLiteral("LANG"), QString::fromLatin1(c.lang));
    QProcess child;
    child.setProcessEnvironment(env);
    child.start(QCoreApplication::applicationFilePath(),
                {QStringLiteral("--gtest_also_run_disabled_tests"),
                 QStringLiteral("--gtest_filter=TranslatedWindow.DISABLED_PrintCaptions")});
    ASSERT_TRUE(child.waitForFinished(60000));
    const QString output = QString::fromUtf8(child.readAllStandardOutput());
    const qsizetype at = output.indexOf(QLatin1String("captions\t"));
    ASSERT_GE(at, 0) << output.toStdString();
    const QString line = output.mid(at).section(QLatin1Char('\n'), 0, 0);
    EXPECT_EQ(line.split(QLatin1Char('\t')).mid(1),
              QStringList({QString::fromUtf8(c.fileLabel), QString::fromUtf8(c.fileMenu),
                           QString::fromUtf8(c.exitEntry), QString::fromUtf8(c.previewButton),
                           QString::fromUtf8(c.fileToolTip), QString::fromUtf8(c.qtCancel)}));
}

const char *const kEnglishTip = "Right Click To Edit ID3 Tags. Select as many files as needed.";

INSTANTIATE_TEST_SUITE_P(
    Locales, TranslatedStart,
    ::testing::Values(
        LocaleCase{"de_DE.UTF-8", "Datei", "&Datei", "&Beenden", "Vorschau",
                   "Rechtsklick zum Bearbeiten der ID3-Tags. Wählen Sie beliebig viele Dateien aus.", "Abbrechen"},
        LocaleCase{"C", "File", "&File", "E&xit", "Preview", kEnglishTip, "Cancel"},
        // No French translation of ours: English throughout, Qt's buttons included.
        LocaleCase{"fr_FR.UTF-8", "File", "&File", "E&xit", "Preview", kEnglishTip, "Cancel"}));

} // namespace
