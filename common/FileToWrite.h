#pragma once
// The save dialog both programs' pictures and data go through: the file
// types offered with the extension each adds to a name typed without one, a
// question before an existing file is replaced, and the folder of the last
// file chosen, where the next dialog opens.
#include <QString>
#include <QStringList>

class QWidget;

namespace orvalis {

struct FileToWrite {
    QString path;         // empty: the user cancelled
    int chosenFilter = 0; // the type chosen in the dialog
};

// suffixes[i] goes with filters[i]; lastFolder is read and updated, and
// firstFolder is used while it is empty.
FileToWrite chooseFileToWrite(QWidget *parent, const QString &title, const QStringList &filters,
                              const QStringList &suffixes, const QString &name, QString &lastFolder,
                              const QString &firstFolder);

} // namespace orvalis
