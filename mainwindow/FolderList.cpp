#include "FolderList.h"

#include <QDir>
#include <QFileInfo>
#include <QMouseEvent>

namespace {
constexpr int kPathRole = Qt::UserRole;
}

FolderList::FolderList(QWidget *parent)
    : QListWidget(parent)
{
    setUniformItemSizes(true);
    connect(this, &QListWidget::itemActivated, this,
            [this](QListWidgetItem *item) { setPath(item->data(kPathRole).toString()); });
}

bool FolderList::setPath(const QString &folder)
{
    if (folder.isEmpty())
        return false;
    const QFileInfo info(folder);
    if (!info.isDir())
        return false;
    const QString path = QDir::cleanPath(info.absoluteFilePath());
    if (path == m_path)
        return true;
    m_path = path;
    fill();
    Q_EMIT Change();
    return true;
}

void FolderList::fill()
{
    clear();
    QStringList chain;
    for (QDir dir(m_path);; ) {
        chain.prepend(dir.absolutePath());
        if (dir.isRoot() || !dir.cdUp())
            break;
    }
    int depth = 0;
    for (const QString &ancestor : chain) {
        const QString name = QDir(ancestor).isRoot() ? QDir::toNativeSeparators(ancestor)
                                                     : QFileInfo(ancestor).fileName();
        addFolder(ancestor, name, depth++);
    }
    setCurrentRow(count() - 1);
    QStringList subs = QDir(m_path).entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden,
                                              QDir::Name | QDir::IgnoreCase);
    for (const QString &sub : std::as_const(subs))
        addFolder(QDir(m_path).filePath(sub), sub, depth);
}

void FolderList::addFolder(const QString &path, const QString &caption, int depth)
{
    auto *item = new QListWidgetItem(QString(depth * 2, QLatin1Char(' ')) + caption, this);
    item->setData(kPathRole, path);
}

// The empty space below the folders holds nothing to pick; the list view would
// take a press there as "select nothing" and drop the current folder's highlight.
void FolderList::mousePressEvent(QMouseEvent *event)
{
    m_pressOnEmpty = !itemAt(event->position().toPoint());
    if (m_pressOnEmpty) {
        event->accept();
        return;
    }
    QListWidget::mousePressEvent(event);
}

void FolderList::mouseReleaseEvent(QMouseEvent *event)
{
    if (m_pressOnEmpty) {
        m_pressOnEmpty = false;
        event->accept();
        return;
    }
    QListWidget::mouseReleaseEvent(event);
}
