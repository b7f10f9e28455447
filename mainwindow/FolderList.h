// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#pragma once

#include "NameDecoder.h"
#include "NativeName.h"

#include <QListWidget>

// Dir1: a folder list box. It shows the current folder's ancestors from the root
// down, the current folder itself, then its sub-folders; opening an entry (double
// click or Enter) makes it the current folder. Folders are held by their native
// names, so those that are not UTF-8 are listed and entered too; sub-folders whose
// names begin with "." are hidden. The current folder stays highlighted until another
// folder is picked.
class FolderList : public QListWidget
{
    Q_OBJECT
public:
    explicit FolderList(QWidget *parent = nullptr);

    QString path() const { return m_path.text(); }
    const NativeName &folder() const { return m_path; }
    // Moves to folder (typed or stored text); false (and nothing changes) when it is
    // not an existing folder. Emits Change when the folder differs from the one shown.
    bool setPath(const QString &folder);
    // The same for a folder known by its native path, absolute and clean.
    bool setFolder(const QByteArray &nativePath);
    // How names that are not UTF-8 are shown; takes effect at the next move.
    void setNameDecoder(const NameDecoder &decoder) { m_decoder = decoder; }

Q_SIGNALS:
    void Change();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void fill();
    void addFolder(const QByteArray &path, const QString &caption, int depth);

    NativeName m_path;
    NameDecoder m_decoder;
    bool m_pressOnEmpty = false;
};
