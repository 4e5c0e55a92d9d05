#include "core/reports/WebSite.h"

#include "core/records/RecordLines.h"
#include "core/reports/BracketExport.h"
#include "core/reports/CalendarExport.h"
#include "core/reports/ExportTarget.h"
#include "core/reports/FixtureListReport.h"
#include "core/reports/ReportExport.h"
#include "core/reports/ReportFile.h"
#include "core/reports/ResultsReport.h"
#include "core/tournament/FileGroupRecords.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QRegularExpression>
#include <algorithm>
#include <cerrno>

namespace {

const QString kIndexName = QStringLiteral("index.html");
const QString kBracketPage = QStringLiteral("knockout.htm");
const QString kKnockoutCalendar = QStringLiteral("knockout.ics");
// Marks an index as one this program wrote, so that publishing again may replace the folder's files.
const QByteArray kGeneratorMarker = "<meta name=\"generator\" content=\"Tabulon\" />";

// The names of the site's pages besides its index: "group-3-results.htm", "group-3-fixtures.htm",
// "group-3.ics", and the knockout stage's "knockout.htm" and "knockout.ics".
bool isSitePageName(const QString& name)
{
    static const QRegularExpression pageName(
        QStringLiteral("^(group-[1-9][0-9]*(-results\\.htm|-fixtures\\.htm|\\.ics)|knockout\\.(htm|ics))$"));
    return pageName.match(name).hasMatch();
}

// Why the folder may not take the site, or "" when it may: it is empty, its index was written by
// this program, or it holds nothing but group pages (a publish cut short before its index).
QString folderProblem(const QString& folder)
{
    const QFileInfo info(folder);
    if (info.exists() && !info.isDir())
        return QCoreApplication::translate("WebSite", "%1 is a file, not a folder.").arg(folder);
    if (!info.exists())
        return QString();
    const QDir dir(folder);
    const QStringList entries = dir.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
    QFile index(dir.filePath(kIndexName));
    if (entries.isEmpty() || (index.open(QIODevice::ReadOnly) && index.readAll().contains(kGeneratorMarker))
        || std::all_of(entries.cbegin(), entries.cend(), isSitePageName))
        return QString();
    return QCoreApplication::translate("WebSite",
                                       "%1 holds other files and no site published by Tabulon; choose an empty folder.")
        .arg(folder);
}

// Makes the folder and any missing folder above it; the system's reason on failure.
QString makeFolder(const QString& folder)
{
    errno = 0;
    if (QDir().mkpath(folder))
        return QString();
    const int reason = errno;
    return reason != 0
        ? QCoreApplication::translate("WebSite", "Cannot make the folder %1: %2.").arg(folder, qt_error_string(reason))
        : QCoreApplication::translate("WebSite", "Cannot make the folder %1.").arg(folder);
}

QString link(const QString& file, const QString& text)
{
    return QStringLiteral("<a href=\"%1\">%2</a>").arg(file, text);
}

} // namespace

PublishOutcome publishWebSite(const TournamentData& tournament, const QString& folder, const QDate& today,
                              const QString& databaseName, const QDateTime& stamp)
{
    const auto failed = [](const QString& error) { return PublishOutcome { error, 0 }; };
    const QString problem = folderProblem(folder);
    if (!problem.isEmpty())
        return failed(problem);

    const QString shortTitle = shortTitleOf(tournament.title);
    QMap<QString, QByteArray> files;
    QStringList rows;
    for (int g = 1; g <= tournament.groups.size(); ++g) {
        const TournamentGroupData& group = tournament.groups[g - 1];
        const GroupRecords records = recordsOfGroup(group);
        const QString caption = group.caption.toHtmlEscaped();
        // Nothing to show yet, as the group window's report buttons show nothing then.
        if (records.displayLines().isEmpty()) {
            rows.append(QStringLiteral("<tr><td>%1</td><td colspan=\"3\">no fixtures yet</td></tr>").arg(caption));
            continue;
        }
        const ReportHeading heading { shortTitle, group.caption, today };
        const Report results = makeResultsReport(heading, records, tournament, databaseName);
        const Report fixtures = buildFixtureList(heading, records.readableDisplayLines());
        for (const Report* report : { &results, &fixtures }) {
            if (!report->ok())
                return failed(QCoreApplication::translate("WebSite", "Group %1 (%2): %3")
                                  .arg(QString::number(g), group.caption, report->error));
        }
        const QString name = QStringLiteral("group-%1").arg(g);
        files.insert(name + QStringLiteral("-results.htm"), exportHtml(results.taggedLines));
        files.insert(name + QStringLiteral("-fixtures.htm"), exportHtml(fixtures.taggedLines));
        files.insert(name + QStringLiteral(".ics"),
                     buildCalendar({ tournament.title, g, group.caption, group.teams, group.recordLines }, stamp).text);
        rows.append(QStringLiteral("<tr><td>%1</td><td>%2</td><td>%3</td><td>%4</td></tr>")
                        .arg(caption, link(name + QStringLiteral("-results.htm"), QStringLiteral("Results and table")),
                             link(name + QStringLiteral("-fixtures.htm"), QStringLiteral("Fixture list")),
                             link(name + QStringLiteral(".ics"), QStringLiteral("Calendar"))));
    }
    if (tournament.knockout) {
        files.insert(kBracketPage, bracketHtml(shortTitle, *tournament.knockout));
        // A stage without dates has no games to put in a calendar.
        const bool dated = tournament.knockout->startDate().isValid();
        if (dated)
            files.insert(kKnockoutCalendar, buildKnockoutCalendar(tournament.title, *tournament.knockout, stamp).text);
        rows.append(QStringLiteral("<tr><td>Knockout stage</td><td colspan=\"2\">%1</td><td>%2</td></tr>")
                        .arg(link(kBracketPage, QStringLiteral("Bracket")),
                             dated ? link(kKnockoutCalendar, QStringLiteral("Calendar")) : QString()));
    }
    const QString title = shortTitle.toHtmlEscaped();
    // Well-formed XML as well as HTML, so that any reader takes it.
    const QStringList index {
        QStringLiteral("<!DOCTYPE html>"),
        QStringLiteral("<html lang=\"en\">"),
        QStringLiteral("<head>"),
        QStringLiteral("<meta charset=\"utf-8\" />"),
        QString::fromUtf8(kGeneratorMarker),
        QStringLiteral("<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\" />"),
        QStringLiteral("<title>%1</title>").arg(title),
        QStringLiteral("<style>"),
        QStringLiteral("body { font-family: sans-serif; max-width: 48em; margin: 2em auto; padding: 0 1em; "
                       "color: #222; }"),
        QStringLiteral("table { border-collapse: collapse; width: 100%; }"),
        QStringLiteral("th, td { text-align: left; padding: 0.5em; border-bottom: 1px solid #ccc; }"),
        QStringLiteral("th { background: #eee; }"),
        QStringLiteral("</style>"),
        QStringLiteral("</head>"),
        QStringLiteral("<body>"),
        QStringLiteral("<h1>%1</h1>").arg(title),
        QStringLiteral("<p>Published %1</p>").arg(formatRecordDate(today)),
        QStringLiteral("<table>"),
        QStringLiteral("<tr><th>Group</th><th>Results</th><th>Fixtures</th><th>Calendar</th></tr>"),
    };
    const QByteArray indexPage = (index + rows
                                  + QStringList { QStringLiteral("</table>"), QStringLiteral("</body>"),
                                                  QStringLiteral("</html>"), QString() })
                                     .join(u'\n')
                                     .toUtf8();

    const QString folderError = makeFolder(folder);
    if (!folderError.isEmpty())
        return failed(folderError);
    const QDir dir(folder);
    // Every file is checked before the first is written, so that a link or a protected file in
    // the way leaves the site as it was.
    for (const QString& name : files.keys() + QStringList { kIndexName }) {
        const QString problem = exportTargetProblem(dir.filePath(name));
        if (!problem.isEmpty())
            return failed(
                QCoreApplication::translate("WebSite", "Cannot write %1: %2.").arg(dir.filePath(name), problem));
    }
    QString error;
    for (auto file = files.cbegin(); file != files.cend(); ++file) {
        if (!saveReportFile(file.value(), dir.filePath(file.key()), &error))
            return failed(
                QCoreApplication::translate("WebSite", "Cannot write %1: %2.").arg(dir.filePath(file.key()), error));
    }
    // The index last, so that it never links to a page not yet written.
    if (!saveReportFile(indexPage, dir.filePath(kIndexName), &error))
        return failed(
            QCoreApplication::translate("WebSite", "Cannot write %1: %2.").arg(dir.filePath(kIndexName), error));
    // Then the pages of groups no longer published, which the new index no longer links to. Only
    // files under the site's own names go; a link under such a name was not made here and stays.
    for (const QString& name : dir.entryList(QDir::Files | QDir::Hidden | QDir::System)) {
        const QFileInfo page(dir.filePath(name));
        if (!isSitePageName(name) || files.contains(name) || page.isSymLink())
            continue;
        QFile stale(page.filePath());
        if (!stale.remove())
            return failed(QCoreApplication::translate("WebSite", "Cannot remove %1: %2.")
                              .arg(page.filePath(), stale.errorString()));
    }
    int pages = 1;
    for (const QString& name : files.keys())
        pages += name.endsWith(QLatin1String(".htm")) ? 1 : 0;
    return PublishOutcome { QString(), pages };
}
