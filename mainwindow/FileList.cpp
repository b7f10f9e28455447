#include "FileList.h"

#include <QDir>
#include <QMouseEvent>
#include <QStringListModel>
#include <algorithm>

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
        // Sorting is done here rather than by QDir, which would compare with the locale.
        names = QDir(m_path).entryList({m_pattern}, QDir::Files | QDir::Hidden | QDir::System,
                                       QDir::Unsorted);
        std::sort(names.begin(), names.end(), [](const QString &a, const QString &b) {
            const int c = a.compare(b, Qt::CaseInsensitive);
            return c != 0 ? c < 0 : a < b;
        });
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
