#include "textfiles/atomicsave.h"

#include <QCoreApplication>
#include <QSaveFile>

bool saveAtomically(const QString& path, const QByteArray& bytes, QString* error)
{
    QSaveFile file(path);
    // Unbuffered, so that a short write (a full disk, a file size limit) shows in write()'s
    // result: a buffered QFileDevice loses the unwritten rest and still reports success.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        *error = file.errorString();
        return false;
    }
    if (file.write(bytes) != bytes.size()) {
        // The temporary file is discarded with `file`; the old one was never touched.
        *error = QCoreApplication::translate("saveAtomically",
                                             "not all of it could be written; the disk may be "
                                             "full");
        return false;
    }
    if (!file.commit()) {
        *error = file.errorString();
        return false;
    }
    return true;
}
