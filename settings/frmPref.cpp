// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#include "frmPref.h"

#include "ChromeArt.h"
#include "Dialogs.h"
#include "PreferencesStore.h"

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

frmPref::frmPref(const ChromeContext &context, Dialogs &dialogs, PreferencesStore &store,
                 QWidget *parent)
    : ChromeWindow(context, parent)
    , m_dialogs(dialogs)
    , m_store(store)
    , m_beep([] { QApplication::beep(); })
{
    setObjectName(QStringLiteral("frmPref"));
    setInnerSize(4710, 4230);
    setTitle(tr("Preferences"));
    addButtonPair(2, 0, tr("Save"), 240, 3540, [this] { save(); });
    addButtonPair(1, 3, tr("Cancel"), 1680, 3540, [this] { cancel(); });
    addButtonPair(5, 4, tr("Default"), 3120, 3540, [this] { SetDefaults(); });
    createControls();
    showStore();
    for (int index = 0; index < int(m_chkOpt.size()); ++index)
        connectControl(index);
    connect(&m_store, &PreferencesStore::changed, this, &frmPref::showStore);
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

// Connected once the controls show the store, so that showing it writes nothing back.
void frmPref::connectControl(int index)
{
    connect(m_chkOpt[index], &QCheckBox::toggled, this, [this, index](bool checked) {
        m_store.setOption(Preferences::Option(index), checked);
    });
    if (QLineEdit *box = m_txtOpt[index])
        connect(box, &QLineEdit::textChanged, this, [this, index] { takeText(index); });
}

void frmPref::showStore()
{
    const Preferences &prefs = m_store.preferences();
    for (int index = 0; index < int(m_chkOpt.size()); ++index) {
        m_chkOpt[index]->setChecked(prefs.options[index]);
        chkOpt_Click(index);
    }
    showText(kHeightBox, prefs.taskbarHeight);
    showText(Preferences::DefaultDirectory, prefs.defaultDirectory);
    showText(Preferences::PlayerLocation, prefs.playerPath);
}

// A box that already shows the text is left alone, so the cursor stays where the
// user is typing.
void frmPref::showText(int index, const QString &text)
{
    if (m_txtOpt[index]->text() == text)
        return;
    if (index == kHeightBox)
        m_txtOpt[index]->setText(text);
    else
        setPathText(index, text);
}

void frmPref::takeText(int index)
{
    const QString text = m_txtOpt[index]->text();
    switch (index) {
    case kHeightBox: m_store.setTaskbarHeight(text); break;
    case Preferences::DefaultDirectory: m_store.setDefaultDirectoryText(text); break;
    case Preferences::PlayerLocation: m_store.setPlayerPathText(text); break;
    default: break;
    }
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

void frmPref::save()
{
    SaveSettings();
    hide();
}

void frmPref::cancel()
{
    CheckINIFile();
    hide();
}

void frmPref::closeEvent(QCloseEvent *event)
{
    // Otherwise a box ticked but never saved would act until the next start.
    if (isVisible())
        CheckINIFile();
    ChromeWindow::closeEvent(event);
}

void frmPref::SetDefaults()
{
    m_store.setDefaults();
}

// --- the settings file --------------------------------------------------------------

void frmPref::CheckINIFile()
{
    const StartFolder folder = m_store.load();
    Q_EMIT folderLoaded(folder);
}

void frmPref::SaveSettings()
{
    if (m_store.save())
        m_dialogs.showMessage(RenamerIni::saveErrorMessage(), Dialogs::Icon::None, applicationTitle());
}
