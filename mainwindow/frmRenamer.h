// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#pragma once

#include "ChromeWindow.h"
#include "CommandLine.h"
#include "RenameHost.h"
#include "RenamePass.h"
#include "TagHost.h"

#include <functional>
#include <memory>

class AppFolder;
class Dialogs;
class FileList;
class FolderList;
class PreferencesStore;
class PlayerLink;
class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class TrayHost;

// The main window: drive, folder and file lists with the type filter, the preview
// list and the Preview/Rename and Clear buttons, and the label menu bar's menus.
// It hosts the rename pass, which runs behind the two buttons, and the two tag
// commands of the "&Tag" menu.
class frmRenamer : public ChromeWindow, public RenameHost, public TagHost
{
    Q_OBJECT
public:
    // What the window reaches outside itself. Empty hooks do nothing.
    struct Services
    {
        Dialogs *dialogs = nullptr;
        const AppFolder *appFolder = nullptr;
        const PreferencesStore *settings = nullptr;
        CommandLine commandLine;
        NameDecoder names;
        std::function<void()> exitProgram;
        std::function<std::unique_ptr<PlayerLink>()> playerLink;
        // "&Prefrences", "&About", "Check for &Update".
        std::function<void()> showPreferences;
        std::function<void()> showAbout;
        std::function<void()> checkUpdate;
        // "&Edit ID3 Tags" and "&Auto Add ID3 Tags", run for the files selected in File1.
        std::function<void()> editTags;
        std::function<void()> autoTag;
        // False keeps the notification-area control from being loaded at all.
        bool useTray = true;
        // Where its library is looked for; empty: TrayHost's own folders.
        QStringList trayFolders;
    };

    frmRenamer(const ChromeContext &context, Services services, QWidget *parent = nullptr);
    ~frmRenamer() override;

    // --- the rename pass --------------------------------------------------------
    void DoIt();
    void ClearPreview();
    RenamePass &pass() { return *m_pass; }
    // Start-up sets it before the first DoIt: that pass works on the command-line files.
    bool b_Arg() const;
    void setB_Arg(bool value);

    // --- RenameHost ---------------------------------------------------------------
    QStringList selectedFileNames() const override;
    QString currentFolder() const override;
    QList<NativeName> selectedFiles() const override;
    NativeName currentFolderName() const override;
    NamingMode namingMode() const override;
    CommandLine commandLine() const override;
    void setButtonCaptions(const QString &caption) override;
    void EnableControls(bool enabled) override;
    void refreshFileList() override;
    void showPreviewEntries(const QStringList &texts) override;

    // --- TagHost -------------------------------------------------------------------
    QString filePath() const override;
    int fileCount() const override;
    QString fileEntry(int index) const override;
    bool fileSelected(int index) const override;
    NativeName fileFolderName() const override;
    NativeName fileName(int index) const override;
    void setFileToolTip(const QString &text) override;
    int autoTagIndex() const override { return m_autoTag; }
    void setAutoTagIndex(int index) override { m_autoTag = index; }
    // The last key code the cancel key saw; Control then C is 17 then 67.
    int lastKey() const { return m_lastKey; }
    void setLastKey(int keyCode) { m_lastKey = keyCode; }
    void enableControls(bool enabled) override { EnableControls(enabled); }
    void showHourglass(bool busy) override { setBusy(busy); }
    void focusCancelKey() override;
    void showModal(QWidget *editor) override { ShowChild(editor, true); }
    void reapplyOnTop() override { ApplyOnTop(this); }

    // --- the settings file's hold on the folder lists ----------------------------
    // The stored default directory: Dir1 and Drive1 move to it; false when it is gone.
    bool setDefaultDirectory(const QString &dir);
    // No stored default directory: Dir1 and Drive1 move to the start folder.
    void showProgramFolder();

    // --- the notification area ------------------------------------------------------
    void HideToTray();
    void RestoreFromTray();
    TrayHost *tray() const { return m_tray; }

    // --- handlers -----------------------------------------------------------------
    void Drive1_Change();
    void Dir1_Change();
    void lstType_Click();
    void txtDir_KeyPress(int keyAscii);
    void File1_DblClick();
    void File1_MouseDown(Qt::MouseButton button, QPoint globalPos);
    void txtCancel_KeyDown(int keyCode);
    void txtCancel_LostFocus();
    void mnuEditTag_Click();
    void mnuAutoTag_Click();
    void mnuEnqueue_Click();
    void mnuPref_Click();
    void mnuAbout_Click();
    void mnuCheckUpdate_Click();
    void mnuExit_Click();
    void ExitProgram();

    // --- controls -----------------------------------------------------------------
    QComboBox *Drive1;
    FolderList *Dir1;
    FileList *File1;
    QListWidget *lstType;
    QLineEdit *txtDir;
    QListWidget *lstFiles;
    QLabel *lblPreview;
    QLineEdit *txtCancel;

    QMenu *mnuFile, *mnuOptions, *mnuHelp, *mnuTag, *mnuUpdate;
    QAction *mnuExit;
    QAction *mnuCap, *mnuRemoveNumbers, *mnuRemoveUnderscore, *mnuSep, *mnuPref;
    QAction *mnuAbout;
    QAction *mnuAutoTag, *mnuEditTag, *mnuSep2, *mnuEnqueue;
    QAction *mnuCheckUpdate;

    // The volume (drive) that holds path, as Drive1 lists it; empty when none does.
    static QString driveOf(const QString &path);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    // A close from the window manager (Alt+F4, a taskbar's Close) is "X".
    void closeEvent(QCloseEvent *event) override;

private:
    // The automatic tagging's position in File1 (i_AutoTag); the cancel key sets it
    // past the end.
    int m_autoTag = 0;
    int m_lastKey = 0;
    void buildControls();
    void createTypeList();
    void connectControls();
    void buildMenus();
    void Form_Load();
    void fillDrives();
    void selectDrive(const QString &drive);
    void modeClicked(QAction *x);
    bool tagMenuAllowed() const;
    bool ensureTray();

    Services m_services;
    std::unique_ptr<RenamePass> m_pass;
    TrayHost *m_tray = nullptr;
    bool m_trayTried = false;
    bool m_fillingPreview = false;
};
