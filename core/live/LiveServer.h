#pragma once

#include "core/tournament/TournamentFile.h"

#include <QByteArray>
#include <QMap>
#include <QString>
#include <memory>

// Serves the pages of a published site from memory over HTTP, read-only, in threads of its own:
// the thread that hands it new pages never waits for a reader, and a reader in the middle of a
// request finishes with the pages it started with. Only GET and HEAD of the site's own pages are
// answered ("/" is the index); anything else is refused with its status (405, 404, 414, 431), a
// client that sends its request slowly is dropped after a few seconds, and at most a fixed number
// of connections are served at once while the rest wait their turn.
class LiveServer
{
public:
    // Connections served at once; more wait in a queue of the same length, then in the system's
    // backlog of the same length again. Enough for a ground full of phones, few enough to bound
    // memory and threads.
    static constexpr int kMaxConnections = 256;
    // The longest request line and the largest header block a reader may send.
    static constexpr int kMaxTargetLength = 2048;
    static constexpr int kMaxHeaderBytes = 8192;
    // Seconds a client may take to send a request or wait between requests on one connection.
    static constexpr int kReadTimeoutSeconds = 3;

    LiveServer();
    ~LiveServer(); // stops
    LiveServer(const LiveServer&) = delete;
    LiveServer& operator=(const LiveServer&) = delete;

    // Listens on `address` (an IPv4 or IPv6 address, no name) and `port`, 0 for any free port.
    // False, with the reason in `error`, when it cannot.
    bool start(const QString& address, int port, QString* error = nullptr);
    void stop();
    bool isRunning() const;
    int port() const;
    // "http://127.0.0.1:8080/", brackets around an IPv6 address.
    QString url() const;

    // Serves `files` (by name, as the site's folder would hold them) from now on; "version" answers
    // `version`, which the live pages poll to learn of a change.
    void setPages(const QMap<QString, QByteArray>& files, quint64 version);
    quint64 version() const;

private:
    struct State;
    std::unique_ptr<State> m_state;
};

// Builds the live site of `tournament` (see buildSiteFiles) under the next version and serves it.
// False, with the reason in `error`, when a league table cannot be computed; the pages served stay.
bool serveTournament(LiveServer& server, const TournamentData& tournament, const QString& databaseName,
                     QString* error = nullptr);
