// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#include "frmAbout2.h"

#include "ChromeArt.h"
#include "CommentBox.h"
#include "FeedbackExchange.h"
#include "MarluneVersion.h"
#include "UpdateExchange.h"
#include "WebAddress.h"

#include <QCloseEvent>
#include <QDesktopServices>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>

namespace {

// The author's addresses until an update reply or hostinfo.ini gives others.
const char *const kDesignEmail = "author@marlune.example";
const char *const kDesignWeb = "http://www.marlune.example/";
const char *const kAuthor = "M. Lune";
const char *const kDescription = QT_TRANSLATE_NOOP(
    "frmAbout2",
    "This file renames .MP3, .MPG, .MPEG, .DOC, .TXT, .MOV, .ASF, .RM, .RAM files to a predefined "
    "format. Please send any comments or bug reports. Thanks. Last updated December 2026.");

struct Rect
{
    int left, top, width, height;
};

// The window's controls, in twips.
constexpr int kInnerWidth = 6390;
constexpr int kInnerHeight = 3990;
constexpr Rect kImage1{180, 420, 1560, 1620};
constexpr Rect kLblAbout[4]{{1860, 480, 3165, 405},
                            {5040, 480, 1065, 435},
                            {1860, 1620, 4365, 1275},
                            {480, 2040, 975, 255}};
constexpr Rect kTxtAbout[2]{{1860, 1020, 2175, 315}, {1860, 1320, 4365, 285}};
constexpr Rect kTxtComments{1860, 2940, 4365, 915};

void placeAt(QWidget *control, const Rect &r)
{
    ChromeWindow::place(control, r.left, r.top, r.width, r.height);
}

QFont textFont()
{
    QFont font = ChromeArt::captionFont(8.25);
    font.setBold(false);
    return font;
}

// The large captions were sized for a narrow face; where the desktop has only
// wider ones, a smaller size keeps the version whole inside its designed width.
void fitToWidth(QLabel *label)
{
    QFont font = label->font();
    while (font.pointSizeF() > 8 && QFontMetrics(font).horizontalAdvance(label->text()) > label->width())
        font.setPointSizeF(font.pointSizeF() - 0.5);
    label->setFont(font);
}

void setForeColor(QWidget *control, const QColor &color)
{
    QPalette palette = control->palette();
    palette.setColor(QPalette::WindowText, color);
    control->setPalette(palette);
}

} // namespace

frmAbout2::frmAbout2(const ChromeContext &context, Dialogs &dialogs, const QString &programFolder,
                     const ExchangeOptions &options, QWidget *parent)
    : ChromeWindow(context, parent)
    , m_update(new UpdateExchange(dialogs, programFolder, this))
    , m_feedback(new FeedbackExchange(dialogs, this))
    , m_openUrl([](const QUrl &url) { QDesktopServices::openUrl(url); })
{
    setObjectName(QStringLiteral("frmAbout2"));
    setAttribute(Qt::WA_DeleteOnClose);
    setInnerSize(kInnerWidth, kInnerHeight);
    setTitle(tr("About Marlune"));
    addButtonPair(2, 0, tr("OK"), 300, 2340, [this] { close(); });
    addButtonPair(1, 3, tr("Update"), 300, 2880, [this] { ConnectNow(); });
    addButtonPair(5, 4, tr("Comments"), 300, 3420, [this] { SendComments(); });
    createControls();
    connectExchanges(options);
}

void frmAbout2::createControls()
{
    createLabels();
    createBoxes();
    QList<QWidget *> resetting{m_image1, m_txtComments};
    resetting << QList<QWidget *>(m_lblAbout.begin(), m_lblAbout.end())
              << QList<QWidget *>(m_txtAbout.begin(), m_txtAbout.end());
    for (QWidget *control : resetting)
        resetOnMouseMove(control, {Reset::Title, Reset::Buttons});
}

void frmAbout2::createLabels()
{
    m_image1 = new QLabel(this);
    m_image1->setObjectName(QStringLiteral("Image1"));
    m_image1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    if (context().art)
        m_image1->setPixmap(context().art->icon32());
    m_image1->setAccessibleName(tr("Marlune"));
    placeAt(m_image1, kImage1);

    for (int i = 0; i < int(m_lblAbout.size()); ++i) {
        auto *label = new QLabel(this);
        label->setObjectName(QStringLiteral("lblAbout%1").arg(i));
        label->setFont(i < 2 ? ChromeArt::captionFont(18) : textFont());
        setForeColor(label, Qt::white);
        label->setWordWrap(i == 2);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        placeAt(label, kLblAbout[i]);
        m_lblAbout[i] = label;
    }
    m_lblAbout[0]->setText(tr("Marlune"));
    m_lblAbout[1]->setText(QStringLiteral(MARLUNE_VERSION));
    m_lblAbout[2]->setText(tr(kDescription));
    m_lblAbout[3]->setText(QString::fromLatin1(kAuthor));
    for (int i : {0, 1, 3})
        fitToWidth(m_lblAbout[i]);
}

void frmAbout2::createBoxes()
{
    for (int i = 0; i < int(m_txtAbout.size()); ++i) {
        auto *box = new QLineEdit(this);
        box->setObjectName(QStringLiteral("txtAbout%1").arg(i));
        box->setReadOnly(true);
        box->setFont(textFont());
        box->setTextMargins(0, 0, 0, 0);
        placeAt(box, kTxtAbout[i]);
        box->installEventFilter(this);
        m_txtAbout[i] = box;
    }
    showAddresses(QString::fromLatin1(kDesignWeb), QString::fromLatin1(kDesignEmail));
    m_txtAbout[1]->setToolTip(tr("Double-Click to goto website."));
    m_txtAbout[0]->setAccessibleName(tr("E-mail"));

    m_txtComments = new CommentBox(CommentsMaxLength, this);
    m_txtComments->setObjectName(QStringLiteral("txtComments"));
    m_txtComments->setFont(textFont());
    m_txtComments->setAccessibleName(tr("Comments"));
    placeAt(m_txtComments, kTxtComments);
}

void frmAbout2::connectExchanges(const ExchangeOptions &options)
{
    m_update->setRemoteHost(options.updateHost);
    m_update->setRemotePort(options.updatePort);
    m_update->setTimeout(options.updateTimeoutMs);
    m_update->setNetworkCheck(options.networkCheck);
    m_update->setOwnVersion(QStringLiteral(MARLUNE_VERSION));
    m_feedback->setRemoteHost(options.feedbackHost);
    m_feedback->setRemotePort(options.feedbackPort);
    m_feedback->setSendDelay(options.sendDelayMs);
    m_feedback->setAnswerTimeout(options.answerTimeoutMs);
    m_feedback->setNetworkCheck(options.networkCheck);

    connect(m_update, &UpdateExchange::busyChanged, this, &frmAbout2::exchangeBusyChanged);
    connect(m_feedback, &FeedbackExchange::busyChanged, this, &frmAbout2::exchangeBusyChanged);
    connect(m_update, &UpdateExchange::addressesChanged, this, &frmAbout2::showAddresses);
}

void frmAbout2::showEvent(QShowEvent *event)
{
    ChromeWindow::showEvent(event);
    if (!m_loaded) {
        m_loaded = true;
        Form_Load();
    }
}

void frmAbout2::closeEvent(QCloseEvent *event)
{
    if (busy()) {
        event->ignore();
        return;
    }
    ChromeWindow::closeEvent(event);
}

void frmAbout2::Form_Load()
{
    // Applied before a check starts, so a check from the menu already asks the
    // server that the last reply named.
    m_update->LoadHostInfo();
    if (m_checkUpdateOnOpen) {
        ConnectNow();
        m_checkUpdateOnOpen = false;
    }
}

void frmAbout2::ConnectNow()
{
    // One exchange at a time: both drive the same pointer and comment box.
    if (busy())
        return;
    m_update->ConnectNow();
}

void frmAbout2::SendComments()
{
    if (busy())
        return;
    m_feedback->SendComments(m_txtComments->toPlainText());
}

void frmAbout2::txtAbout_DblClick(int index)
{
    if (index != 1)
        return;
    if (const std::optional<QUrl> url = webAddressToOpen(m_txtAbout[1]->text()))
        m_openUrl(*url);
}

bool frmAbout2::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonDblClick
        && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
        for (int i = 0; i < int(m_txtAbout.size()); ++i)
            if (watched == m_txtAbout[i])
                txtAbout_DblClick(i);
    }
    return ChromeWindow::eventFilter(watched, event);
}

void frmAbout2::exchangeBusyChanged(bool busy)
{
    setBusy(busy);
    m_txtComments->setEnabled(!busy);
    Q_EMIT busyChanged(busy);
}

void frmAbout2::showAddresses(const QString &webAddress, const QString &emailAddress)
{
    m_txtAbout[1]->setText(webAddress);
    m_txtAbout[0]->setText(emailAddress);
    m_txtAbout[0]->setCursorPosition(0);
    m_txtAbout[1]->setCursorPosition(0);
}
