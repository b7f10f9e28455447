// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#pragma once

#include "ChromeWindow.h"
#include "ExchangeOptions.h"

#include <QString>
#include <QUrl>
#include <array>
#include <functional>

class CommentBox;
class Dialogs;
class FeedbackExchange;
class QLabel;
class QLineEdit;
class UpdateExchange;

// The About window: name, version and description of the program, the author's
// addresses (which an update reply can replace), a box for comments, and the
// buttons OK (unload), Update (the update check) and Comments (send the box).
// It is created for each opening, unloads itself on OK (it is deleted once
// closed) and owns one update and one comment exchange, whose work shows as
// the hourglass with the comment box disabled. Form_Load runs when the window
// is first shown: it applies hostinfo.ini, then starts a check if asked to.
class frmAbout2 : public ChromeWindow
{
    Q_OBJECT
public:
    using UrlOpener = std::function<void(const QUrl &)>;

    // programFolder holds hostinfo.ini. dialogs shows the exchanges' messages and
    // must outlive the window; the program passes a QtDialogs whose parent is
    // this window, so the boxes stay above it when it is topmost.
    frmAbout2(const ChromeContext &context, Dialogs &dialogs, const QString &programFolder,
              const ExchangeOptions &options = {}, QWidget *parent = nullptr);

    // "Check for &Update" sets this before the window is shown; Form_Load
    // starts the check and clears it.
    void setCheckUpdateOnOpen(bool check) { m_checkUpdateOnOpen = check; }
    bool CheckUpdateOnOpen() const { return m_checkUpdateOnOpen; }

    // What a double-click on an http or https web address calls; by default
    // the desktop's browser.
    void setUrlOpener(UrlOpener opener) { m_openUrl = std::move(opener); }

    // Starts an update check, as the Update button does; nothing while busy.
    void ConnectNow();

    // --- controls ---------------------------------------------------------------
    QLabel *lblAbout(int index) const { return m_lblAbout.at(index); }
    QLineEdit *txtAbout(int index) const { return m_txtAbout.at(index); }
    CommentBox *txtComments() const { return m_txtComments; }
    QLabel *Image1() const { return m_image1; }

    static constexpr int CommentsMaxLength = 190;

Q_SIGNALS:
    // An exchange started (true) or ended (false), after its message was shown.
    void busyChanged(bool busy);

protected:
    void showEvent(QShowEvent *event) override;
    // The window stays open while an exchange runs, however it is asked to close.
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createControls();
    void createLabels();
    void createBoxes();
    void connectExchanges(const ExchangeOptions &options);
    void Form_Load();
    void SendComments();
    void txtAbout_DblClick(int index);
    void exchangeBusyChanged(bool busy);
    void showAddresses(const QString &webAddress, const QString &emailAddress);

    UpdateExchange *m_update;
    FeedbackExchange *m_feedback;
    std::array<QLabel *, 4> m_lblAbout{};
    std::array<QLineEdit *, 2> m_txtAbout{};
    CommentBox *m_txtComments = nullptr;
    QLabel *m_image1 = nullptr;
    UrlOpener m_openUrl;
    bool m_checkUpdateOnOpen = false;
    bool m_loaded = false;
};
