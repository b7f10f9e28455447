#pragma once

#include <QListView>
#include <QStringList>

class QStringListModel;

// File1: the files of one folder that match a wildcard pattern (without regard to
// case), sorted without regard to case, several selectable at once. Filled at once
// when the folder or the pattern changes, fast enough for folders of many
// thousands of files.
class FileList : public QListView
{
    Q_OBJECT
public:
    explicit FileList(QWidget *parent = nullptr);

    QString path() const { return m_path; }
    void setPath(const QString &folder);
    QString pattern() const { return m_pattern; }
    // Takes effect at the next read of the folder.
    void setPattern(const QString &pattern);
    // Reads the folder again.
    void refresh();

    int listCount() const { return m_names.size(); }
    QString list(int index) const { return m_names.value(index); }
    bool selected(int index) const;
    void setSelected(int index, bool selected);
    // The names of the selected entries, in list order.
    QStringList selectedNames() const;
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
    QStringListModel *m_model;
    QString m_path;
    QString m_pattern = QStringLiteral("*.mp3");
    QStringList m_names;
};
