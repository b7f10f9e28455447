#include "FileList.h"

#include <QDir>
#include <QMouseEvent>
#include <QStringListModel>
#include <algorithm>
#include <utility>
#include <vector>

FileList::FileList(QWidget *parent)
    : QListView(parent)
    , m_model(new QStringListModel(this))
{
    setModel(m_model);
    setUniformItemSizes(true);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
}

void FileList::setPath(const QString &folder)
{
    m_path = folder;
    refresh();
}

void FileList::setPattern(const QString &pattern)
{
    m_pattern = pattern;
}

void FileList::refresh()
{
    QStringList names;
    if (!m_path.isEmpty()) {
        // Sorted here on folded keys, computed once per name: QDir would compare with
        // the locale, and folding at every comparison dominates a large folder.
        const QStringList found = QDir(m_path).entryList({m_pattern}, QDir::Files | QDir::Hidden | QDir::System,
                                                         QDir::Unsorted);
        std::vector<std::pair<QString, int>> keys;
        keys.reserve(found.size());
        for (int i = 0; i < found.size(); ++i)
            keys.emplace_back(found.at(i).toCaseFolded(), i);
        std::sort(keys.begin(), keys.end(), [&found](const auto &a, const auto &b) {
            if (a.first != b.first)
                return a.first < b.first;
            return found.at(a.second) < found.at(b.second);
        });
        names.reserve(found.size());
        for (const auto &key : keys)
            names << found.at(key.second);
    }
    m_names = names;
    m_model->setStringList(m_names);
}

bool FileList::selected(int index) const
{
    return selectionModel()->isSelected(m_model->index(index));
}

void FileList::setSelected(int index, bool on)
{
    selectionModel()->select(m_model->index(index),
                             on ? QItemSelectionModel::Select : QItemSelectionModel::Deselect);
}

QStringList FileList::selectedNames() const
{
    QList<int> rows;
    const QModelIndexList indexes = selectionModel()->selectedRows();
    rows.reserve(indexes.size());
    for (const QModelIndex &index : indexes)
        rows << index.row();
    std::sort(rows.begin(), rows.end());
    QStringList names;
    names.reserve(rows.size());
    for (int row : std::as_const(rows))
        names << m_names.at(row);
    return names;
}

int FileList::listIndex() const
{
    const QModelIndex current = currentIndex();
    return current.isValid() ? current.row() : -1;
}

void FileList::mousePressEvent(QMouseEvent *event)
{
    // A right click opens the tag menu for the files already chosen, so it must not
    // change the selection.
    if (event->button() != Qt::RightButton)
        QListView::mousePressEvent(event);
    Q_EMIT MouseDown(event->button(), event->globalPosition().toPoint());
}

void FileList::mouseDoubleClickEvent(QMouseEvent *event)
{
    QListView::mouseDoubleClickEvent(event);
    if (event->button() == Qt::LeftButton)
        Q_EMIT DblClick();
}
