// File > Share Live Page: the open tournament served on this computer, following every change.
#include "ModalDialog.h"
#include "ScriptedPrompts.h"
#include "TemporarySettings.h"
#include "core/tournament/TournamentDocument.h"
#include "gui/live/ShareLiveDialog.h"
#include "gui/main/MainWindow.h"

#include <QAction>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QPushButton>
#include <QSpinBox>
#include <QTcpServer>
#include <QTest>
#include <QTimer>
#include <QUndoStack>

class TestShareLive : public QObject
{
    Q_OBJECT

    QNetworkAccessManager m_network;

    // The page's body, or its error as text, as a phone would read it now.
    QByteArray read(const QString& url)
    {
        QNetworkReply* reply = m_network.get(QNetworkRequest(QUrl(url)));
        QEventLoop loop;
        connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
        QTimer::singleShot(5000, &loop, &QEventLoop::quit);
        loop.exec();
        const QByteArray body
            = reply->error() == QNetworkReply::NoError ? reply->readAll() : "error: " + reply->errorString().toUtf8();
        reply->deleteLater();
        return body;
    }

    // Whether `url` shows `text` within two seconds.
    bool showsSoon(const QString& url, const QByteArray& text, bool shown = true)
    {
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < 2000) {
            if (read(url).contains(text) == shown)
                return true;
            QTest::qWait(50);
        }
        return false;
    }

private slots:
    // The dialog starts the page on this computer at the port chosen and shows its address and QR
    // code; a result typed and its undo show on the page without a save; closing the tournament stops it.
    void sharesTheOpenTournament()
    {
        TemporarySettings settings;
        MainWindow window;
        window.show();
        TournamentData data;
        data.title = QStringLiteral("Tabulon - Cup at Leeds");
        data.GroupCount = 1;
        data.TeamsInGroup[1] = 2;
        data.groups.append({ QStringLiteral("1. Division A"),
                             { QStringLiteral("Rovers"), QStringLiteral("United") },
                             { QStringLiteral("F:07-Mar-2000:0:1") },
                             {} });
        window.document()->reset(data);

        QTcpServer probe; // a port free a moment ago
        QVERIFY(probe.listen(QHostAddress::LocalHost));
        const int port = probe.serverPort();
        probe.close();
        const QString url = QStringLiteral("http://127.0.0.1:%1/").arg(port);
        ModalDialog<ShareLiveDialog> dialog([&](ShareLiveDialog* d) {
            auto* address = d->findChild<QComboBox*>("addressBox");
            QCOMPARE(address->itemText(0), QStringLiteral("This computer only (127.0.0.1)"));
            QCOMPARE(address->currentData().toString(), QStringLiteral("127.0.0.1"));
            // A port another program holds is refused with the reason, and the choices stay for another.
            QTcpServer other;
            QVERIFY(other.listen(QHostAddress::LocalHost));
            d->findChild<QSpinBox*>("portBox")->setValue(other.serverPort());
            {
                ScriptedPrompts busy;
                busy.expect(QStringLiteral("Cannot listen on 127.0.0.1 port %1: Address already in use.")
                                .arg(other.serverPort()));
                d->findChild<QPushButton*>("startButton")->click();
                QVERIFY(busy.allAnswered());
            }
            QVERIFY(d->findChild<QPushButton*>("startButton")->isEnabled());
            d->findChild<QSpinBox*>("portBox")->setValue(port);
            QVERIFY(!d->findChild<QPushButton*>("stopButton")->isEnabled());
            d->findChild<QPushButton*>("startButton")->click();
            QVERIFY(d->findChild<QLabel*>("urlLabel")->text().contains(url));
            const QPixmap code = d->findChild<QLabel*>("qrLabel")->pixmap();
            QVERIFY(!code.isNull() && code.width() == code.height() && code.width() >= 33 * 6);
            QVERIFY(d->findChild<QPushButton*>("stopButton")->isEnabled());
            QVERIFY(!d->findChild<QPushButton*>("startButton")->isEnabled());
            for (QWidget* control : d->findChildren<QWidget*>()) {
                if (control->isVisibleTo(d) && !control->inherits("QLabel") && !control->objectName().startsWith("qt_"))
                    QVERIFY2(!control->accessibleName().isEmpty(), qPrintable(control->objectName()));
            }
            d->findChild<QPushButton*>("closeButton")->click();
        });
        window.findChild<QAction*>("shareLivePageAction")->trigger();
        QVERIFY(dialog.wasShown());
        QCOMPARE(window.findChild<QLabel*>("liveStatus")->text(), QStringLiteral("Live page at %1").arg(url));
        QVERIFY(read(url).contains("<h1>Cup at Leeds</h1>"));

        const QString group = url + QStringLiteral("group-1.html");
        QVERIFY(read(group).contains("<span class=\"score\">v</span>"));
        window.document()->addResult(
            1, QStringLiteral("07-Mar-2000"),
            { QStringLiteral("1"), QStringLiteral("0"), QStringLiteral("2"), QStringLiteral("1") }, 0, 1);
        QVERIFY(showsSoon(group, "<span class=\"score\">2-1</span>"));
        window.document()->history()->undo();
        QVERIFY(showsSoon(group, "<span class=\"score\">2-1</span>", false));

        ScriptedPrompts prompts;
        if (window.document()->isModified())
            prompts.expect(QStringLiteral("Tournament not saved.  Are you sure you want to exit"))
                .answer(Prompts::Answer::Yes);
        QVERIFY(window.closeTournament());
        QVERIFY(read(url).startsWith("error: "));
        QVERIFY(!window.findChild<QLabel*>("liveStatus")->isVisible());
    }

    // The QR code holds the address for a phone's camera: square, with its quiet zone, and larger for a longer text.
    void qrCodeOfTheAddress()
    {
        const QImage small = qrCodeImage(QStringLiteral("http://127.0.0.1:8080/"), 1);
        QCOMPARE(small.size(), QSize(25 + 8, 25 + 8)); // version 2 at level M, four white modules around it
        QCOMPARE(small.pixelColor(0, 0), QColor(Qt::white));
        QCOMPARE(small.pixelColor(4, 4), QColor(Qt::black)); // a finder pattern's corner
        QVERIFY(qrCodeImage(QString(200, u'x'), 1).width() > small.width());
    }
};

QTEST_MAIN(TestShareLive)
#include "tst_sharelive.moc"
