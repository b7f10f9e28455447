// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#include "FakeTagHost.h"

#include <QKeyEvent>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

// Control, then C: the cancel key of the automatic tagging.
class CancelKeys : public QObject
{
public:
    explicit CancelKeys(FakeTagHost &host)
        : m_host(host)
    {
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_C && m_last == Qt::Key_Control)
            m_host.i_AutoTag = m_host.fileCount();
        m_last = key;
        return true;
    }

private:
    FakeTagHost &m_host;
    int m_last = 0;
};

} // namespace

FakeTagHost::FakeTagHost()
    : m_context{&m_settings, nullptr, nullptr}
    , m_main(std::make_unique<ChromeWindow>(m_context))
    , m_txtCancel(new QLineEdit(QStringLiteral("Cancel"), m_main.get()))
    , m_cancelKeys(std::make_unique<CancelKeys>(*this))
{
    m_main->setInnerSize(7275, 4875);
    m_txtCancel->installEventFilter(m_cancelKeys.get());
}

FakeTagHost::~FakeTagHost()
{
    m_txtCancel->removeEventFilter(m_cancelKeys.get());
}

void FakeTagHost::selectAll()
{
    for (int i = 0; i < entries.size(); ++i)
        selection.insert(i);
}

bool FakeTagHost::fileSelected(int index) const
{
    if (onSelectedQuery)
        onSelectedQuery(index);
    return selection.contains(index);
}

void FakeTagHost::setFileToolTip(const QString &text)
{
    toolTip = text;
    log << QStringLiteral("tooltip ") + text;
}

void FakeTagHost::enableControls(bool enabled)
{
    log << QStringLiteral("enable %1").arg(enabled);
}

void FakeTagHost::showHourglass(bool busy)
{
    m_main->setBusy(busy);
    log << QStringLiteral("busy %1").arg(busy);
}

void FakeTagHost::focusCancelKey()
{
    m_txtCancel->setFocus();
    log << QStringLiteral("focus txtCancel");
}

void FakeTagHost::showModal(QWidget *editor)
{
    log << QStringLiteral("show");
    ShowStep step;
    if (!onShow.empty()) {
        step = std::move(onShow.front());
        onShow.pop_front();
    } else {
        step = [](QWidget *shown) {
            ADD_FAILURE() << "the editor was shown more often than scripted";
            shown->hide();
        };
    }
    QTimer::singleShot(0, editor, [step, editor] { step(editor); });
    m_main->ShowChild(editor, true);
}

void FakeTagHost::reapplyOnTop()
{
    m_main->ApplyOnTop(m_main.get());
    log << QStringLiteral("on top");
}
