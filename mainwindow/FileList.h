// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#pragma once

#include "NameDecoder.h"
#include "NativeName.h"

#include <QList>
#include <QListView>
#include <QStringList>

class QStringListModel;

// File1: the files of one folder that match a wildcard pattern (without regard to
// case), sorted without regard to case, several selectable at once. Filled at once
// when the folder or the pattern changes, fast enough for folders of many
// thousands of files. Every entry keeps its native name beside the text it shows, so
// names that are not UTF-8 are listed too; entries whose names begin with "." are
// hidden, as in a classic file list box.
class FileList : public QListView
{
    Q_OBJECT
public:
    explicit FileList(QWidget *parent = nullptr);

    QString path() const { return m_folder.text(); }
    const NativeName &folder() const { return m_folder; }
    void setPath(const QString &folder) { setFolder(NativeName::fromText(folder)); }
    void setFolder(const NativeName &folder);
    QString pattern() const { return m_pattern; }
    // Takes effect at the next read of the folder.
    void setPattern(const QString &pattern);
    // How names that are not UTF-8 are shown; takes effect at the next read.
    void setNameDecoder(const NameDecoder &decoder) { m_decoder = decoder; }
    // Reads the folder again.
    void refresh();

    int listCount() const { return int(m_names.size()); }
    QString list(int index) const { return m_names.value(index).text(); }
    NativeName name(int index) const { return m_names.value(index); }
    bool selected(int index) const;
    void setSelected(int index, bool selected);
    // The names of the selected entries, in list order.
    QStringList selectedNames() const;
    QList<NativeName> selectedFiles() const;
    // The current entry's index, -1 when none.
    int listIndex() const;

Q_SIGNALS:
    void DblClick();
    // Any mouse button pressed over the list, with the point in global coordinates.
    void MouseDown(Qt::MouseButton button, QPoint globalPos);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    QList<int> selectedRows() const;

    QStringListModel *m_model;
    NativeName m_folder;
    QString m_pattern = QStringLiteral("*.mp3");
    NameDecoder m_decoder;
    QList<NativeName> m_names;
};
