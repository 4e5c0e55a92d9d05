// tabulon-cli import: File > Import Results without windows.
#include "cli/Commands.h"
#include "cli/GroupOption.h"
#include "core/common/BoundedFile.h"
#include "core/common/FullStop.h"
#include "core/records/ResultImport.h"
#include "core/tournament/TournamentFile.h"
#include "core/tournament/TournamentFileLock.h"

#include <QCommandLineParser>
#include <algorithm>

namespace {

const char* const kUsage = "Usage: tabulon-cli import FILE.trn --group N [--repeats] DATA.csv\n";

int refuse(QTextStream& err, const QString& message, int status = 1)
{
    err << "tabulon-cli import: " << withFullStop(message) << '\n';
    return status;
}

} // namespace

int runImportCommand(const QStringList& args, QTextStream& out, QTextStream& err)
{
    QCommandLineParser parser;
    const QCommandLineOption groupOption(QStringLiteral("group"), QString(), QStringLiteral("N"));
    const QCommandLineOption repeatsOption(QStringLiteral("repeats"));
    parser.addOption(groupOption);
    parser.addOption(repeatsOption);
    if (!parser.parse(QStringList { QStringLiteral("import") } + args)) {
        err << "tabulon-cli import: " << parser.errorText() << '\n' << kUsage;
        return 2;
    }
    if (parser.positionalArguments().size() != 2 || !parser.isSet(groupOption)) {
        err << kUsage;
        return 2;
    }
    const QString path = parser.positionalArguments().at(0);
    const QString csvPath = parser.positionalArguments().at(1);
    QString groupError;
    const std::optional<int> typedGroup = readGroupOption(parser.value(groupOption), &groupError);
    if (!typedGroup)
        return refuse(err, groupError, 2);
    const int groupNumber = *typedGroup;

    TournamentFileLock lock;
    if (lock.lock(path) == TournamentFileLock::Result::InUse)
        return refuse(err, fileInUseMessage(path));
    QString readError;
    TournamentDocument document;
    if (!openTournamentWithGroup(document, path, groupNumber, &readError))
        return refuse(err, readError);
    QString error;
    const std::optional<QByteArray> csv = readCsvFile(csvPath, &error);
    if (!csv)
        return refuse(err, error);

    // A conflict refuses the file, and so does a repeat unless asked for: there is no preview to untick it in.
    const GroupRecords& group = document.group(groupNumber);
    const ImportPlan plan = planImport(group.storedLines(), group.teams(), *csv);
    const bool withRepeats = parser.isSet(repeatsOption);
    QStringList refusal = plan.ok() ? plan.conflictLines() : plan.refusal;
    const auto repeat = std::find_if(plan.rows.cbegin(), plan.rows.cend(),
                                     [](const PlannedRow& row) { return row.action == ImportAction::Repeat; });
    if (refusal.isEmpty() && !withRepeats && repeat != plan.rows.cend())
        refusal.append(QStringLiteral("Line %1: %2; --repeats enters a second game between them.")
                           .arg(QString::number(repeat->row.line), repeat->note));
    GroupImport import;
    if (refusal.isEmpty()) {
        import = importPlannedRows(group.storedLines(), plan, plan.importableRows(withRepeats));
        refusal = import.refusal;
    }
    if (!refusal.isEmpty())
        return refuse(err,
                      QStringLiteral("%1 cannot be imported; nothing was added:\n").arg(csvPath) + refusal.join(u'\n'));
    document.setItems(groupNumber, import.lines, TournamentDocument::ItemsChange::ImportResults);
    if (!document.save(path, &error))
        return refuse(err, error);
    out << import.summary(document.groupCaption(groupNumber)) << '\n';
    return 0;
}
