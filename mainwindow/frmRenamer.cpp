// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#include "frmRenamer.h"

#include "AppFolder.h"
#include "CancelKeyCode.h"
#include "DriveBox.h"
#include "Enqueue.h"
#include "FileList.h"
#include "NativeDirectory.h"
#include "FolderList.h"
#include "PreferencesStore.h"
#include "MenuLabelLayout.h"
#include "NarrowListStyle.h"
#include "PlayerLink.h"
#include "TagCommands.h"
#include "TrayPresence.h"
#include "UndoLastRename.h"

#include <QAction>
#include <QMenu>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSignalBlocker>
#include <algorithm>

namespace {

const QStringList kTypes{"*.mp3", "*.mpg", "*.mpeg", "*.asf", "*.mov", "*.rm", "*.ram", "*.txt", "*.doc"};
const char *const kPreview = QT_TRANSLATE_NOOP("frmRenamer", "Preview");

void setFore(QWidget *w, const QColor &color)
{
    QPalette palette = w->palette();
    palette.setColor(QPalette::WindowText, color);
    w->setPalette(palette);
}

} // namespace

frmRenamer::frmRenamer(const ChromeContext &context, Services services, QWidget *parent)
    : ChromeWindow(context, parent)
    , Drive1(new QComboBox(this))
    , Dir1(new FolderList(this))
    , File1(new FileList(this))
    , lblPreview(new QLabel(tr(kPreview), this))
    , lstFiles(new QListWidget(this))
    , txtDir(new QLineEdit(this))
    , lstType(new QListWidget(this))
    , txtCancel(new QLineEdit(QStringLiteral("Cancel"), this))
    , m_services(std::move(services))
    , m_menus(this)
    , m_trayPresence(new TrayPresence(this, m_services.useTray, m_services.trayFolders))
{
    setObjectName(QStringLiteral("frmRenamer"));
    m_pass = std::make_unique<RenamePass>(*this, *m_services.dialogs, *m_services.appFolder);
    m_pass->setNameDecoder(m_services.names);
    m_pass->setCountSuggestion(&m_countSuggestion);
    m_undo = std::make_unique<UndoLastRename>(
        m_menus.mnuUndo, *m_services.dialogs, RenameJournal::folderIn(m_services.appFolder->dataFolder()), m_services.names,
        UndoLastRename::Window{[this] { return !m_pass->entries().isEmpty(); }, [this] { File1->refresh(); }});
    // Asked each time the menu opens: another program may have renamed meanwhile.
    connect(m_menus.mnuFile, &QMenu::aboutToShow, this, [this] { m_undo->updateEnabled(); });
    setInnerSize(7275, 4875);
    addMenuBar();
    setTitle(tr("Marlune"));
    buildControls();
    connectMenus();
    setHideToTray([this] { HideToTray(); });
    setExitProgram([this] { ExitProgram(); });
    Form_Load();
}

frmRenamer::~frmRenamer() = default;

// --- building the window ------------------------------------------------------------

void frmRenamer::buildControls()
{
    Drive1->setObjectName(QStringLiteral("Drive1"));
    Drive1->setToolTip(tr("Select Drive"));
    place(Drive1, 60, 720, 2535, 315);

    Dir1->setNameDecoder(m_services.names);
    Dir1->setObjectName(QStringLiteral("Dir1"));
    Dir1->setToolTip(tr("Select Directory"));
    place(Dir1, 60, 1080, 2535, 2565);

    File1->setNameDecoder(m_services.names);
    File1->setObjectName(QStringLiteral("File1"));
    File1->setToolTip(TagCommands::fileToolTip());
    place(File1, 2640, 720, 4575, 1650);

    lblPreview->setObjectName(QStringLiteral("lblPreview"));
    setFore(lblPreview, Qt::white);
    place(lblPreview, 4560, 2340, 690, 195);
    // The design's width fits the English word (to a pixel); a longer translation gets
    // room to the right instead of being cut.
    if (lblPreview->text() != QLatin1String(kPreview))
        lblPreview->resize(std::max(lblPreview->width(), lblPreview->sizeHint().width()), lblPreview->height());

    lstFiles->setObjectName(QStringLiteral("lstFiles"));
    lstFiles->setToolTip(tr("Select Files To Rename"));
    lstFiles->setSelectionMode(QAbstractItemView::ExtendedSelection);
    lstFiles->setUniformItemSizes(true);
    place(lstFiles, 2640, 2550, 4575, 1620);

    txtDir->setObjectName(QStringLiteral("txtDir"));
    txtDir->setToolTip(tr("Type Directory/Location And Press SHIFT+ENTER"));
    place(txtDir, 60, 3720, 1575, 450);

    createTypeList();

    addButtonPair(2, 0, tr(kPreview), 1620, 4260, [this] { DoIt(); });
    addButtonPair(1, 3, tr("Clear"), 4320, 4260, [this] { ClearPreview(); });

    // Below the inner area: never seen, but it can hold the keyboard.
    txtCancel->setObjectName(QStringLiteral("txtCancel"));
    // Out of the tab order: Tab would otherwise lead the keyboard out of sight.
    txtCancel->setFocusPolicy(Qt::ClickFocus);
    txtCancel->setAccessibleName(txtCancel->text());
    place(txtCancel, 780, 5350, 615, 315);
    connectControls();
}

void frmRenamer::createTypeList()
{
    lstType->setObjectName(QStringLiteral("lstType"));
    lstType->setToolTip(tr("Select Type Of Files To Rename"));
    lstType->addItems(kTypes);
    lstType->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // "*.mpeg" is wider than the box leaves beside its scroll bar with the usual margins,
    // and an ellipsis would hide the very letters that tell it from "*.mpg".
    lstType->setTextElideMode(Qt::ElideNone);
    auto *narrow = new NarrowListStyle;
    narrow->setParent(lstType);
    lstType->setStyle(narrow);
    place(lstType, 1680, 3720, 915, 450);
}

void frmRenamer::connectControls()
{
    connect(Drive1, &QComboBox::activated, this, [this] { Drive1_Change(); });
    connect(Dir1, &FolderList::Change, this, &frmRenamer::Dir1_Change);
    connect(lstType, &QListWidget::currentRowChanged, this, [this] { lstType_Click(); });
    connect(File1, &FileList::DblClick, this, &frmRenamer::File1_DblClick);
    connect(File1, &FileList::MouseDown, this, &frmRenamer::File1_MouseDown);
    connect(lstFiles->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this](const QItemSelection &on, const QItemSelection &off) {
                if (m_fillingPreview)
                    return;
                for (const QModelIndex &index : off.indexes())
                    m_pass->setSelected(index.row(), false);
                for (const QModelIndex &index : on.indexes())
                    m_pass->setSelected(index.row(), true);
            });

    txtDir->installEventFilter(this);
    txtCancel->installEventFilter(this);

    for (QWidget *control : {static_cast<QWidget *>(Dir1), static_cast<QWidget *>(File1),
                             static_cast<QWidget *>(lstFiles)})
        resetOnMouseMove(control, {Reset::MenuBar, Reset::Buttons});
    for (QWidget *control : {static_cast<QWidget *>(lstType), static_cast<QWidget *>(txtDir)})
        resetOnMouseMove(control, {Reset::Buttons});
}

void frmRenamer::connectMenus()
{
    const RenamerMenus &m = m_menus;
    connect(m.mnuExit, &QAction::triggered, this, &frmRenamer::mnuExit_Click);
    connect(m.mnuPref, &QAction::triggered, this, &frmRenamer::mnuPref_Click);
    connect(m.mnuAbout, &QAction::triggered, this, &frmRenamer::mnuAbout_Click);
    connect(m.mnuAutoTag, &QAction::triggered, this, &frmRenamer::mnuAutoTag_Click);
    connect(m.mnuEditTag, &QAction::triggered, this, &frmRenamer::mnuEditTag_Click);
    connect(m.mnuEnqueue, &QAction::triggered, this, &frmRenamer::mnuEnqueue_Click);
    connect(m.mnuCheckUpdate, &QAction::triggered, this, &frmRenamer::mnuCheckUpdate_Click);

    setLabelMenu(MenuIndex::File, m.mnuFile);
    setLabelMenu(MenuIndex::Options, m.mnuOptions);
    setLabelMenu(MenuIndex::Help, m.mnuHelp);
    setLabelMenu(MenuIndex::Update, m.mnuUpdate);
    setLabelMenu(MenuIndex::Tag, m.mnuTag);
}

void frmRenamer::Form_Load()
{
    Drive1->addItems(DriveBox::mountedRoots());
    {
        const QSignalBlocker quiet(Dir1);
        Dir1->setFolder(NativeDirectory::current());
    }
    selectFolderDrive();
    File1->setFolder(Dir1->folder());
    // A stale answer store from an earlier run would pair old counts with new entries.
    QFile::remove(m_services.appFolder->CacheFile(QStringLiteral("renamer.dat")));
    lstType->setCurrentRow(0);
    ResetButtons();
    ApplyOnTop(this);
}

// Drive1 follows the folder Dir1 shows.
void frmRenamer::selectFolderDrive()
{
    DriveBox::select(Drive1, DriveBox::driveOf(Dir1->path()));
}

// --- the rename pass ---------------------------------------------------------------

void frmRenamer::EnableControls(bool enabled)
{
    Drive1->setEnabled(enabled);
    Dir1->setEnabled(enabled);
    txtDir->setEnabled(enabled);
    lstType->setEnabled(enabled);
    m_menus.enableModes(enabled);
    File1->setEnabled(enabled);
}

void frmRenamer::focusCancelKey()
{
    txtCancel->setFocus();
}

void frmRenamer::showPreviewEntries(const QStringList &texts)
{
    m_fillingPreview = true;
    lstFiles->clear();
    lstFiles->addItems(texts);
    m_fillingPreview = false;
}

void frmRenamer::showPreviewConflicts(const QStringList &reasons)
{
    for (int i = 0; i < reasons.size() && i < lstFiles->count(); ++i) {
        if (reasons.at(i).isEmpty())
            continue;
        QListWidgetItem *item = lstFiles->item(i);
        item->setForeground(Qt::red);
        item->setToolTip(reasons.at(i));
    }
}

// --- settings --------------------------------------------------------------------------

bool frmRenamer::setDefaultDirectory(const QString &dir)
{
    if (!Dir1->setPath(dir))
        return false;
    selectFolderDrive();
    return true;
}

void frmRenamer::showProgramFolder()
{
    if (Dir1->setPath(m_services.appFolder->startFolder()))
        selectFolderDrive();
}

// --- handlers ----------------------------------------------------------------------------

void frmRenamer::Drive1_Change()
{
    if (!Dir1->setPath(Drive1->currentText()))
        selectFolderDrive();
}

void frmRenamer::lstType_Click()
{
    if (QListWidgetItem *item = lstType->currentItem())
        File1->setPattern(item->text());
    Dir1_Change();
}

void frmRenamer::txtDir_KeyPress(int keyAscii)
{
    if (keyAscii != 13)
        return;
    const QString text = txtDir->text();
    const QString drive = DriveBox::driveOf(text);
    if (!drive.isEmpty() && drive != Drive1->currentText()) {
        DriveBox::select(Drive1, drive);
        Drive1_Change();
    }
    Dir1->setPath(text);
}

bool frmRenamer::tagMenuAllowed() const
{
    return File1->listCount() > 0 && File1->listIndex() != -1 && lstType->isEnabled()
        && lstType->currentItem() && lstType->currentItem()->text() == QLatin1String("*.mp3");
}

void frmRenamer::File1_DblClick()
{
    if (tagMenuAllowed())
        mnuEditTag_Click();
}

void frmRenamer::File1_MouseDown(Qt::MouseButton button, QPoint globalPos)
{
    if (button != Qt::RightButton || !tagMenuAllowed())
        return;
    PlayClip(Clip::Menu);
    m_menus.mnuTag->popup(globalPos);
}

void frmRenamer::txtCancel_KeyDown(int keyCode)
{
    if (QString::number(m_lastKey) + QString::number(keyCode) == QLatin1String("1767"))
        m_autoTag = static_cast<int>(File1->listCount());
    m_lastKey = keyCode;
}

void frmRenamer::txtCancel_LostFocus()
{
    if (busy())
        txtCancel->setFocus();
}

void frmRenamer::mnuEnqueue_Click()
{
    if (!m_services.settings || !m_services.settings->winampLocation() || !m_services.playerLink)
        return;
    const EnqueueRequest request{true, m_services.settings->winampPath(), File1->folder(),
                                 File1->selectedFiles()};
    std::unique_ptr<PlayerLink> link = m_services.playerLink();
    if (link)
        Playfile::mnuEnqueue_Click(request, *link, *m_services.dialogs);
}

void frmRenamer::ExitProgram()
{
    if (m_services.exitProgram)
        m_services.exitProgram();
    else
        close();
}

// --- the notification area -----------------------------------------------------------------

void frmRenamer::HideToTray()
{
    m_trayPresence->hide();
}

void frmRenamer::RestoreFromTray()
{
    m_trayPresence->restore();
}

TrayHost *frmRenamer::tray() const
{
    return m_trayPresence->tray();
}

// --- events ------------------------------------------------------------------------------------

bool frmRenamer::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == txtDir && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            txtDir_KeyPress(13);
            return true;
        }
    } else if (watched == txtCancel) {
        switch (event->type()) {
        case QEvent::KeyPress: {
            const auto *key = static_cast<QKeyEvent *>(event);
            // Tab and Shift+Tab move the focus on and never reach the key handler:
            // swallowed here, they would trap the keyboard in a box nobody sees.
            if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab)
                break;
            txtCancel_KeyDown(cancelKeyCode(key));
            return true; // the key is swallowed: txtCancel never changes
        }
        case QEvent::KeyRelease:
        case QEvent::InputMethod:
            return true;
        case QEvent::FocusOut:
            txtCancel_LostFocus();
            break;
        default:
            break;
        }
    }
    return ChromeWindow::eventFilter(watched, event);
}

void frmRenamer::closeEvent(QCloseEvent *event)
{
    if (!m_services.exitProgram) {
        ChromeWindow::closeEvent(event);
        return;
    }
    // Only hiding would leave the program running with no window to reach it by.
    event->ignore();
    ExitProgram();
}

void frmRenamer::showEvent(QShowEvent *event)
{
    ChromeWindow::showEvent(event);
    Dir1->setFocus();
}
