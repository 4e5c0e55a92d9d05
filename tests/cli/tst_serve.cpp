// tabulon-cli serve, as a reader's phone meets it: a real HTTP client on a loopback port.
#include "core/tournament/TournamentFile.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QXmlStreamReader>

namespace {

struct Reply
{
    int status = 0;
    QByteArray body;
    QByteArray type;
};

} // namespace

class TestServe : public QObject
{
    Q_OBJECT

    QTemporaryDir m_folder;
    QString m_file;
    QProcess m_serve;
    QString m_url; // "http://127.0.0.1:PORT/"
    QNetworkAccessManager m_network;

    Reply fetch(const QString& path, const QByteArray& method = "GET")
    {
        QNetworkRequest request(QUrl(m_url + path));
        QNetworkReply* reply = m_network.sendCustomRequest(request, method);
        QEventLoop loop;
        connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
        QTimer::singleShot(5000, &loop, &QEventLoop::quit);
        loop.exec();
        Reply answer { reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt(), reply->readAll(),
                       reply->header(QNetworkRequest::ContentTypeHeader).toByteArray() };
        reply->deleteLater();
        return answer;
    }

    // The status line's code of what the server answers to `request` sent as raw bytes.
    int rawStatus(const QByteArray& request)
    {
        QTcpSocket socket;
        socket.connectToHost(QStringLiteral("127.0.0.1"), quint16(QUrl(m_url).port()));
        if (!socket.waitForConnected(3000))
            return -1;
        socket.write(request);
        QByteArray answer;
        while (!answer.contains("\r\n") && socket.waitForReadyRead(5000))
            answer += socket.readAll();
        const QRegularExpressionMatch status
            = QRegularExpression(QStringLiteral("^HTTP/1\\.[01] ([0-9]{3})")).match(QString::fromLatin1(answer));
        return status.hasMatch() ? status.captured(1).toInt() : 0;
    }

    void save(const std::function<void(TournamentData&)>& change)
    {
        TournamentData data = *readTournamentFile(m_file).data;
        change(data);
        QVERIFY(saveTournamentFile(data, m_file));
    }

private slots:
    void initTestCase()
    {
        m_file = m_folder.filePath(QStringLiteral("cup.trn"));
        QVERIFY(QFile::copy(QStringLiteral(TABULON_TEST_DATA "/knockout_cup.trn"), m_file));
        QFile::setPermissions(m_file, QFile::ReadOwner | QFile::WriteOwner);
        save([](TournamentData& data) {
            data.groups[0].recordLines
                = { QStringLiteral("R:04-Mar-2000:1:0:2:1:0:1"), QStringLiteral("F:11-Mar-2000:2:3") };
        });
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), m_folder.filePath(QStringLiteral("config")));
        m_serve.setProcessEnvironment(environment);
        // Port 0: any free port, which the first line names.
        m_serve.start(QStringLiteral(TABULON_CLI),
                      { QStringLiteral("serve"), m_file, QStringLiteral("--port"), QStringLiteral("0") });
        QVERIFY(m_serve.waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(m_serve.canReadLine(), 20000);
        const QString line = QString::fromUtf8(m_serve.readLine());
        const QRegularExpressionMatch served
            = QRegularExpression(QStringLiteral("^Serving Cup at Leeds at (http://127\\.0\\.0\\.1:[0-9]+/) "
                                                "\\(Ctrl\\+C stops\\)\n$"))
                  .match(line);
        QVERIFY2(served.hasMatch(), qPrintable(line));
        m_url = served.captured(1);
    }

    void cleanupTestCase()
    {
        m_serve.terminate();
        QVERIFY(m_serve.waitForFinished(10000));
        QCOMPARE(m_serve.exitCode(), 0);
        QCOMPARE(m_serve.readAllStandardError(), QByteArray());
    }

    // From the index, every link of every page leads to a page that is there, of the right type;
    // the pages are HTML5 for phones and carry the live script.
    void everyPageAndLink()
    {
        QStringList toRead { QString() };
        QSet<QString> seen { QString() };
        while (!toRead.isEmpty()) {
            const QString path = toRead.takeFirst();
            const Reply reply = fetch(path);
            QVERIFY2(reply.status == 200, qPrintable(path));
            if (!path.isEmpty() && !path.endsWith(QLatin1String(".html")))
                continue;
            QVERIFY(reply.type == "text/html; charset=utf-8");
            QVERIFY(reply.body.startsWith("<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\" />"));
            QVERIFY(reply.body.contains("<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\" />"));
            QVERIFY(reply.body.contains("<script src=\"live.js\""));
            QVERIFY2(reply.body.contains("<a class=\"home\" href=\"index.html\">"), qPrintable(path));
            for (QXmlStreamReader page(reply.body); !page.atEnd();) {
                QVERIFY2(!page.hasError(), qPrintable(path + page.errorString()));
                if (page.readNext() != QXmlStreamReader::StartElement)
                    continue;
                for (const char* attribute : { "href", "src" }) {
                    const QString target = page.attributes().value(QLatin1String(attribute)).toString();
                    QVERIFY2(!target.contains(u':'), qPrintable(target)); // no address outside the site
                    if (!target.isEmpty() && !seen.contains(target)) {
                        seen.insert(target);
                        toRead.append(target);
                    }
                }
            }
        }
        for (const char* page :
             { "index.html", "group-1.html", "team-1-4.html", "bracket.html", "style.css", "live.js",
               "group-1-results.htm", "group-1-fixtures.htm", "group-1.ics", "knockout.htm", "knockout.ics" })
            QVERIFY2(seen.contains(QLatin1String(page)), page);
        const Reply head = fetch(QStringLiteral("group-1.html"), "HEAD");
        QCOMPARE(head.status, 200);
        QCOMPARE(head.body, QByteArray());
    }

    // A result saved to the file by another program is served within two seconds.
    void changeSeenWithinTwoSeconds()
    {
        const QByteArray version = fetch(QStringLiteral("version")).body;
        QVERIFY(!fetch(QStringLiteral("group-1.html")).body.contains("City</a></span><span class=\"score\">3-3"));
        QElapsedTimer clock;
        clock.start();
        save([](TournamentData& data) { data.groups[0].recordLines[1] = QStringLiteral("R:11-Mar-2000:1:1:3:3:2:3"); });
        while (fetch(QStringLiteral("version")).body == version && clock.elapsed() < 2000)
            QTest::qWait(50);
        QVERIFY2(clock.elapsed() < 2000, qPrintable(QString::number(clock.elapsed())));
        QVERIFY(fetch(QStringLiteral("group-1.html")).body.contains("City</a></span><span class=\"score\">3-3"));
    }

    // What a reader may not do is refused with its status, and the next reader is served.
    void hostileRequestRefused_data()
    {
        QTest::addColumn<QByteArray>("request");
        QTest::addColumn<int>("status");
        const QByteArray end = " HTTP/1.1\r\nHost: 127.0.0.1\r\nConnection: close\r\n\r\n";
        QTest::newRow("POST") << "POST /index.html" + end << 405;
        QTest::newRow("PUT") << QByteArray("PUT /index.html HTTP/1.1\r\nContent-Length: 2\r\n\r\nhi") << 405;
        QTest::newRow("DELETE") << "DELETE /index.html" + end << 405;
        QTest::newRow("OPTIONS") << "OPTIONS /" + end << 405;
        QTest::newRow("..") << "GET /../cup.trn" + end << 404;
        QTest::newRow("encoded ..") << "GET /%2e%2e/%2e%2e/etc/passwd" + end << 404;
        QTest::newRow("encoded slash") << "GET /..%2fcup.trn" + end << 404;
        QTest::newRow("absolute path") << "GET /etc/passwd" + end << 404;
        QTest::newRow("absolute URL") << "GET http://127.0.0.1/etc/passwd" + end << 404;
        QTest::newRow("double slash") << "GET //index.html" + end << 404;
        QTest::newRow("folder listing") << "GET /tests/" + end << 404;
        QTest::newRow("page as a folder") << "GET /index.html/" + end << 404;
        QTest::newRow("long request line") << "GET /" + QByteArray(4000, 'a') + end << 414;
        QByteArray headers;
        for (int i = 0; i < 40; ++i)
            headers += "X-Filler-" + QByteArray::number(i) + ": " + QByteArray(250, 'x') + "\r\n";
        QTest::newRow("large headers") << "GET / HTTP/1.1\r\nHost: 127.0.0.1\r\n" + headers + "\r\n" << 431;
    }
    void hostileRequestRefused()
    {
        QFETCH(QByteArray, request);
        QFETCH(int, status);
        QCOMPARE(rawStatus(request), status);
        QCOMPARE(fetch(QString()).status, 200);
    }

    // A client that sends half a request and waits neither blocks others nor stays for long.
    void slowClientDropped()
    {
        QTcpSocket slow;
        slow.connectToHost(QStringLiteral("127.0.0.1"), quint16(QUrl(m_url).port()));
        QVERIFY(slow.waitForConnected(3000));
        slow.write("GET /index.html HTTP/1.1\r\nHost: 127");
        QVERIFY(slow.waitForBytesWritten(1000));
        QElapsedTimer clock;
        clock.start();
        QCOMPARE(fetch(QStringLiteral("group-1.html")).status, 200);
        QVERIFY(clock.elapsed() < 1000);
        QTRY_COMPARE_WITH_TIMEOUT(slow.state(), QAbstractSocket::UnconnectedState, 8000);
    }
};

QTEST_GUILESS_MAIN(TestServe)
#include "tst_serve.moc"
