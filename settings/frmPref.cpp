#include "frmPref.h"

#include "ChromeArt.h"
#include "Dialogs.h"
#include "FolderLists.h"

#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <algorithm>

namespace {

const QColor kYellow(255, 255, 0);

constexpr int kBoxHeight = 255;
constexpr int kHeightBox = 1;
constexpr int kBackspace = 8;
constexpr int kEnter = 13;

ChromeContext withSettings(ChromeContext context, const ChromeSettings *settings)
{
    context.settings = settings;
    return context;
}

// Check-box captions are drawn in ButtonText, labels in WindowText.
void setCaptionColor(QWidget *control, const QColor &color)
{
    QPalette palette = control->palette();
    palette.setColor(QPalette::WindowText, color);
    palette.setColor(QPalette::ButtonText, color);
    control->setPalette(palette);
}

QFont controlFont()
{
    QFont font = ChromeArt::captionFont(8.25);
    font.setBold(false);
    return font;
}

// The code a key press delivers to a text box, or -1 for keys that type nothing
// (arrows, Delete, Home, Tab moving the focus) and so are never filtered.
int keyAsciiOf(const QKeyEvent *event)
{
    if (event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab)
        return -1;
    const QString text = event->text();
    if (text.size() != 1)
        return -1;
    return text.at(0).unicode();
}

bool isDigit(int keyAscii)
{
    return keyAscii >= '0' && keyAscii <= '9';
}

} // namespace

frmPref::frmPref(const ChromeContext &context, Dialogs &dialogs, FolderLists &folderLists,
                 QString iniPath, QWidget *parent)
    : ChromeWindow(withSettings(context, this), parent)
    , m_dialogs(dialogs)
    , m_folderLists(folderLists)
    , m_iniPath(std::move(iniPath))
    , m_beep([] { QApplication::beep(); })
{
    setObjectName(QStringLiteral("frmPref"));
    setInnerSize(4710, 4230);
    setTitle(tr("Preferences"));
    addButtonPair(2, 0, tr("Save"), 240, 3540);
    addButtonPair(1, 3, tr("Cancel"), 1680, 3540);
    addButtonPair(5, 4, tr("Default"), 3120, 3540);
    createControls();
    applyDesignState();
    connect(this, &ChromeWindow::buttonClicked, this, &frmPref::ButtonAction);
}

// --- building the window ----------------------------------------------------------

void frmPref::createControls()
{
    createCheckBox(0, tr("&Always On Top"), 600, 600, 1695);
    createCheckBox(1, tr("&Docking"), 600, 900, 1035);

    m_label2 = new QLabel(tr("Taskbar Height"), this);
    m_label2->setObjectName(QStringLiteral("Label2"));
    m_label2->setFont(controlFont());
    setCaptionColor(m_label2, kYellow);
    place(m_label2, 840, 1200, 1335, kBoxHeight);
    createTextBox(1, 2220, 1200, 615);

    createCheckBox(2, tr("De&fault Directory"), 600, 1560, 1815);
    createTextBox(2, 840, 1860, 3195);
    createCheckBox(3, tr("S&plash Screen"), 600, 2220, 1935);
    createCheckBox(4, tr("&Sounds"), 600, 2520, 1035);
    createCheckBox(5, tr("&Winamp Location"), 600, 2820, 1875);
    createTextBox(5, 840, 3120, 3195);

    m_image1 = new QLabel(this);
    m_image1->setObjectName(QStringLiteral("Image1"));
    m_image1->setScaledContents(true);
    if (context().art)
        m_image1->setPixmap(context().art->icon32());
    place(m_image1, 3720, 600, 480, 480);
    m_image1->setAccessibleName(tr("Marlune"));
    resetOnMouseMove(m_image1, {Reset::Title, Reset::Buttons});
    m_label2->setBuddy(m_txtOpt[1]);
    // The path boxes are captioned by the check box above each.
    for (int index : {2, 5})
        m_txtOpt[index]->setAccessibleName(QString(m_chkOpt[index]->text()).remove(QLatin1Char('&')));
}

void frmPref::createCheckBox(int index, const QString &caption, int left, int top, int width)
{
    auto *box = new QCheckBox(caption, this);
    box->setObjectName(QStringLiteral("chkOpt%1").arg(index));
    box->setFont(controlFont());
    setCaptionColor(box, kYellow);
    place(box, left, top, width, kBoxHeight);
    // A translated caption longer than the English one widens the box rather than being cut.
    box->resize(std::max(box->width(), box->sizeHint().width()), box->height());
    connect(box, &QCheckBox::toggled, this, [this, index] { chkOpt_Click(index); });
    resetOnMouseMove(box, {Reset::Title, Reset::Buttons});
    m_chkOpt[index] = box;
}

void frmPref::createTextBox(int index, int left, int top, int width)
{
    auto *box = new QLineEdit(this);
    box->setObjectName(QStringLiteral("txtOpt%1").arg(index));
    box->setFont(controlFont());
    box->setFrame(false);
    place(box, left, top, width, kBoxHeight);
    // The key filter refuses what is typed; the validator also refuses what is
    // pasted or dropped, so the box ends up holding nothing the filter would not.
    const QString allowed = index == kHeightBox ? QStringLiteral("[0-9]*") : QStringLiteral("[^\"]*");
    box->setValidator(new QRegularExpressionValidator(QRegularExpression(allowed), box));
    if (index != kHeightBox) {
        box->setMaxLength(kPathMaxLength);
        connect(box, &QLineEdit::textEdited, this, [this, index] { narrowPathLimit(index); });
    }
    box->installEventFilter(this);
    resetOnMouseMove(box, {Reset::Title, Reset::Buttons});
    m_txtOpt[index] = box;
}

void frmPref::applyDesignState()
{
    const Preferences design;
    for (int index = 0; index < int(m_chkOpt.size()); ++index) {
        m_chkOpt[index]->setChecked(design.chkOpt[index]);
        chkOpt_Click(index);
    }
    m_txtOpt[Preferences::Docking]->setText(design.taskbarHeight);
    setPathText(Preferences::DefaultDirectory, design.defaultDirectory);
    setPathText(Preferences::PlayerLocation, design.playerPath);
}

// A path longer than the typing limit can still arrive from renamer.ini; the box
// keeps it whole (cutting it would save a different path) and only lets it shrink.
void frmPref::setPathText(int index, const QString &text)
{
    QLineEdit *box = m_txtOpt[index];
    box->setMaxLength(std::max<int>(kPathMaxLength, text.size()));
    box->setText(text);
}

void frmPref::narrowPathLimit(int index)
{
    QLineEdit *box = m_txtOpt[index];
    const int limit = std::max<int>(kPathMaxLength, box->text().size());
    if (limit < box->maxLength())
        box->setMaxLength(limit);
}

// --- controls ---------------------------------------------------------------------

QCheckBox *frmPref::chkOpt(int index) const
{
    return index >= 0 && index < int(m_chkOpt.size()) ? m_chkOpt[index] : nullptr;
}

QLineEdit *frmPref::txtOpt(int index) const
{
    return index >= 0 && index < int(m_txtOpt.size()) ? m_txtOpt[index] : nullptr;
}

// --- handlers ---------------------------------------------------------------------

void frmPref::chkOpt_Click(int index)
{
    if (QLineEdit *box = txtOpt(index))
        box->setEnabled(m_chkOpt[index]->isChecked());
}

int frmPref::txtOpt_KeyPress(int index, int keyAscii)
{
    const bool refused = index == kHeightBox
        ? !(isDigit(keyAscii) || keyAscii == kBackspace || keyAscii == kEnter)
        : keyAscii == '"';
    if (!refused)
        return keyAscii;
    m_beep();
    return 0;
}

bool frmPref::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        const auto found = std::find(m_txtOpt.begin(), m_txtOpt.end(), watched);
        if (found != m_txtOpt.end()) {
            const int keyAscii = keyAsciiOf(static_cast<QKeyEvent *>(event));
            if (keyAscii >= 0 && txtOpt_KeyPress(int(found - m_txtOpt.begin()), keyAscii) == 0)
                return true;
        }
    }
    return ChromeWindow::eventFilter(watched, event);
}

void frmPref::ButtonAction(int index)
{
    switch (index) {
    case 0:
    case 2:
        SaveSettings();
        hide();
        break;
    case 1:
    case 3:
        CheckINIFile();
        hide();
        break;
    case 4:
    case 5:
        SetDefaults();
        break;
    default:
        break;
    }
}

void frmPref::closeEvent(QCloseEvent *event)
{
    // Otherwise a box ticked but never saved would act until the next start.
    if (isVisible())
        CheckINIFile();
    ChromeWindow::closeEvent(event);
}

// The factory values are the window's design state, set in this order.
void frmPref::SetDefaults()
{
    const Preferences factory;
    for (int index = 0; index < int(m_chkOpt.size()); ++index) {
        m_chkOpt[index]->setChecked(factory.chkOpt[index]);
        if (index == Preferences::Docking)
            m_txtOpt[kHeightBox]->setText(factory.taskbarHeight);
    }
}

// --- the settings file --------------------------------------------------------------

void frmPref::CheckINIFile()
{
    RenamerIni::load(m_iniPath, *this);
}

void frmPref::SaveSettings()
{
    const Preferences prefs = preferences();
    if (!RenamerIni::save(m_iniPath, prefs).ok()) {
        m_dialogs.showMessage(RenamerIni::saveErrorMessage(), Dialogs::Icon::None, applicationTitle());
        return;
    }
    if (prefs.isOn(Preferences::PlayerLocation))
        m_winampPath = prefs.playerPath.trimmed();
}

Preferences frmPref::preferences() const
{
    Preferences prefs;
    for (int index = 0; index < int(m_chkOpt.size()); ++index)
        prefs.chkOpt[index] = m_chkOpt[index]->isChecked();
    prefs.taskbarHeight = m_txtOpt[kHeightBox]->text();
    prefs.defaultDirectory = m_txtOpt[Preferences::DefaultDirectory]->text();
    prefs.playerPath = m_txtOpt[Preferences::PlayerLocation]->text();
    return prefs;
}

void frmPref::setOption(Preferences::Option option, bool checked)
{
    m_chkOpt[option]->setChecked(checked);
}

void frmPref::setTaskbarHeight(const QString &text)
{
    m_txtOpt[kHeightBox]->setText(text);
}

bool frmPref::setDefaultDirectory(const QString &dir)
{
    return m_folderLists.setDefaultDirectory(dir);
}

void frmPref::setDefaultDirectoryText(const QString &text)
{
    setPathText(Preferences::DefaultDirectory, text);
}

void frmPref::showProgramFolder()
{
    m_folderLists.showProgramFolder();
}

void frmPref::setPlayerPath(const QString &path)
{
    setPathText(Preferences::PlayerLocation, path);
    m_winampPath = path;
}

// --- ChromeSettings -------------------------------------------------------------------

bool frmPref::alwaysOnTop() const
{
    return m_chkOpt[Preferences::OnTop]->isChecked();
}

bool frmPref::docking() const
{
    return m_chkOpt[Preferences::Docking]->isChecked();
}

QString frmPref::taskbarHeightText() const
{
    return m_txtOpt[kHeightBox]->text();
}

bool frmPref::sounds() const
{
    return m_chkOpt[Preferences::Sounds]->isChecked();
}
