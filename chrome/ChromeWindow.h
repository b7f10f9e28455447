// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#pragma once

#include "ChromeContext.h"

#include <QHash>
#include <QList>
#include <QWidget>
#include <functional>

class ChildPresenter;
class FocusFrame;
class LabelMenuBar;
class MenuLabel;
class PictureBox;
class PictureButtonBar;
class QLabel;
class QMenu;
class TitleStrip;

// A frameless blue window drawn with the program's own chrome. It composes the
// parts every window of the program has: the frame and title strip (TitleStrip),
// the picture buttons (PictureButtonBar), the lblMenu labels (LabelMenuBar) and
// the presenter of its children (ChildPresenter), and routes mouse movement over
// its controls to the parts' reset routines.
class ChromeWindow : public QWidget
{
    Q_OBJECT
public:
    // The reset routines that a control's MouseMove runs, in the order given.
    enum class Reset { Buttons, Title, MenuBar };

    explicit ChromeWindow(const ChromeContext &context, QWidget *parent = nullptr);

    // --- declaring the window -------------------------------------------------
    // The inner area in twips; the window has no border, so this is its size.
    void setInnerSize(int widthTwips, int heightTwips);
    // Caption of lblMenu(3), centred across the window.
    void setTitle(const QString &title);
    // A picture button that runs action when clicked; see PictureButtonBar::addButton.
    void addButtonPair(int plainIndex, int litIndex, const QString &caption, int leftTwips,
                       int topTwips, std::function<void()> action = {});
    // Sets the caption of both members of the pair that index belongs to.
    void setButtonCaption(int index, const QString &caption);
    // The main window's label bar: lblMenu 0..7 with their captions and places.
    void addMenuBar();
    // The menu that label index (0, 1, 2, 6 or 7) pops up on release, and on Alt
    // with the underlined letter of the menu's title.
    void setLabelMenu(int index, QMenu *menu);
    // Mouse movement over control runs these resets, in this order. The window
    // itself and imgBar are registered already.
    void resetOnMouseMove(QWidget *control, const QList<Reset> &order);
    // Places a child control at a rectangle given in twips.
    static void place(QWidget *control, int left, int top, int width, int height);

    // What "--" and "X" do (main window). By default "--" plays the minimise clip
    // and minimises the window, and "X" closes it.
    void setHideToTray(std::function<void()> action);
    void setExitProgram(std::function<void()> action);

    // --- parts and controls ---------------------------------------------------
    TitleStrip &titleStrip() const { return *m_strip; }
    PictureButtonBar &buttons() const { return *m_buttons; }
    LabelMenuBar &menuBar() const { return *m_menus; }
    ChildPresenter &presenter() const { return *m_presenter; }
    PictureBox *picButton(int index) const;
    QLabel *lblButton(int index) const;
    MenuLabel *lblMenu(int index) const;
    QLabel *imgBar() const;
    bool hasMenuBar() const;
    FocusFrame *focusFrame() const { return m_focusFrame; }

    // --- chrome routines ------------------------------------------------------
    // Shows every plain button member and forgets the last hover sounds.
    void ResetButtons();
    void ResetTitle();
    void ResetMenuBar();
    void HighlightMenu(int index);
    QPoint popupPoint(int index) const;
    void popUpLabelMenu(int index);

    // "--" without a notification area: plays the minimise clip and minimises;
    // the restore clip plays when the window comes back.
    void minimiseNormally();

    // Busy: the hourglass pointer is up; picture buttons neither light nor click.
    bool busy() const;
    void setBusy(bool busy);

    // Plays a clip when the sounds preference is on.
    void PlayClip(Clip clip) const;
    // Snaps this window to the edges of its screen; true when a rule applied.
    bool DockForm();
    void ApplyOnTop(QWidget *frm) const;
    void ShowChild(QWidget *frm, bool modal);

    const ChromeContext &context() const { return m_context; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void changeEvent(QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void layoutTitle();
    void runResets(const QList<Reset> &order);
    void nativeWindowGone();

    ChromeContext m_context;
    TitleStrip *m_strip;
    PictureButtonBar *m_buttons;
    LabelMenuBar *m_menus;
    ChildPresenter *m_presenter;
    FocusFrame *m_focusFrame;
    QHash<QObject *, QList<Reset>> m_resets;
    QList<Reset> m_windowResets{Reset::Title, Reset::Buttons};
    bool m_shownOnce = false;
    bool m_minimisedByLabel = false;
};
