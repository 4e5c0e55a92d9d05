// Feeds arbitrary bytes to the CSV import, as File > Import Results and `tabulon-cli new` read them.
// Whatever it takes must be lines that read back: no import may store a line that cannot be read, nor a
// text that a save would refuse.
#include "core/records/RecordLines.h"
#include "core/records/ResultImport.h"

#include <cstdint>
#include <cstdlib>

namespace {

void verifyImport(const GroupImport& import, const QStringList& held, const QStringList& teams)
{
    if (!import.ok()) {
        if (import.refusal.isEmpty() || !import.lines.isEmpty())
            std::abort();
        return;
    }
    if (import.lines.size() != held.size() + import.fixtures + import.results)
        std::abort();
    for (const QString& line : import.lines) {
        if (held.contains(line))
            continue;
        const std::optional<Record> record = readRecordLine(line);
        if (!record || record->home >= teams.size() || record->away >= teams.size() || line.contains(u'\n')
            || line.contains(u'\r'))
            std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray csv = QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));

    // A group made from the file, as `tabulon-cli new` makes it.
    QList<ImportProblem> problems;
    const QStringList names = teamNamesInCsv(csv, &problems);
    if (problems.isEmpty()) {
        for (qsizetype i = 0; i < names.size(); ++i) {
            if (!teamNameProblem(names[i]).isEmpty())
                std::abort();
            for (qsizetype j = i + 1; j < names.size(); ++j)
                if (sameTeamName(names[i], names[j]))
                    std::abort();
        }
        if (names.size() >= 2)
            verifyImport(importIntoGroup({}, names, csv), {}, names);
    } else {
        for (const ImportProblem& problem : problems)
            if (problem.reason.isEmpty())
                std::abort();
    }

    // Over a group that holds a schedule, a result and a damaged line.
    const QStringList teams = { "Rovers", "United", "City" };
    const QStringList held
        = { "F:07-Mar-2000:0:1", "R:14-Mar-2000:1:0:2:1:1:2", "F:21-Mar-2000:2:0", "R:28-Mar-2000:1:1:2:x:0:1" };
    verifyImport(importIntoGroup(held, teams, csv), held, teams);
    return 0;
}
