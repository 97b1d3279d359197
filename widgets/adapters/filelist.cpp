#include "adapters/filelist.h"

#include "adapters/adapterlogic.h"

#include <QDir>
#include <QLineEdit>

FileList::FileList(QWidget *parent) : QListWidget(parent)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
    connect(this, &QListWidget::currentRowChanged, this, [this] { echoSelection(); });
}

void FileList::SetDirectory(const QString &directory)
{
    m_directory = directory;
    Update();
}

void FileList::SetMask(const QString &mask)
{
    if (mask == m_mask)
        return;
    m_mask = mask;
    Update();
}

QString FileList::Item(int index) const
{
    const QListWidgetItem *it = item(index);
    return it ? it->text() : QString();
}

void FileList::SetItemIndex(int index)
{
    setCurrentRow(index >= 0 && index < count() ? index : -1);
}

QString FileList::FileName() const
{
    const int row = currentRow();
    if (row < 0)
        return {};
    return QDir(m_directory).filePath(Item(row));
}

void FileList::SetFileEdit(QLineEdit *edit)
{
    // The edit keeps its text until the selection next changes.
    m_fileEdit = edit;
}

void FileList::Update()
{
    QStringList names;
    if (!m_directory.isEmpty()) {
        const QDir dir(m_directory);
        // entryList of a missing or unreadable folder is simply empty.
        const QStringList patterns = adapterlogic::maskPatterns(m_mask);
        for (const QString &name : dir.entryList(QDir::Files)) {
            if (adapterlogic::matchesMask(name, patterns))
                names.append(name);
        }
        adapterlogic::sortFileNames(names);
    }
    // clear() moves the current row to -1, which echoes the mask.
    clear();
    addItems(names);
}

void FileList::echoSelection()
{
    if (!m_fileEdit)
        return;
    const int row = currentRow();
    m_fileEdit->setText(row >= 0 ? Item(row) : m_mask);
}
