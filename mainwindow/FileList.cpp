// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#include "FileList.h"

#include "NativeDirectory.h"

#include <QMouseEvent>
#include <QRegularExpression>
#include <QStringListModel>
#include <algorithm>
#include <utility>
#include <vector>

namespace {

// Matches names against a wildcard pattern without regard to case. "*.ext", the
// pattern of nearly every use, is a plain suffix test: a large folder is read often.
class NamePattern
{
public:
    explicit NamePattern(const QString &pattern)
    {
        const QString rest = pattern.mid(1);
        if (pattern.startsWith(u'*') && !rest.contains(u'*') && !rest.contains(u'?') && !rest.contains(u'['))
            m_suffix = rest;
        else
            m_regex = QRegularExpression(QRegularExpression::wildcardToRegularExpression(pattern),
                                         QRegularExpression::CaseInsensitiveOption);
    }

    bool matches(const QString &name) const
    {
        if (m_suffix)
            return name.endsWith(*m_suffix, Qt::CaseInsensitive);
        return m_regex.match(name).hasMatch();
    }

private:
    std::optional<QString> m_suffix;
    QRegularExpression m_regex;
};

} // namespace

FileList::FileList(QWidget *parent)
    : QListView(parent)
    , m_model(new QStringListModel(this))
{
    setModel(m_model);
    setUniformItemSizes(true);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
}

void FileList::setFolder(const NativeName &folder)
{
    m_folder = folder;
    refresh();
}

void FileList::setPattern(const QString &pattern)
{
    m_pattern = pattern;
}

void FileList::refresh()
{
    QList<NativeName> found;
    if (!m_folder.isEmpty()) {
        const NamePattern pattern(m_pattern);
        for (const NativeDirectory::Entry &entry : NativeDirectory::list(m_folder.native())) {
            if (entry.kind != FileSystem::Kind::File || entry.name.startsWith('.'))
                continue;
            NativeName name = m_decoder.decode(entry.name);
            if (pattern.matches(name.text()))
                found.append(std::move(name));
        }
    }
    // Sorted here on folded keys, computed once per name: folding at every comparison
    // dominates a large folder. Names that fold alike keep an order by their bytes.
    std::vector<std::pair<QString, int>> keys;
    keys.reserve(size_t(found.size()));
    for (int i = 0; i < found.size(); ++i)
        keys.emplace_back(found.at(i).text().toCaseFolded(), i);
    std::sort(keys.begin(), keys.end(), [&found](const auto &a, const auto &b) {
        if (a.first != b.first)
            return a.first < b.first;
        return found.at(a.second).native() < found.at(b.second).native();
    });
    m_names.clear();
    m_names.reserve(found.size());
    QStringList texts;
    texts.reserve(found.size());
    for (const auto &key : keys) {
        m_names.append(found.at(key.second));
        texts.append(m_names.back().text());
    }
    m_model->setStringList(texts);
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

QList<int> FileList::selectedRows() const
{
    QList<int> rows;
    const QModelIndexList indexes = selectionModel()->selectedRows();
    rows.reserve(indexes.size());
    for (const QModelIndex &index : indexes)
        rows << index.row();
    std::sort(rows.begin(), rows.end());
    return rows;
}

QStringList FileList::selectedNames() const
{
    QStringList names;
    for (const NativeName &name : selectedFiles())
        names << name.text();
    return names;
}

QList<NativeName> FileList::selectedFiles() const
{
    QList<NativeName> names;
    for (int row : selectedRows())
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
