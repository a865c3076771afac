#include "common/FileToWrite.h"

#include <QFileDialog>
#include <QFileInfo>

namespace orvalis {

FileToWrite chooseFileToWrite(QWidget *parent, const QString &title, const QStringList &filters,
                              const QStringList &suffixes, const QString &name, QString &lastFolder,
                              const QString &firstFolder)
{
    QFileDialog dialog(parent, title);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters(filters);
    dialog.setDefaultSuffix(suffixes.value(0));
    // A name typed without an extension gets the one of the chosen type.
    QObject::connect(
        &dialog, &QFileDialog::filterSelected, &dialog, [&dialog, filters, suffixes](const QString &filter) {
            dialog.setDefaultSuffix(suffixes.value(static_cast<int>(filters.indexOf(filter)), suffixes.value(0)));
        });
    dialog.setDirectory(lastFolder.isEmpty() ? firstFolder : lastFolder);
    dialog.selectFile(name);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    FileToWrite chosen{dialog.selectedFiles().constFirst(),
                       static_cast<int>(filters.indexOf(dialog.selectedNameFilter()))};
    lastFolder = QFileInfo(chosen.path).absolutePath();
    return chosen;
}

} // namespace orvalis
