// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#include "ChromeWindow.h"

#include "ChildPresenter.h"
#include "ChromeArt.h"
#include "ChromePalette.h"
#include "FocusFrame.h"
#include "LabelMenuBar.h"
#include "MenuLabel.h"
#include "NativeCloseWatcher.h"
#include "PictureBox.h"
#include "PictureButtonBar.h"
#include "TitleStrip.h"
#include "Twips.h"
#include "WindowControls.h"

#include <QAbstractScrollArea>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QWindow>

ChromeWindow::ChromeWindow(const ChromeContext &context, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint)
    , m_context(context)
    , m_strip(new TitleStrip(this, m_context))
    , m_buttons(new PictureButtonBar(this, m_context))
    , m_menus(new LabelMenuBar(this, m_strip, m_context))
    , m_presenter(new ChildPresenter(this, m_context))
    , m_focusFrame(new FocusFrame(this))
{
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, ChromePalette::kBlue);
    setPalette(palette);
    setAutoFillBackground(true);
    setMouseTracking(true);
    if (m_context.art)
        setWindowIcon(m_context.art->icon());
    resetOnMouseMove(imgBar(), {Reset::Buttons, Reset::Title});
    m_menus->setMinimiseAction([this] { minimiseNormally(); });
    m_menus->setCloseAction([this] { close(); });
    new NativeCloseWatcher(this, [this] { nativeWindowGone(); });
}

// --- declaring the window -------------------------------------------------------

void ChromeWindow::setInnerSize(int widthTwips, int heightTwips)
{
    setFixedSize(twips(widthTwips), twips(heightTwips));
    m_strip->fitToWindow();
    layoutTitle();
}

void ChromeWindow::setTitle(const QString &title)
{
    m_menus->title()->setText(title);
    imgBar()->setAccessibleName(title);
    setWindowTitle(title);
    layoutTitle();
}

void ChromeWindow::layoutTitle()
{
    m_strip->layoutTitle(m_menus->title(), !m_menus->hasMenuBar());
}

void ChromeWindow::addButtonPair(int plainIndex, int litIndex, const QString &caption,
                                 int leftTwips, int topTwips, std::function<void()> action)
{
    m_buttons->addButton(plainIndex, litIndex, caption, leftTwips, topTwips, std::move(action));
}

void ChromeWindow::setButtonCaption(int index, const QString &caption)
{
    m_buttons->setCaption(index, caption);
}

void ChromeWindow::addMenuBar()
{
    if (m_menus->hasMenuBar())
        return;
    m_menus->addMenuBar();
    m_windowResets = {Reset::MenuBar, Reset::Buttons};
    m_resets.insert(imgBar(), {Reset::MenuBar, Reset::Buttons});
    layoutTitle();
}

void ChromeWindow::setLabelMenu(int index, QMenu *menu)
{
    m_menus->setLabelMenu(index, menu);
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

void ChromeWindow::setHideToTray(std::function<void()> action)
{
    m_menus->setMinimiseAction(action ? std::move(action) : [this] { minimiseNormally(); });
}

void ChromeWindow::setExitProgram(std::function<void()> action)
{
    m_menus->setCloseAction(action ? std::move(action) : [this] { close(); });
}

// --- controls -------------------------------------------------------------------

PictureBox *ChromeWindow::picButton(int index) const { return m_buttons->picButton(index); }
QLabel *ChromeWindow::lblButton(int index) const { return m_buttons->lblButton(index); }
MenuLabel *ChromeWindow::lblMenu(int index) const { return m_menus->lblMenu(index); }
QLabel *ChromeWindow::imgBar() const { return m_strip->imgBar(); }
bool ChromeWindow::hasMenuBar() const { return m_menus->hasMenuBar(); }

// --- chrome routines --------------------------------------------------------------

void ChromeWindow::ResetButtons()
{
    m_buttons->ResetButtons();
    m_menus->forgetLastSound();
}

void ChromeWindow::ResetTitle() { m_menus->ResetTitle(); }
void ChromeWindow::ResetMenuBar() { m_menus->ResetMenuBar(); }
void ChromeWindow::HighlightMenu(int index) { m_menus->HighlightMenu(index); }
QPoint ChromeWindow::popupPoint(int index) const { return m_menus->popupPoint(index); }
void ChromeWindow::popUpLabelMenu(int index) { m_menus->popUpLabelMenu(index); }
bool ChromeWindow::busy() const { return m_buttons->busy(); }

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

void ChromeWindow::PlayClip(Clip clip) const { m_context.playClip(clip); }
bool ChromeWindow::DockForm() { return m_strip->DockForm(); }
void ChromeWindow::ApplyOnTop(QWidget *frm) const { m_presenter->ApplyOnTop(frm); }
void ChromeWindow::ShowChild(QWidget *frm, bool modal) { m_presenter->ShowChild(frm, modal); }

// --- events -----------------------------------------------------------------------

void ChromeWindow::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    m_strip->paintFrame(painter);
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
        WindowControls::putLastInTabOrder(this, m_buttons->members());
        WindowControls::nameControls(this, m_focusFrame);
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
