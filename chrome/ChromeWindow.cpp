#include "ChromeWindow.h"

#include "ChromeArt.h"
#include "ChromeSettings.h"
#include "DockForm.h"
#include "FocusFrame.h"
#include "MenuLabel.h"
#include "MenuLabelLayout.h"
#include "NativeCloseWatcher.h"
#include "PictureBox.h"
#include "TopMost.h"
#include "Twips.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QApplication>
#include <QEventLoop>
#include <QGuiApplication>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QRegularExpression>
#include <QScreen>
#include <QShortcut>
#include <QWindow>

namespace {

const QColor kBlue(0, 0, 255);
const QColor kNavy(0, 0, 128);
const QColor kWhite(255, 255, 255);
const QColor kYellow(255, 255, 0);

// Title strip and frame, in twips.
constexpr int kTitleBarTop = 60;
constexpr int kTitleBarHeight = 285;
constexpr int kTitleTop = 60;
constexpr int kTitleHeight = 240;
constexpr int kTitleRuleY = 360;

void setForeColor(QLabel *label, const QColor &color)
{
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, color);
    label->setPalette(palette);
}

void setUnderline(QLabel *label, bool underline)
{
    QFont font = label->font();
    font.setUnderline(underline);
    label->setFont(font);
}

// The button numbers of the mouse events the window handlers were written for.
int vbButton(Qt::MouseButton button)
{
    switch (button) {
    case Qt::LeftButton: return 1;
    case Qt::RightButton: return 2;
    case Qt::MiddleButton: return 4;
    default: return 0;
    }
}

QString withoutAccelerator(QString caption)
{
    return caption.remove(QRegularExpression(QStringLiteral("&(?!&)")));
}

bool onWayland()
{
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

// Ends a modal display when the child hides.
class HideWatcher : public QObject
{
public:
    HideWatcher(QWidget *watched, QEventLoop *loop)
        : m_loop(loop)
    {
        watched->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Hide)
            m_loop->quit();
        return false;
    }

private:
    QEventLoop *m_loop;
};

} // namespace

ChromeWindow::ChromeWindow(const ChromeContext &context, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint)
    , m_context(context)
    , m_imgBar(new QLabel(this))
    , m_focusFrame(new FocusFrame(this))
{
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, kBlue);
    setPalette(palette);
    setAutoFillBackground(true);
    setMouseTracking(true);
    if (m_context.art)
        setWindowIcon(m_context.art->icon());

    m_imgBar->setObjectName(QStringLiteral("imgBar"));
    m_imgBar->setScaledContents(true);
    if (m_context.art)
        m_imgBar->setPixmap(m_context.art->titleBar());
    resetOnMouseMove(m_imgBar, {Reset::Buttons, Reset::Title});

    MenuLabel *title = makeMenuLabel(MenuIndex::Title);
    title->setGeometry(0, twips(kTitleTop), 0, twips(kTitleHeight));
    new NativeCloseWatcher(this, [this] { nativeWindowGone(); });
}

// --- declaring the window -------------------------------------------------------

void ChromeWindow::setInnerSize(int widthTwips, int heightTwips)
{
    setFixedSize(twips(widthTwips), twips(heightTwips));
    m_imgBar->setGeometry(0, twips(kTitleBarTop), width(), twips(kTitleBarHeight));
    layoutTitle();
}

void ChromeWindow::setTitle(const QString &title)
{
    lblMenu(MenuIndex::Title)->setText(title);
    m_imgBar->setAccessibleName(title);
    setWindowTitle(title);
    layoutTitle();
}

void ChromeWindow::layoutTitle()
{
    MenuLabel *title = lblMenu(MenuIndex::Title);
    if (!m_hasMenuBar)
        title->resize(title->sizeHint().width() + 8, title->height());
    title->move((width() - title->width()) / 2, title->y());
}

void ChromeWindow::addButtonPair(int plainIndex, int litIndex, const QString &caption,
                                 int leftTwips, int topTwips)
{
    for (int index : {plainIndex, litIndex}) {
        const bool lit = index == litIndex;
        const QPixmap &face = m_context.art ? (lit ? m_context.art->buttonLit() : m_context.art->button())
                                            : QPixmap();
        auto *member = new PictureBox(index, face, this);
        member->move(twips(leftTwips), twips(topTwips));
        member->caption()->setText(caption);
        member->setAccessibleName(caption);
        setForeColor(member->caption(), lit ? kYellow : kWhite);
        setUnderline(member->caption(), lit);
        member->setVisible(!lit);
        connect(member, &PictureBox::mouseMoved, this, &ChromeWindow::buttonMoved);
        connect(member, &PictureBox::pressed, this, &ChromeWindow::buttonPressed);
        connect(member, &PictureBox::clicked, this, &ChromeWindow::buttonClickedRaw);
        connect(member, &PictureBox::keyClicked, this, &ChromeWindow::buttonKeyClicked);
        m_members.insert(index, member);
    }
    m_pairs.push_back({plainIndex, litIndex});
}

void ChromeWindow::setButtonCaption(int index, const QString &caption)
{
    if (const Pair *pair = pairOf(index)) {
        for (int member : {pair->plain, pair->lit}) {
            lblButton(member)->setText(caption);
            picButton(member)->setAccessibleName(caption);
        }
    }
}

void ChromeWindow::addMenuBar()
{
    if (m_hasMenuBar)
        return;
    m_hasMenuBar = true;
    for (const MenuLabelSpec &spec : mainMenuLabels()) {
        MenuLabel *label = spec.index == MenuIndex::Title ? lblMenu(MenuIndex::Title)
                                                          : makeMenuLabel(spec.index);
        if (!spec.caption.isEmpty())
            label->setText(shownCaption(spec));
        place(label, spec.left, spec.top, spec.width, spec.height);
    }
    m_windowResets = {Reset::MenuBar, Reset::Buttons};
    m_resets.insert(m_imgBar, {Reset::MenuBar, Reset::Buttons});
    layoutTitle();
}

void ChromeWindow::setLabelMenu(int index, QMenu *menu)
{
    m_menus.insert(index, menu);
    const QKeySequence key = QKeySequence::mnemonic(menu->title());
    if (key.isEmpty())
        return;
    auto *shortcut = new QShortcut(key, this);
    connect(shortcut, &QShortcut::activated, this, [this, index] { popUpLabelMenu(index); });
}

void ChromeWindow::resetOnMouseMove(QWidget *control, const QList<Reset> &order)
{
    QWidget *target = control;
    if (auto *area = qobject_cast<QAbstractScrollArea *>(control))
        target = area->viewport();
    target->setMouseTracking(true);
    target->installEventFilter(this);
    m_resets.insert(target, order);
}

void ChromeWindow::place(QWidget *control, int left, int top, int width, int height)
{
    control->setGeometry(twips(left), twips(top), twips(width), twips(height));
}

MenuLabel *ChromeWindow::makeMenuLabel(int index)
{
    auto *label = new MenuLabel(index, this);
    setForeColor(label, kWhite);
    connect(label, &MenuLabel::mouseMoved, this, &ChromeWindow::labelMoved);
    connect(label, &MenuLabel::pressed, this, &ChromeWindow::labelPressed);
    connect(label, &MenuLabel::released, this,
            [this](int i, Qt::MouseButton button, QPointF) { labelReleased(i, button); });
    m_labels.insert(index, label);
    return label;
}

// --- controls -------------------------------------------------------------------

PictureBox *ChromeWindow::picButton(int index) const
{
    return m_members.value(index);
}

QLabel *ChromeWindow::lblButton(int index) const
{
    PictureBox *member = picButton(index);
    return member ? member->caption() : nullptr;
}

MenuLabel *ChromeWindow::lblMenu(int index) const
{
    return m_labels.value(index);
}

// --- chrome routines --------------------------------------------------------------

void ChromeWindow::ResetButtons()
{
    auto *focused = qobject_cast<PictureBox *>(QApplication::focusWidget());
    for (const Pair &pair : m_pairs) {
        showMember(pair.plain, true);
        showMember(pair.lit, false);
    }
    handFocusToPartner(focused);
    iLastMenuSound = -1;
    iLastButtonSound = -1;
}

void ChromeWindow::ResetTitle()
{
    setForeColor(lblMenu(MenuIndex::Title), kWhite);
}

void ChromeWindow::ResetMenuBar()
{
    for (int index = 0; index < 8; ++index) {
        if (MenuLabel *label = lblMenu(index)) {
            setForeColor(label, kWhite);
            setUnderline(label, false);
        }
    }
}

void ChromeWindow::HighlightMenu(int index)
{
    for (int i = 0; i < 8; ++i)
        if (MenuLabel *label = lblMenu(i))
            setForeColor(label, kWhite);
    if (MenuLabel *label = lblMenu(index))
        setForeColor(label, kYellow);
    for (int i = 0; i < 8; ++i)
        if (MenuLabel *label = lblMenu(i))
            setUnderline(label, false);
    if (!underlinesWhenHighlighted(index))
        return;
    if (MenuLabel *label = lblMenu(index))
        setUnderline(label, true);
}

QPoint ChromeWindow::popupPoint(int index) const
{
    const MenuLabel *label = lblMenu(index);
    if (!label)
        return {};
    const MenuLabelSpec spec{index, {}, toTwips(label->x()), toTwips(label->y()),
                             toTwips(label->width()), toTwips(label->height())};
    return menuPopupPoint(spec);
}

bool ChromeWindow::busy() const
{
    return testAttribute(Qt::WA_SetCursor) && cursor().shape() != Qt::ArrowCursor;
}

void ChromeWindow::setBusy(bool busy)
{
    if (busy)
        setCursor(Qt::WaitCursor);
    else
        unsetCursor();
}

void ChromeWindow::minimiseNormally()
{
    PlayClip(Clip::Min);
    m_minimisedByLabel = true;
    showMinimized();
}

void ChromeWindow::PlayClip(Clip clip) const
{
    if (m_context.settings && m_context.settings->sounds() && m_context.clips)
        m_context.clips->play(clip);
}

bool ChromeWindow::DockForm()
{
    const QScreen *screen = this->screen();
    if (!screen || !m_context.settings)
        return false;
    const QRect area = screen->geometry();
    const QRect frame = frameGeometry();
    const DockRect rect{float(toTwips(frame.x() - area.x())), float(toTwips(frame.y() - area.y())),
                        float(toTwips(frame.width())), float(toTwips(frame.height()))};
    const float screenWidth = float(toTwips(area.width()));
    const float screenHeight = float(toTwips(area.height()));
    const DockResult result = ::DockForm(rect, screenWidth, screenHeight,
                                         taskbarHeightFromText(m_context.settings->taskbarHeightText()));
    const QRect available = screen->availableGeometry();
    const DockRect kept = KeepOnScreen(result.rect, screenWidth, screenHeight,
                                       float(toTwips(available.x() - area.x())),
                                       float(toTwips(available.y() - area.y())));
    if (kept != rect)
        move(area.x() + twips(kept.left), area.y() + twips(kept.top));
    return result.docked;
}

void ChromeWindow::ApplyOnTop(QWidget *frm) const
{
    if (m_context.settings && m_context.settings->alwaysOnTop())
        MakeTopmost(frm);
}

void ChromeWindow::placeOverOwner(QWidget *frm) const
{
    // Until the user has dragged it, a child opens centred over this window (and on
    // its screen); without a window manager it would otherwise cover the top-left corner.
    if (frm->testAttribute(Qt::WA_Moved) || frm->isVisible())
        return;
    QRect area = frameGeometry();
    if (const QScreen *s = screen())
        area = s->availableGeometry();
    QRect r(QPoint(), frm->frameGeometry().size());
    r.moveCenter(frameGeometry().center());
    r.moveLeft(qBound(area.left(), r.left(), qMax(area.left(), area.right() - r.width() + 1)));
    r.moveTop(qBound(area.top(), r.top(), qMax(area.top(), area.bottom() - r.height() + 1)));
    frm->move(r.topLeft());
}

void ChromeWindow::ShowChild(QWidget *frm, bool modal)
{
    if (!frm)
        return;
    MakeNotTopmost(this);
    ApplyOnTop(frm);
    placeOverOwner(frm);
    frm->winId();
    if (QWindow *child = frm->windowHandle()) {
        winId();
        child->setTransientParent(windowHandle());
    }
    if (!modal) {
        frm->show();
        return;
    }
    if (frm->isVisible()) {
        frm->raise();
        return;
    }
    frm->setWindowModality(Qt::ApplicationModal);
    QPointer<QWidget> guard(frm);
    QEventLoop loop;
    HideWatcher watcher(frm, &loop);
    connect(frm, &QObject::destroyed, &loop, &QEventLoop::quit);
    frm->show();
    if (frm->isVisible())
        loop.exec(QEventLoop::DialogExec);
    if (guard) {
        frm->removeEventFilter(&watcher);
        frm->setWindowModality(Qt::NonModal);
    }
}

// --- events -----------------------------------------------------------------------

void ChromeWindow::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    QPen pen(kNavy, 3);
    pen.setCapStyle(Qt::FlatCap);
    painter.setPen(pen);
    const int w = width();
    const int h = height();
    const int edge = twips(15);
    painter.drawLine(0, edge, w, edge);
    painter.drawLine(edge, 0, edge, h);
    painter.drawLine(w - 1 - edge, 0, w - 1 - edge, h);
    painter.drawLine(0, h - 1 - edge, w, h - 1 - edge);
    painter.drawLine(0, twips(kTitleRuleY), w, twips(kTitleRuleY));
}

void ChromeWindow::mouseMoveEvent(QMouseEvent *event)
{
    // Moves bubble up from controls without a handler of their own; only the
    // window's bare surface resets.
    if (!childAt(event->position().toPoint()))
        runResets(m_windowResets);
}

bool ChromeWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseMove) {
        const auto found = m_resets.constFind(watched);
        if (found != m_resets.constEnd())
            runResets(found.value());
    }
    return QWidget::eventFilter(watched, event);
}

void ChromeWindow::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::WindowStateChange && m_minimisedByLabel && !isMinimized()) {
        m_minimisedByLabel = false;
        PlayClip(Clip::Max);
    }
    QWidget::changeEvent(event);
}

void ChromeWindow::showEvent(QShowEvent *event)
{
    // Every control exists by the first show.
    if (!m_shownOnce) {
        m_shownOnce = true;
        putButtonsLastInTabOrder();
        nameControls();
    }
    QWidget::showEvent(event);
}

// The window system destroyed the native window: that is a close. The window's own
// handler decides what it means; then Qt forgets the dead native window, so that
// a window shown again (or kept, when it refuses) gets a new one.
void ChromeWindow::nativeWindowGone()
{
    // A refusing window stays on the screen; one that hid itself otherwise (the main
    // window, ending the program) is not brought back.
    QPointer<QWindow> owner = windowHandle() ? windowHandle()->transientParent() : nullptr;
    const bool stays = !close() && isVisible();
    // QWidget's own destroy, not the QWindow's: it also forgets that the widget has a
    // native window, so the next show() makes a new one instead of showing nothing.
    destroy();
    if (stays)
        show();
    else if (owner && owner->isVisible())
        owner->requestActivate(); // or the keys would still go to the dead window
}

void ChromeWindow::putButtonsLastInTabOrder()
{
    QList<QWidget *> members;
    for (const Pair &pair : m_pairs)
        members << picButton(pair.plain) << picButton(pair.lit);
    QList<QWidget *> order;
    for (QWidget *w = nextInFocusChain(); w && w != this; w = w->nextInFocusChain())
        if (w->parentWidget() == this && (w->focusPolicy() & Qt::TabFocus) && !members.contains(w))
            order << w;
    order << members;
    // setTabOrder takes a pair as already ordered when only unfocusable widgets lie
    // between them, and the window itself, where the chain wraps, is one of those:
    // the buttons, declared first, would never move behind the last control.
    const Qt::FocusPolicy own = focusPolicy();
    setFocusPolicy(Qt::TabFocus);
    for (qsizetype i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
    setFocusPolicy(own);
}

// A screen reader's name for every control that has none of its own: the caption
// of the label it is the buddy of, else its tooltip, else its own caption, each
// without the accelerator mark.
void ChromeWindow::nameControls()
{
    const QList<QWidget *> controls = findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
    for (QWidget *control : controls) {
        auto *label = qobject_cast<QLabel *>(control);
        if (label && label->buddy() && label->buddy()->accessibleName().isEmpty())
            label->buddy()->setAccessibleName(withoutAccelerator(label->text()));
    }
    for (QWidget *control : controls) {
        if (control == m_focusFrame || control->isWindow() || !control->accessibleName().isEmpty())
            continue;
        QString name = control->toolTip();
        if (name.isEmpty()) {
            if (auto *label = qobject_cast<QLabel *>(control))
                name = label->text();
            else if (auto *button = qobject_cast<QAbstractButton *>(control))
                name = button->text();
        }
        control->setAccessibleName(withoutAccelerator(name));
    }
}

void ChromeWindow::runResets(const QList<Reset> &order)
{
    for (Reset reset : order) {
        switch (reset) {
        case Reset::Buttons: ResetButtons(); break;
        case Reset::Title: ResetTitle(); break;
        case Reset::MenuBar: ResetMenuBar(); break;
        }
    }
}

const ChromeWindow::Pair *ChromeWindow::pairOf(int index) const
{
    for (const Pair &pair : m_pairs)
        if (pair.plain == index || pair.lit == index)
            return &pair;
    return nullptr;
}

void ChromeWindow::showMember(int index, bool visible)
{
    if (PictureBox *member = picButton(index))
        member->setVisible(visible);
}

// --- picture buttons ------------------------------------------------------------

void ChromeWindow::buttonMoved(int index)
{
    if (busy())
        return;
    if (index != iLastButtonSound && m_context.settings && m_context.settings->sounds()) {
        PlayClip(Clip::Beep);
        iLastButtonSound = index;
    }
    const Pair *hovered = pairOf(index);
    if (!hovered || hovered->plain != index)
        return;
    auto *focused = qobject_cast<PictureBox *>(QApplication::focusWidget());
    bool first = true;
    for (const Pair &pair : m_pairs) {
        const bool lit = &pair == hovered;
        if (first) {
            showMember(pair.plain, !lit);
            showMember(pair.lit, lit);
        } else {
            showMember(pair.lit, lit);
            showMember(pair.plain, !lit);
        }
        first = false;
    }
    handFocusToPartner(focused);
}

// A member hidden by a swap passes the keyboard on down the tab order; the button
// the user tabbed to keeps it instead, through the member now shown.
void ChromeWindow::handFocusToPartner(PictureBox *focused)
{
    if (!focused || focused->isVisible() || focused->window() != this)
        return;
    if (const Pair *pair = pairOf(focused->index())) {
        PictureBox *partner = picButton(pair->plain == focused->index() ? pair->lit : pair->plain);
        if (partner && partner->isVisible())
            partner->setFocus(Qt::TabFocusReason);
    }
}

void ChromeWindow::buttonPressed(int, Qt::MouseButton button)
{
    iMouseButton = vbButton(button);
}

void ChromeWindow::buttonClickedRaw(int index)
{
    if (iMouseButton == 1 && !busy())
        Q_EMIT buttonClicked(index);
}

void ChromeWindow::buttonKeyClicked(int index)
{
    // The keyboard's click stands for a left-button one; iMouseButton records only
    // what the mouse did.
    if (!busy())
        Q_EMIT buttonClicked(index);
}

// --- title and menu labels --------------------------------------------------------

void ChromeWindow::labelMoved(int index, QPointF pos, Qt::MouseButtons buttons)
{
    if (index != iLastMenuSound && m_context.settings && m_context.settings->sounds()) {
        PlayClip(Clip::Beep);
        iLastMenuSound = index;
    }
    if (m_hasMenuBar)
        HighlightMenu(index);
    else if (index == MenuIndex::Title)
        setForeColor(lblMenu(index), kYellow);
    if (index == MenuIndex::Title && buttons == Qt::LeftButton)
        dragTitle(pos);
}

void ChromeWindow::labelPressed(int index, Qt::MouseButton button, QPointF pos)
{
    if (button != Qt::LeftButton)
        return;
    if (index == MenuIndex::Title) {
        const MenuLabel *title = lblMenu(index);
        iGrabX = roundHalfEven(toTwips(title->x()) + pos.x() * kTwipsPerPixel);
        iGrabY = roundHalfEven(toTwips(title->y()) + pos.y() * kTwipsPerPixel);
        if (onWayland() && windowHandle())
            windowHandle()->startSystemMove();
    } else if (index == MenuIndex::Minimise && m_hasMenuBar) {
        if (m_hideToTray)
            m_hideToTray();
        else
            minimiseNormally();
    } else if (index == MenuIndex::Close && m_hasMenuBar) {
        if (m_exitProgram)
            m_exitProgram();
        else
            close();
    }
}

void ChromeWindow::labelReleased(int index, Qt::MouseButton button)
{
    if (button != Qt::LeftButton)
        return;
    if (index == MenuIndex::Title) {
        dockAfterDrag();
        return;
    }
    if (!m_hasMenuBar || !isMenuLabel(index))
        return;
    popUpLabelMenu(index);
}

void ChromeWindow::popUpLabelMenu(int index)
{
    PlayClip(Clip::Menu);
    if (QMenu *menu = m_menus.value(index)) {
        const QPoint at = popupPoint(index);
        menu->popup(mapToGlobal(QPoint(twips(at.x()), twips(at.y()))));
    }
}

void ChromeWindow::dragTitle(QPointF pos)
{
    if (onWayland())
        return;
    const MenuLabel *title = lblMenu(MenuIndex::Title);
    const double p = toTwips(title->y()) + pos.y() * kTwipsPerPixel;
    if (p != iGrabY)
        move(x(), twips(toTwips(y()) + (p - iGrabY)));
    const double q = toTwips(title->x()) + pos.x() * kTwipsPerPixel;
    if (q != iGrabX)
        move(twips(toTwips(x()) + (q - iGrabX)), y());
}

void ChromeWindow::dockAfterDrag()
{
    if (onWayland() || !m_context.settings || !m_context.settings->docking())
        return;
    if (DockForm())
        PlayClip(Clip::Dock);
}
