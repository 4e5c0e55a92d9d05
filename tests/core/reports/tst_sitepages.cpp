// The published site's pages as phones and desktops read them.
#include "core/reports/SitePages.h"

#include <QFile>
#include <QMutex>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <QXmlStreamReader>

class TestSitePages : public QObject
{
    Q_OBJECT

    QTemporaryDir m_folder;
    QString m_db;

    static TournamentData tournament()
    {
        TournamentData data = *readTournamentFile(TABULON_TEST_DATA "/two_groups.trn").data;
        data.groups[0].recordLines << "R:21-Mar-2000:0:0:0:3:2:1"
                                   << "F:28-Mar-2000:1:2";
        data.groups[0].adjustments = { { 2, -3, "late" } };
        return data;
    }
    SiteFiles site(quint64 liveVersion = 0)
    {
        return buildSiteFiles(tournament(), QDate(2000, 3, 22), m_db, QDateTime(), liveVersion);
    }

private slots:
    void initTestCase()
    {
        m_db = m_folder.filePath("TempDB.mdb");
        QVERIFY(QFile::copy(TABULON_TEMPDB, m_db));
    }

    // Every page is HTML5 for a phone's width, well-formed, linked to the index and across the groups,
    // styled by the one stylesheet and readable without a script; nothing links outside the site.
    void everyPageReadsOnAPhone()
    {
        const SiteFiles files = site();
        QVERIFY2(files.ok(), qPrintable(files.error));
        QCOMPARE(files.files.keys(),
                 QStringList({ "group-1-fixtures.htm", "group-1-results.htm", "group-1.html", "group-1.ics",
                               "group-2-fixtures.htm", "group-2-results.htm", "group-2.html", "group-2.ics",
                               "index.html", "style.css", "team-1-1.html", "team-1-2.html", "team-1-3.html",
                               "team-2-1.html", "team-2-2.html" }));
        QStringList names = siteFileNames(tournament());
        names.sort();
        QCOMPARE(names, files.files.keys());
        for (auto file = files.files.cbegin(); file != files.files.cend(); ++file) {
            if (!file.key().endsWith(".html"))
                continue;
            const QByteArray& page = file.value();
            QVERIFY(page.startsWith("<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\" />"));
            QVERIFY(page.contains("<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\" />"));
            QVERIFY(page.contains("<link rel=\"stylesheet\" href=\"style.css\" />"));
            QVERIFY(!page.contains("<script"));
            QVERIFY(!page.contains("http"));
            QStringList links;
            for (QXmlStreamReader reader(page); !reader.atEnd();) {
                QVERIFY2(!reader.hasError(), qPrintable(file.key() + ": " + reader.errorString()));
                if (reader.readNext() == QXmlStreamReader::StartElement && reader.name() == u"a")
                    links << reader.attributes().value("href").toString();
            }
            QCOMPARE(links.mid(0, 3), QStringList({ "index.html", "group-1.html", "group-2.html" }));
            for (const QString& link : links)
                QVERIFY2(files.files.contains(link), qPrintable(file.key() + " links " + link));
        }
        const QByteArray style = files.files["style.css"];
        QVERIFY(style.contains("@media (prefers-color-scheme: dark)"));
        QVERIFY(style.contains("@media (max-width: 30em)"));
    }

    // A group whose report cannot be made ends the site before its first file, whatever group it is.
    void reportThatCannotBeMadeHandsNothingOn()
    {
        TournamentData data = tournament();
        data.groups[1].recordLines << "R:21-Mar-2000:0:0:12345:12345:0:1";
        QStringList handed;
        const QString error
            = makeSiteFiles(data, QDate(2000, 3, 22), m_db, [&handed](const QString& name, const QByteArray&) {
                  handed << name;
                  return QString();
              });
        QVERIFY2(error.startsWith("Group 2 (") && error.contains("\"12345-12345\""), qPrintable(error));
        QCOMPARE(handed, QStringList());
    }

    // The groups' pages are made and handed on side by side; after the sink refuses a file, only a
    // file already on its way may still come: its reason is the answer, and the index never comes.
    void refusedFileEndsTheSite_data()
    {
        QTest::addColumn<int>("refused"); // the file refused, counted from 1
        for (const int refused : { 1, 4, 9, 13, 14 })
            QTest::addRow("file %d", refused) << refused;
    }
    void refusedFileEndsTheSite()
    {
        QFETCH(int, refused);
        QMutex mutex;
        QStringList handed;
        const QString error
            = makeSiteFiles(tournament(), QDate(2000, 3, 22), m_db, [&](const QString& name, const QByteArray&) {
                  QThread::usleep(200);
                  const QMutexLocker lock(&mutex);
                  handed << name;
                  return handed.size() == refused ? QStringLiteral("Disk full.") : QString();
              });
        QCOMPARE(error, QStringLiteral("Disk full."));
        QVERIFY2(handed.size() == refused || handed.size() == refused + 1, qPrintable(handed.join(' ')));
        QVERIFY(!handed.contains("index.html"));
    }

    // A group page: its league table first, then its results newest first, then its fixtures soonest
    // first and its printable pages; a team page: its place and its games.
    void groupAndTeamPages()
    {
        const SiteFiles files = site();
        const QString group = QString::fromUtf8(files.files["group-1.html"]);
        const QStringList order { "<h2>Table</h2>",
                                  "team-1-2.html\">United</a></td><td>2</td><td>1</td>",
                                  "City -3 points: late",
                                  "<h2>Results</h2>",
                                  "<h3>21-Mar-2000</h3>",
                                  "City</a></span><span class=\"score\">0-3</span>",
                                  "<h3>14-Mar-2000</h3>",
                                  "<h2>Fixtures</h2>",
                                  "<h3>07-Mar-2000</h3>",
                                  "<h3>28-Mar-2000</h3>",
                                  "<a href=\"group-1-results.htm\">Results and table</a>" };
        qsizetype at = 0;
        for (const QString& part : order) {
            const qsizetype found = group.indexOf(part, at);
            QVERIFY2(found > at, qPrintable(part));
            at = found;
        }
        const QByteArray team = files.files["team-1-3.html"];
        QVERIFY(team.contains("<h1>City</h1>"));
        QVERIFY(team.contains("place 3 of 3, -3 points"));
        QVERIFY(team.contains("at <a href=\"team-1-2.html\">United</a></span><span class=\"score\">v</span>"));
        QVERIFY(files.files["group-2.html"].contains("<h1>2. Division B</h1>"));
        QVERIFY(files.files["index.html"].contains("<h1>Cup at Leeds</h1>"));
        QVERIFY(files.files["index.html"].contains("2 results, 2 fixtures, top: United"));
    }

    // With a timetable: a page of every timed game by day and kick-off, linked from every page, and
    // each group game's time and pitch on its group's page.
    void timetablePage()
    {
        const TournamentData data = *readTournamentFile(TABULON_TEST_DATA "/timetable_cup.trn").data;
        const SiteFiles files = buildSiteFiles(data, QDate(2000, 3, 22), m_db, QDateTime());
        QVERIFY2(files.ok(), qPrintable(files.error));
        const QString page = QString::fromUtf8(files.files["timetable.html"]);
        const QStringList order {
            "<h1>Timetable</h1>",
            "<h2>15-Apr-2000</h2>",
            "<h3>09:00</h3>",
            "<li><span class=\"note when\">Pitch 1</span><span class=\"home-side\">City</span><span "
            "class=\"score\">2-1</span><span class=\"away-side\">Town, Leeds</span><span class=\"note stage\"><a "
            "href=\"group-1.html\">1. Division A</a></span></li>",
            "<h3>09:30</h3>",
            "<h3>14:00</h3>",
            "<li><span class=\"note when\">North &amp; South, by the river</span><span class=\"home-side\">Rovers"
            "</span><span class=\"score\">v</span><span class=\"away-side\">City</span><span class=\"note stage\"><a "
            "href=\"bracket.html\">Knockout F</a></span></li>"
        };
        qsizetype at = 0;
        for (const QString& part : order) {
            const qsizetype found = page.indexOf(part, at);
            QVERIFY2(found > at, qPrintable(part));
            at = found;
        }
        QVERIFY(files.files["index.html"].contains("<a href=\"timetable.html\">Timetable</a></nav>"));
        QVERIFY(page.contains("<a href=\"timetable.html\" aria-current=\"page\">Timetable</a>"));
        QVERIFY(files.files["group-1.html"].contains(
            "<li><span class=\"note when\">09:30, North &amp; South, by the river</span><span class=\"home-side\">"));
        QVERIFY(isSiteFileName("timetable.html"));
    }

    // A live site's pages name their version and load the script that follows it.
    void livePagesFollowTheirVersion()
    {
        const SiteFiles files = site(7);
        QVERIFY(files.files["group-1.html"].contains("<body data-version=\"7\">"));
        QVERIFY(files.files["index.html"].contains("<script src=\"live.js\" defer=\"defer\"></script>"));
        QCOMPARE(files.files["live.js"], liveScript());
        QVERIFY(liveScript().contains("fetch(\"version\""));
    }
};

QTEST_GUILESS_MAIN(TestSitePages)
#include "tst_sitepages.moc"
