// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#include "FolderList.h"

#include "NativeDirectory.h"
#include "NativeFileSystem.h"

#include <QDir>
#include <QFileInfo>
#include <QMouseEvent>
#include <algorithm>

namespace {

constexpr int kPathRole = Qt::UserRole;

// The folders from the root down to path (native, absolute, clean), each with the
// name it is shown by.
QList<std::pair<QByteArray, QByteArray>> chainOf(const QByteArray &path)
{
    QList<std::pair<QByteArray, QByteArray>> chain;
#ifdef Q_OS_WIN
    const QString text = QString::fromUtf8(path);
    for (QDir dir(text);;) {
        const QString name = dir.isRoot() ? QDir::toNativeSeparators(dir.absolutePath()) : QFileInfo(dir.absolutePath()).fileName();
        chain.prepend({dir.absolutePath().toUtf8(), name.toUtf8()});
        if (dir.isRoot() || !dir.cdUp())
            break;
    }
#else
    chain.append({QByteArray("/"), QByteArray("/")});
    qsizetype start = 1;
    while (start < path.size()) {
        qsizetype end = path.indexOf('/', start);
        if (end < 0)
            end = path.size();
        chain.append({path.left(end), path.mid(start, end - start)});
        start = end + 1;
    }
#endif
    return chain;
}

} // namespace

FolderList::FolderList(QWidget *parent)
    : QListWidget(parent)
{
    setUniformItemSizes(true);
    connect(this, &QListWidget::itemActivated, this,
            [this](QListWidgetItem *item) { setFolder(item->data(kPathRole).toByteArray()); });
}

bool FolderList::setPath(const QString &folder)
{
    if (folder.isEmpty())
        return false;
    const QFileInfo info(folder);
    if (!info.isDir())
        return false;
    return setFolder(QDir::cleanPath(info.absoluteFilePath()).toUtf8());
}

bool FolderList::setFolder(const QByteArray &nativePath)
{
    if (nativePath.isEmpty() || FileSystem::native().kind(nativePath) != FileSystem::Kind::Folder)
        return false;
    if (nativePath == m_path.native())
        return true;
    m_path = m_decoder.decode(nativePath);
    fill();
    Q_EMIT Change();
    return true;
}

void FolderList::fill()
{
    clear();
    int depth = 0;
    for (const auto &[path, name] : chainOf(m_path.native()))
        addFolder(path, m_decoder.text(name), depth++);
    setCurrentRow(count() - 1);
    QList<NativeName> subs;
    for (const NativeDirectory::Entry &entry : NativeDirectory::list(m_path.native())) {
        if (entry.kind == FileSystem::Kind::Folder && !entry.name.startsWith('.'))
            subs.append(m_decoder.decode(entry.name));
    }
    std::sort(subs.begin(), subs.end(), [](const NativeName &a, const NativeName &b) {
        const int order = QString::compare(a.text(), b.text(), Qt::CaseInsensitive);
        return order != 0 ? order < 0 : a.native() < b.native();
    });
    for (const NativeName &sub : std::as_const(subs))
        addFolder(m_path.joined(sub).native(), sub.text(), depth);
}

void FolderList::addFolder(const QByteArray &path, const QString &caption, int depth)
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
