#include "core/reports/ReportFile.h"

#include "core/common/SafeWrite.h"
#include "core/reports/ExportTarget.h"

bool saveReportFile(const QByteArray& contents, const QString& path, QString* error)
{
    const QString problem = exportTargetProblem(path);
    if (problem.isEmpty())
        return writeFileSafely(path, contents, error);
    if (error)
        *error = problem;
    return false;
}
