#pragma once

#include <QListWidget>

// Dir1: a folder list box. It shows the current folder's ancestors from the root
// down, the current folder itself, then its sub-folders; opening an entry (double
// click or Enter) makes it the current folder, which stays highlighted until
// another folder is picked.
class FolderList : public QListWidget
{
    Q_OBJECT
public:
    explicit FolderList(QWidget *parent = nullptr);

    QString path() const { return m_path; }
    // Moves to folder; false (and nothing changes) when it is not an existing folder.
    // Emits Change when the folder differs from the one shown.
    bool setPath(const QString &folder);

Q_SIGNALS:
    void Change();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void fill();
    void addFolder(const QString &path, const QString &caption, int depth);

    QString m_path;
    bool m_pressOnEmpty = false;
};
