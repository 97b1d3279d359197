#pragma once
// A list of the files of one folder whose names match a mask such as
// "*.jpg;*.bmp" (patterns split at ';', case ignored), sorted by name. Only
// plain files are listed (no folders, no hidden files). A folder that does
// not exist, or cannot be read, gives an empty list.
//
// The optional FileEdit echoes the selection: whenever the selected item
// changes the edit gets the selected name, or the mask when nothing is
// selected. Reading the folder again clears the selection.
#include <QListWidget>
#include <QLineEdit>
#include <QPointer>
#include <QString>

class FileList : public QListWidget
{
    Q_OBJECT
public:
    explicit FileList(QWidget *parent = nullptr);

    // The folder as given (no check that it exists); setting it reads it.
    QString Directory() const { return m_directory; }
    void SetDirectory(const QString &directory);

    QString Mask() const { return m_mask; }
    void SetMask(const QString &mask);

    int Count() const { return count(); }
    // The name of item `index` (no folder), or "" when out of range.
    QString Item(int index) const;

    // -1 for no selection; an index outside the list selects nothing.
    int ItemIndex() const { return currentRow(); }
    void SetItemIndex(int index);

    // The selected file joined to Directory, or "" when nothing is selected.
    QString FileName() const;

    QLineEdit *FileEdit() const { return m_fileEdit; }
    void SetFileEdit(QLineEdit *edit);

    // Reads the folder again.
    void Update();

private:
    void echoSelection();

    QString m_directory;
    QString m_mask = QStringLiteral("*.*");
    QPointer<QLineEdit> m_fileEdit;
};
