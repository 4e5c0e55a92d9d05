#include "core/reports/ReportFile.h"

#include "core/reports/ExportTarget.h"

#include <QSaveFile>
#include <cerrno>

bool saveReportFile(const QByteArray& contents, const QString& path, QString* error)
{
    const auto fail = [error](const QString& reason) {
        if (error)
            *error = reason;
        return false;
    };
    const QString problem = exportTargetProblem(path);
    if (!problem.isEmpty())
        return fail(problem);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return fail(file.errorString());
    // commit() would rename a file cut short by a failed flush into place, so the flush is checked
    // here first, with the system's reason rather than the device's "Unknown error".
    errno = 0;
    if (file.write(contents) != contents.size() || !file.flush()) {
        const int systemError = errno;
        const QString reason = systemError != 0 ? qt_error_string(systemError) : file.errorString();
        file.cancelWriting();
        return fail(reason);
    }
    if (!file.commit())
        return fail(file.errorString());
    return true;
}
