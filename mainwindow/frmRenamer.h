// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#pragma once

#include "ChromeWindow.h"
#include "CommandLine.h"
#include "FileList.h"
#include "FolderList.h"
#include "RenameHost.h"
#include "RenamePass.h"
#include "RenamerMenus.h"
#include "TagCountSuggestion.h"
#include "TagHost.h"

#include <functional>
#include <memory>

class AppFolder;
class Dialogs;
class PreferencesStore;
class PlayerLink;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class TrayHost;
class TrayPresence;
class UndoLastRename;

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
    void DoIt() { m_pass->DoIt(); }
    void ClearPreview() { m_pass->ClearPreview(); }
    RenamePass &pass() { return *m_pass; }
    // Start-up sets it before the first DoIt: that pass works on the command-line files.
    bool b_Arg() const { return m_pass->b_Arg; }
    void setB_Arg(bool value) { m_pass->b_Arg = value; }

    // --- RenameHost ---------------------------------------------------------------
    QStringList selectedFileNames() const override { return File1->selectedNames(); }
    QString currentFolder() const override { return Dir1->path(); }
    QList<NativeName> selectedFiles() const override { return File1->selectedFiles(); }
    NativeName currentFolderName() const override { return Dir1->folder(); }
    NamingMode namingMode() const override { return m_menus.namingMode(); }
    CommandLine commandLine() const override { return m_services.commandLine; }
    void setButtonCaptions(const QString &caption) override { setButtonCaption(0, caption); }
    void EnableControls(bool enabled) override;
    void refreshFileList() override { File1->refresh(); }
    void showPreviewEntries(const QStringList &texts) override;
    // A conflicting entry is shown in red, its reason as the tooltip.
    void showPreviewConflicts(const QStringList &reasons) override;

    // --- TagHost -------------------------------------------------------------------
    QString filePath() const override { return File1->path(); }
    int fileCount() const override { return File1->listCount(); }
    QString fileEntry(int index) const override { return File1->list(index); }
    bool fileSelected(int index) const override { return File1->selected(index); }
    NativeName fileFolderName() const override { return File1->folder(); }
    NativeName fileName(int index) const override { return File1->name(index); }
    void setFileToolTip(const QString &text) override { File1->setToolTip(text); }
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
    TrayHost *tray() const;

    // --- handlers -----------------------------------------------------------------
    void Drive1_Change();
    void Dir1_Change() { File1->setFolder(Dir1->folder()); }
    void lstType_Click();
    void txtDir_KeyPress(int keyAscii);
    void File1_DblClick();
    void File1_MouseDown(Qt::MouseButton button, QPoint globalPos);
    void txtCancel_KeyDown(int keyCode);
    void txtCancel_LostFocus();
    void mnuEditTag_Click() { run(m_services.editTags); }
    void mnuAutoTag_Click() { run(m_services.autoTag); }
    void mnuEnqueue_Click();
    void mnuPref_Click() { run(m_services.showPreferences); }
    void mnuAbout_Click() { run(m_services.showAbout); }
    void mnuCheckUpdate_Click() { run(m_services.checkUpdate); }
    void mnuExit_Click() { ExitProgram(); }
    void ExitProgram();

    // --- controls -----------------------------------------------------------------
    // Declared in the keyboard's Tab order: they are made in this order.
    QComboBox *const Drive1;
    FolderList *const Dir1;
    FileList *const File1;
    QLabel *const lblPreview;
    QListWidget *const lstFiles;
    QLineEdit *const txtDir;
    QListWidget *const lstType;
    QLineEdit *const txtCancel;

    const RenamerMenus &menus() const { return m_menus; }

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
    void connectMenus();
    void Form_Load();
    void selectFolderDrive();
    bool tagMenuAllowed() const;
    static void run(const std::function<void()> &hook)
    {
        if (hook)
            hook();
    }

    Services m_services;
    RenamerMenus m_menus;
    TagCountSuggestion m_countSuggestion;
    std::unique_ptr<RenamePass> m_pass;
    std::unique_ptr<UndoLastRename> m_undo;
    TrayPresence *m_trayPresence;
    bool m_fillingPreview = false;
};
