// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#include "frmRenamer.h"

#include "AppFolder.h"
#include "ChromeArt.h"
#include "Enqueue.h"
#include "FileList.h"
#include "NativeDirectory.h"
#include "FolderList.h"
#include "PreferencesStore.h"
#include "MenuLabelLayout.h"
#include "NarrowListStyle.h"
#include "PlayerLink.h"
#include "TagCommands.h"
#include "TrayHost.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QSignalBlocker>
#include <QStorageInfo>
#include <algorithm>

namespace {

const QStringList kTypes{"*.mp3", "*.mpg", "*.mpeg", "*.asf", "*.mov", "*.rm", "*.ram", "*.txt", "*.doc"};
const char *const kPreview = QT_TRANSLATE_NOOP("frmRenamer", "Preview");

constexpr int kVbControl = 17;
constexpr int kVbShift = 16;
constexpr int kVbAlt = 18;

// The key codes the cancel key was defined in: letters and digits are their
// upper-case character codes, Control is 17.
int vbKeyCode(const QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Control: return kVbControl;
    case Qt::Key_Shift: return kVbShift;
    case Qt::Key_Alt: return kVbAlt;
    case Qt::Key_Return:
    case Qt::Key_Enter: return 13;
    case Qt::Key_Escape: return 27;
    case Qt::Key_Backspace: return 8;
    case Qt::Key_Tab: return 9;
    default: break;
    }
    const int key = event->key();
    if (key >= 0x20 && key <= 0x7e)
        return QChar(key).toUpper().unicode();
    return key & 0xffff;
}

void setFore(QWidget *w, const QColor &color)
{
    QPalette palette = w->palette();
    palette.setColor(QPalette::WindowText, color);
    w->setPalette(palette);
}

} // namespace

frmRenamer::frmRenamer(const ChromeContext &context, Services services, QWidget *parent)
    : ChromeWindow(context, parent)
    , m_services(std::move(services))
{
    setObjectName(QStringLiteral("frmRenamer"));
    m_pass = std::make_unique<RenamePass>(*this, *m_services.dialogs, *m_services.appFolder);
    m_pass->setNameDecoder(m_services.names);
    setInnerSize(7275, 4875);
    addMenuBar();
    setTitle(tr("Marlune"));
    buildControls();
    buildMenus();
    setHideToTray([this] { HideToTray(); });
    setExitProgram([this] { ExitProgram(); });
    Form_Load();
}

frmRenamer::~frmRenamer() = default;

// --- building the window ------------------------------------------------------------

void frmRenamer::buildControls()
{
    Drive1 = new QComboBox(this);
    Drive1->setObjectName(QStringLiteral("Drive1"));
    Drive1->setToolTip(tr("Select Drive"));
    place(Drive1, 60, 720, 2535, 315);

    Dir1 = new FolderList(this);
    Dir1->setNameDecoder(m_services.names);
    Dir1->setObjectName(QStringLiteral("Dir1"));
    Dir1->setToolTip(tr("Select Directory"));
    place(Dir1, 60, 1080, 2535, 2565);

    File1 = new FileList(this);
    File1->setNameDecoder(m_services.names);
    File1->setObjectName(QStringLiteral("File1"));
    File1->setToolTip(TagCommands::fileToolTip());
    place(File1, 2640, 720, 4575, 1650);

    lblPreview = new QLabel(tr(kPreview), this);
    lblPreview->setObjectName(QStringLiteral("lblPreview"));
    setFore(lblPreview, Qt::white);
    place(lblPreview, 4560, 2340, 690, 195);
    // The design's width fits the English word (to a pixel); a longer translation gets
    // room to the right instead of being cut.
    if (lblPreview->text() != QLatin1String(kPreview))
        lblPreview->resize(std::max(lblPreview->width(), lblPreview->sizeHint().width()), lblPreview->height());

    lstFiles = new QListWidget(this);
    lstFiles->setObjectName(QStringLiteral("lstFiles"));
    lstFiles->setToolTip(tr("Select Files To Rename"));
    lstFiles->setSelectionMode(QAbstractItemView::ExtendedSelection);
    lstFiles->setUniformItemSizes(true);
    place(lstFiles, 2640, 2550, 4575, 1620);

    txtDir = new QLineEdit(this);
    txtDir->setObjectName(QStringLiteral("txtDir"));
    txtDir->setToolTip(tr("Type Directory/Location And Press SHIFT+ENTER"));
    place(txtDir, 60, 3720, 1575, 450);

    createTypeList();

    addButtonPair(2, 0, tr(kPreview), 1620, 4260, [this] { DoIt(); });
    addButtonPair(1, 3, tr("Clear"), 4320, 4260, [this] { ClearPreview(); });

    // Below the inner area: never seen, but it can hold the keyboard.
    txtCancel = new QLineEdit(QStringLiteral("Cancel"), this);
    txtCancel->setObjectName(QStringLiteral("txtCancel"));
    // Out of the tab order: Tab would otherwise lead the keyboard out of sight.
    txtCancel->setFocusPolicy(Qt::ClickFocus);
    txtCancel->setAccessibleName(txtCancel->text());
    place(txtCancel, 780, 5350, 615, 315);
    connectControls();
}

void frmRenamer::createTypeList()
{
    lstType = new QListWidget(this);
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

void frmRenamer::buildMenus()
{
    auto entry = [](QMenu *menu, const char *name, const QString &caption) {
        QAction *action = menu->addAction(caption);
        action->setObjectName(QString::fromLatin1(name));
        return action;
    };
    auto menu = [this](const char *name, const QString &caption) {
        auto *m = new QMenu(caption, this);
        m->setObjectName(QString::fromLatin1(name));
        return m;
    };

    mnuFile = menu("mnuFile", tr("&File"));
    mnuExit = entry(mnuFile, "mnuExit", tr("E&xit"));

    mnuOptions = menu("mnuOptions", tr("&Options"));
    mnuCap = entry(mnuOptions, "mnuCap", tr("&Capitalize Only"));
    mnuRemoveNumbers = entry(mnuOptions, "mnuRemoveNumbers", tr("&Remove Numbers"));
    mnuRemoveUnderscore = entry(mnuOptions, "mnuRemoveUnderscore", tr("R&emove Underscore"));
    mnuSep = mnuOptions->addSeparator();
    mnuSep->setObjectName(QStringLiteral("mnuSep"));
    mnuPref = entry(mnuOptions, "mnuPref", tr("&Prefrences"));

    mnuHelp = menu("mnuHelp", tr("&Help"));
    mnuAbout = entry(mnuHelp, "mnuAbout", tr("&About"));

    mnuTag = menu("mnuTag", tr("&Tag"));
    mnuAutoTag = entry(mnuTag, "mnuAutoTag", tr("&Auto Add ID3 Tags"));
    mnuEditTag = entry(mnuTag, "mnuEditTag", tr("&Edit ID3 Tags"));
    mnuSep2 = mnuTag->addSeparator();
    mnuSep2->setObjectName(QStringLiteral("mnuSep2"));
    mnuEnqueue = entry(mnuTag, "mnuEnqueue", tr("E&nqueue in Winamp"));

    mnuUpdate = menu("mnuUpdate", tr("&Update"));
    mnuCheckUpdate = entry(mnuUpdate, "mnuCheckUpdate", tr("Check for &Update"));

    for (QAction *mode : {mnuCap, mnuRemoveNumbers, mnuRemoveUnderscore}) {
        mode->setCheckable(true);
        connect(mode, &QAction::triggered, this, [this, mode] { modeClicked(mode); });
    }
    connect(mnuExit, &QAction::triggered, this, &frmRenamer::mnuExit_Click);
    connect(mnuPref, &QAction::triggered, this, &frmRenamer::mnuPref_Click);
    connect(mnuAbout, &QAction::triggered, this, &frmRenamer::mnuAbout_Click);
    connect(mnuAutoTag, &QAction::triggered, this, &frmRenamer::mnuAutoTag_Click);
    connect(mnuEditTag, &QAction::triggered, this, &frmRenamer::mnuEditTag_Click);
    connect(mnuEnqueue, &QAction::triggered, this, &frmRenamer::mnuEnqueue_Click);
    connect(mnuCheckUpdate, &QAction::triggered, this, &frmRenamer::mnuCheckUpdate_Click);

    setLabelMenu(MenuIndex::File, mnuFile);
    setLabelMenu(MenuIndex::Options, mnuOptions);
    setLabelMenu(MenuIndex::Help, mnuHelp);
    setLabelMenu(MenuIndex::Update, mnuUpdate);
    setLabelMenu(MenuIndex::Tag, mnuTag);
}

void frmRenamer::Form_Load()
{
    fillDrives();
    {
        const QSignalBlocker quiet(Dir1);
        Dir1->setFolder(NativeDirectory::current());
    }
    selectDrive(driveOf(Dir1->path()));
    File1->setFolder(Dir1->folder());
    // A stale answer store from an earlier run would pair old counts with new entries.
    QFile::remove(m_services.appFolder->CacheFile(QStringLiteral("renamer.dat")));
    lstType->setCurrentRow(0);
    ResetButtons();
    ApplyOnTop(this);
}

void frmRenamer::fillDrives()
{
    QStringList roots;
    for (const QStorageInfo &volume : QStorageInfo::mountedVolumes())
        if (volume.isValid() && volume.isReady())
            roots << volume.rootPath();
    roots.removeDuplicates();
    roots.sort(Qt::CaseInsensitive);
    Drive1->addItems(roots);
}

QString frmRenamer::driveOf(const QString &path)
{
    if (path.isEmpty() || !QFileInfo::exists(path))
        return {};
    const QStorageInfo volume(path);
    return volume.isValid() && volume.isReady() ? volume.rootPath() : QString();
}

void frmRenamer::selectDrive(const QString &drive)
{
    if (drive.isEmpty())
        return;
    int index = Drive1->findText(drive);
    if (index < 0) {
        Drive1->addItem(drive);
        index = Drive1->count() - 1;
    }
    Drive1->setCurrentIndex(index);
}

// --- the rename pass ---------------------------------------------------------------

void frmRenamer::DoIt()
{
    m_pass->DoIt();
}

void frmRenamer::ClearPreview()
{
    m_pass->ClearPreview();
}

bool frmRenamer::b_Arg() const
{
    return m_pass->b_Arg;
}

void frmRenamer::setB_Arg(bool value)
{
    m_pass->b_Arg = value;
}

QStringList frmRenamer::selectedFileNames() const
{
    return File1->selectedNames();
}

QString frmRenamer::currentFolder() const
{
    return Dir1->path();
}

QList<NativeName> frmRenamer::selectedFiles() const
{
    return File1->selectedFiles();
}

NativeName frmRenamer::currentFolderName() const
{
    return Dir1->folder();
}

NamingMode frmRenamer::namingMode() const
{
    if (mnuCap->isChecked())
        return NamingMode::Capitalize;
    if (mnuRemoveNumbers->isChecked())
        return NamingMode::RemoveNumbers;
    if (mnuRemoveUnderscore->isChecked())
        return NamingMode::RemoveUnderscore;
    return NamingMode::Format;
}

CommandLine frmRenamer::commandLine() const
{
    return m_services.commandLine;
}

void frmRenamer::setButtonCaptions(const QString &caption)
{
    setButtonCaption(0, caption);
}

void frmRenamer::EnableControls(bool enabled)
{
    Drive1->setEnabled(enabled);
    Dir1->setEnabled(enabled);
    txtDir->setEnabled(enabled);
    lstType->setEnabled(enabled);
    mnuCap->setEnabled(enabled);
    mnuRemoveNumbers->setEnabled(enabled);
    mnuRemoveUnderscore->setEnabled(enabled);
    File1->setEnabled(enabled);
}

QString frmRenamer::filePath() const
{
    return File1->path();
}

int frmRenamer::fileCount() const
{
    return File1->listCount();
}

QString frmRenamer::fileEntry(int index) const
{
    return File1->list(index);
}

bool frmRenamer::fileSelected(int index) const
{
    return File1->selected(index);
}

NativeName frmRenamer::fileFolderName() const
{
    return File1->folder();
}

NativeName frmRenamer::fileName(int index) const
{
    return File1->name(index);
}

void frmRenamer::setFileToolTip(const QString &text)
{
    File1->setToolTip(text);
}

void frmRenamer::focusCancelKey()
{
    txtCancel->setFocus();
}

void frmRenamer::refreshFileList()
{
    File1->refresh();
}

void frmRenamer::showPreviewEntries(const QStringList &texts)
{
    m_fillingPreview = true;
    lstFiles->clear();
    lstFiles->addItems(texts);
    m_fillingPreview = false;
}

// --- settings --------------------------------------------------------------------------

bool frmRenamer::setDefaultDirectory(const QString &dir)
{
    if (!Dir1->setPath(dir))
        return false;
    selectDrive(driveOf(Dir1->path()));
    return true;
}

void frmRenamer::showProgramFolder()
{
    if (Dir1->setPath(m_services.appFolder->startFolder()))
        selectDrive(driveOf(Dir1->path()));
}

// --- handlers ----------------------------------------------------------------------------

void frmRenamer::Drive1_Change()
{
    if (!Dir1->setPath(Drive1->currentText()))
        selectDrive(driveOf(Dir1->path()));
}

void frmRenamer::Dir1_Change()
{
    File1->setFolder(Dir1->folder());
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
    const QString drive = driveOf(text);
    if (!drive.isEmpty() && drive != Drive1->currentText()) {
        selectDrive(drive);
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
    mnuTag->popup(globalPos);
}

void frmRenamer::modeClicked(QAction *x)
{
    // The action has already toggled itself; the rule works on the state before the click.
    const bool wasChecked = !x->isChecked();
    for (QAction *mode : {mnuCap, mnuRemoveNumbers, mnuRemoveUnderscore})
        mode->setChecked(!wasChecked && mode == x);
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

void frmRenamer::mnuEditTag_Click()
{
    if (m_services.editTags)
        m_services.editTags();
}

void frmRenamer::mnuAutoTag_Click()
{
    if (m_services.autoTag)
        m_services.autoTag();
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

void frmRenamer::mnuPref_Click()
{
    if (m_services.showPreferences)
        m_services.showPreferences();
}

void frmRenamer::mnuAbout_Click()
{
    if (m_services.showAbout)
        m_services.showAbout();
}

void frmRenamer::mnuCheckUpdate_Click()
{
    if (m_services.checkUpdate)
        m_services.checkUpdate();
}

void frmRenamer::mnuExit_Click()
{
    ExitProgram();
}

void frmRenamer::ExitProgram()
{
    if (m_services.exitProgram)
        m_services.exitProgram();
    else
        close();
}

// --- the notification area -----------------------------------------------------------------

bool frmRenamer::ensureTray()
{
    if (!m_trayTried && m_services.useTray) {
        m_trayTried = true;
        auto *host = new TrayHost(this);
        const QIcon icon = context().art ? QIcon(context().art->icon32()) : QIcon();
        const QStringList folders =
            m_services.trayFolders.isEmpty() ? TrayHost::defaultSearchFolders() : m_services.trayFolders;
        if (host->load(TrayHost::storedProperties(icon), this, folders)) {
            m_tray = host;
            connect(m_tray, &TrayHost::doubleClicked, this, &frmRenamer::RestoreFromTray);
            // A window hidden in a notification area that is gone could never come back.
            connect(m_tray, &TrayHost::trayLost, this, &frmRenamer::RestoreFromTray);
        } else {
            delete host;
        }
    }
    return m_tray && m_tray->trayAvailable();
}

void frmRenamer::HideToTray()
{
    // Without a notification area a hidden window could never come back.
    if (!ensureTray()) {
        minimiseNormally();
        return;
    }
    PlayClip(Clip::Min);
    m_tray->setInTray(true);
    hide();
}

void frmRenamer::RestoreFromTray()
{
    PlayClip(Clip::Max);
    if (m_tray)
        m_tray->setInTray(false);
    show();
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
            txtCancel_KeyDown(vbKeyCode(key));
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
