#include "core/common/SafeWrite.h"

#include <QSaveFile>
#include <cerrno>

bool writeFileSafely(const QString& path, const QByteArray& bytes, QString* error)
{
    const auto fail = [error](const QString& reason) {
        if (error)
            *error = reason;
        return false;
    };
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return fail(file.errorString());
    // commit() can rename a file cut short by a failed flush (a write stopped by a size limit or a
    // full disk) into place, so the flush is done and checked first. The device's own text for that
    // failure is "Unknown error"; the system's reason is kept instead.
    errno = 0;
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        const int systemError = errno;
        const QString reason = systemError != 0 ? qt_error_string(systemError) : file.errorString();
        file.cancelWriting();
        return fail(reason);
    }
    if (!file.commit())
        return fail(file.errorString());
    return true;
}
