#pragma once

#include "ChromeContext.h"
#include "ClipSink.h"

#include <QHash>
#include <QList>
#include <QWidget>
#include <functional>
#include <vector>

class FocusFrame;
class MenuLabel;
class PictureBox;
class QLabel;
class QMenu;

// A frameless blue window drawn with the program's own chrome: the navy frame
// lines, the title strip imgBar with the title label lblMenu(3) (which drags the
// window and docks it on release), picture-button pairs that light up under the
// pointer, and, for the main window, the eight-label menu bar. Every window of
// the program derives from it, declares its size, title and buttons, and
// dispatches on the index carried by buttonClicked.
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
    // A button: two overlapping members at (left, top) twips, the plain one shown.
    // The lit caption is underlined. Declare pairs in the order of the window's
    // table (the first pair's plain member changes first when another lights up).
    void addButtonPair(int plainIndex, int litIndex, const QString &caption, int leftTwips,
                       int topTwips);
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
    void setHideToTray(std::function<void()> action) { m_hideToTray = std::move(action); }
    void setExitProgram(std::function<void()> action) { m_exitProgram = std::move(action); }

    // --- controls -------------------------------------------------------------
    PictureBox *picButton(int index) const;
    QLabel *lblButton(int index) const;
    MenuLabel *lblMenu(int index) const;
    QLabel *imgBar() const { return m_imgBar; }
    bool hasMenuBar() const { return m_hasMenuBar; }
    FocusFrame *focusFrame() const { return m_focusFrame; }

    // --- chrome routines ------------------------------------------------------
    void ResetButtons();
    void ResetTitle();
    void ResetMenuBar();
    void HighlightMenu(int index);
    // The window's twips point where label index pops up its menu.
    QPoint popupPoint(int index) const;
    // Plays the menu clip and pops up label index's menu at its popupPoint.
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
    // Makes frm topmost when the always-on-top preference is on.
    void ApplyOnTop(QWidget *frm) const;
    // Shows frm above this window, owned by it: this window leaves the topmost
    // band, frm joins it when the preference is on. Modal returns once frm is
    // hidden or destroyed; the caller then runs ApplyOnTop(this).
    void ShowChild(QWidget *frm, bool modal);

    const ChromeContext &context() const { return m_context; }

    // Window state of the chrome, as the handlers leave it.
    int iMouseButton = 0;
    int iLastButtonSound = -1;
    int iLastMenuSound = -1;
    int iGrabX = 0;
    int iGrabY = 0;

Q_SIGNALS:
    // A left-button click on a picture-button member while the window is not busy.
    void buttonClicked(int index);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void changeEvent(QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    struct Pair
    {
        int plain;
        int lit;
    };

    MenuLabel *makeMenuLabel(int index);
    void layoutTitle();
    void placeOverOwner(QWidget *frm) const;
    void runResets(const QList<Reset> &order);
    const Pair *pairOf(int index) const;
    void showMember(int index, bool visible);

    void buttonMoved(int index);
    void buttonPressed(int index, Qt::MouseButton button);
    void buttonClickedRaw(int index);
    void buttonKeyClicked(int index);
    void handFocusToPartner(PictureBox *focused);
    void putButtonsLastInTabOrder();
    void nativeWindowGone();
    void nameControls();
    void labelMoved(int index, QPointF pos, Qt::MouseButtons buttons);
    void labelPressed(int index, Qt::MouseButton button, QPointF pos);
    void labelReleased(int index, Qt::MouseButton button);
    void dragTitle(QPointF pos);
    void dockAfterDrag();

    ChromeContext m_context;
    QLabel *m_imgBar;
    QHash<int, MenuLabel *> m_labels;
    QHash<int, PictureBox *> m_members;
    std::vector<Pair> m_pairs;
    QHash<int, QMenu *> m_menus;
    QHash<QObject *, QList<Reset>> m_resets;
    QList<Reset> m_windowResets{Reset::Title, Reset::Buttons};
    FocusFrame *m_focusFrame;
    bool m_hasMenuBar = false;
    bool m_shownOnce = false;
    bool m_minimisedByLabel = false;
    std::function<void()> m_hideToTray;
    std::function<void()> m_exitProgram;
};
