// tabulon-cli import: File > Import Results without windows.
#include "cli/Commands.h"
#include "cli/GroupOption.h"
#include "core/common/BoundedFile.h"
#include "core/common/FullStop.h"
#include "core/records/ResultImport.h"
#include "core/tournament/TournamentFile.h"
#include "core/tournament/TournamentFileLock.h"

#include <QCommandLineParser>

namespace {

const char* const kUsage = "Usage: tabulon-cli import FILE.trn --group N DATA.csv\n";

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
    parser.addOption(groupOption);
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

    const GroupRecords& group = document.group(groupNumber);
    const GroupImport import = importIntoGroup(group.storedLines(), group.teams(), *csv);
    if (!import.ok())
        return refuse(err,
                      QStringLiteral("%1 cannot be imported; nothing was added:\n").arg(csvPath)
                          + import.refusal.join(u'\n'));
    document.setItems(groupNumber, import.lines, TournamentDocument::ItemsChange::ImportResults);
    if (!document.save(path, &error))
        return refuse(err, error);
    out << import.summary(document.groupCaption(groupNumber)) << '\n';
    return 0;
}
