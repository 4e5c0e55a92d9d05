#include "core/live/LiveServer.h"

#include "core/reports/SitePages.h"

#include <cerrno>
#include <condition_variable>
#include <cstring>
#include <deque>
#include <httplib.h>
#include <mutex>
#include <sys/resource.h>
#include <sys/socket.h>
#include <thread>
#include <unordered_map>

namespace {

// Linux gives each thread its own niceness; 0 is the default, 19 the lowest.
constexpr int kReaderNiceness = 10;

struct Page
{
    std::string body;
    std::string type;
};

// An immutable set of pages: a new one replaces the pointer, never the pages in it.
struct Snapshot
{
    std::unordered_map<std::string, Page> pages;
    quint64 version = 0;
};

std::string contentType(const QString& name)
{
    if (name.endsWith(QLatin1String(".css")))
        return "text/css; charset=utf-8";
    if (name.endsWith(QLatin1String(".js")))
        return "text/javascript; charset=utf-8";
    if (name.endsWith(QLatin1String(".ics")))
        return "text/calendar; charset=utf-8";
    return "text/html; charset=utf-8";
}

// cpp-httplib's own pool queues without limit and takes every connection; this one has a fixed
// number of workers and makes the accepting thread wait when its queue is full, so that further
// connections stay in the system's backlog instead of costing memory here.
class BoundedPool : public httplib::TaskQueue
{
public:
    BoundedPool(int workers, int queued)
        : m_queued(size_t(queued))
    {
        for (int i = 0; i < workers; ++i)
            m_threads.emplace_back([this] { work(); });
    }

    void enqueue(std::function<void()> fn) override
    {
        std::unique_lock<std::mutex> lock(m_mutex);
        m_roomLeft.wait(lock, [this] { return m_jobs.size() < m_queued || m_shutdown; });
        m_jobs.push_back(std::move(fn));
        m_jobReady.notify_one();
    }

    void shutdown() override
    {
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            m_shutdown = true;
        }
        m_jobReady.notify_all();
        m_roomLeft.notify_all();
        for (std::thread& thread : m_threads)
            thread.join();
    }

private:
    void work()
    {
        // Readers come second: under a crowd, the thread that makes the pages (the window's, in the
        // program) still gets the processor, so that a result typed shows without delay.
        setpriority(PRIO_PROCESS, 0, kReaderNiceness);
        for (;;) {
            std::function<void()> job;
            {
                std::unique_lock<std::mutex> lock(m_mutex);
                m_jobReady.wait(lock, [this] { return !m_jobs.empty() || m_shutdown; });
                if (m_jobs.empty())
                    return;
                job = std::move(m_jobs.front());
                m_jobs.pop_front();
                m_roomLeft.notify_one();
            }
            job();
        }
    }

    const size_t m_queued;
    std::vector<std::thread> m_threads;
    std::deque<std::function<void()>> m_jobs;
    std::mutex m_mutex;
    std::condition_variable m_jobReady;
    std::condition_variable m_roomLeft;
    bool m_shutdown = false;
};

// Debian's library listens with a backlog of 5: a crowd of phones opening their connections at once
// would see most of them dropped and retried a second later. Listening again widens it.
class WideBacklogServer : public httplib::Server
{
public:
    void widenBacklog() { ::listen(svr_sock_, 256); }
};

void refuse(httplib::Response& response, int status, const char* text)
{
    response.status = status;
    response.set_content(text, "text/plain; charset=utf-8");
}

} // namespace

struct LiveServer::State
{
    std::unique_ptr<WideBacklogServer> server;
    std::thread thread;
    QString address;
    int port = 0;
    mutable std::mutex snapshotMutex; // held only to copy or swap the pointer
    std::shared_ptr<const Snapshot> snapshot = std::make_shared<Snapshot>();

    std::shared_ptr<const Snapshot> current() const
    {
        std::lock_guard<std::mutex> lock(snapshotMutex);
        return snapshot;
    }
    void configure();
};

LiveServer::LiveServer()
    : m_state(std::make_unique<State>())
{ }

// A server is made anew for every start: cpp-httplib's is not meant to listen twice.
void LiveServer::State::configure()
{
    server = std::make_unique<WideBacklogServer>();
    server->new_task_queue = [] { return new BoundedPool(kMaxConnections, kMaxConnections); };
    server->set_read_timeout(kReadTimeoutSeconds, 0);
    server->set_write_timeout(5, 0);
    server->set_keep_alive_timeout(kReadTimeoutSeconds);
    server->set_keep_alive_max_count(100);
    server->set_payload_max_length(1024);
    // A page goes out in one or two writes; waiting to fill a packet would hold each reply for the
    // client's delayed acknowledgement (40 ms).
    server->set_tcp_nodelay(true);
    // Every request passes here first: what is not a plain read of a page stops here.
    server->set_pre_routing_handler([](const httplib::Request& request, httplib::Response& response) {
        if (request.method != "GET" && request.method != "HEAD") {
            response.set_header("Allow", "GET, HEAD");
            refuse(response, 405, "Method Not Allowed\n");
            return httplib::Server::HandlerResponse::Handled;
        }
        if (request.target.size() > size_t(kMaxTargetLength)) {
            refuse(response, 414, "URI Too Long\n");
            return httplib::Server::HandlerResponse::Handled;
        }
        size_t headerBytes = 0;
        for (const auto& header : request.headers)
            headerBytes += header.first.size() + header.second.size() + 4;
        if (headerBytes > size_t(kMaxHeaderBytes)) {
            refuse(response, 431, "Request Header Fields Too Large\n");
            return httplib::Server::HandlerResponse::Handled;
        }
        return httplib::Server::HandlerResponse::Unhandled;
    });
    State* state = this;
    server->Get(".*", [state](const httplib::Request& request, httplib::Response& response) {
        const std::shared_ptr<const Snapshot> snapshot = state->current();
        response.set_header("Cache-Control", "no-cache");
        response.set_header("X-Content-Type-Options", "nosniff");
        // The printable bracket page carries its style in the page.
        response.set_header("Content-Security-Policy", "default-src 'self'; style-src 'self' 'unsafe-inline'");
        response.set_header("Referrer-Policy", "no-referrer");
        // The target as sent, not as decoded: "/%2e%2e/x" names no page, and no page name needs escaping.
        std::string target = request.target;
        const size_t query = target.find('?');
        if (query != std::string::npos)
            target.resize(query);
        if (target == "/version") {
            response.set_content(std::to_string(snapshot->version), "text/plain; charset=utf-8");
            return;
        }
        const std::string name = target == "/" ? std::string("index.html") : target.substr(target.empty() ? 0 : 1);
        const auto page = target.rfind('/') == 0 ? snapshot->pages.find(name) : snapshot->pages.end();
        if (page == snapshot->pages.end()) {
            refuse(response, 404, "Not Found\n");
            return;
        }
        response.set_content(page->second.body, page->second.type.c_str());
    });
    // The library's own answer to a request it could not read carries no body; say what it was.
    server->set_error_handler([](const httplib::Request&, httplib::Response& response) {
        if (response.body.empty())
            response.set_content(std::to_string(response.status) + " refused\n", "text/plain; charset=utf-8");
    });
}

LiveServer::~LiveServer()
{
    stop();
}

bool LiveServer::start(const QString& address, int port, QString* error)
{
    stop();
    m_state->configure();
    const std::string host = address.toStdString();
    errno = 0;
    // Bound and listening before this returns, so that a reader's first request waits in the
    // backlog until the thread takes it.
    const int bound
        = port == 0 ? m_state->server->bind_to_any_port(host) : (m_state->server->bind_to_port(host, port) ? port : -1);
    if (bound <= 0) {
        const int reason = errno;
        if (error)
            *error = QStringLiteral("Cannot listen on %1 port %2%3.")
                         .arg(address, QString::number(port),
                              reason != 0 ? QStringLiteral(": ") + QString::fromLocal8Bit(std::strerror(reason))
                                          : QString());
        return false;
    }
    m_state->server->widenBacklog();
    m_state->address = address;
    m_state->port = bound;
    httplib::Server* server = m_state->server.get();
    m_state->thread = std::thread([server] { server->listen_after_bind(); });
    // stop() reaches only a server that runs; wait for it so that a stop right after a start is not lost.
    for (int wait = 0; wait < 2000 && !server->is_running(); ++wait)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    return true;
}

void LiveServer::stop()
{
    if (!m_state->thread.joinable())
        return;
    m_state->server->stop();
    m_state->thread.join();
    m_state->port = 0;
}

bool LiveServer::isRunning() const
{
    return m_state->thread.joinable();
}

int LiveServer::port() const
{
    return m_state->port;
}

QString LiveServer::url() const
{
    const QString host = m_state->address.contains(u':') ? u'[' + m_state->address + u']' : m_state->address;
    return QStringLiteral("http://%1:%2/").arg(host, QString::number(m_state->port));
}

void LiveServer::setPages(const QMap<QString, QByteArray>& files, quint64 version)
{
    auto snapshot = std::make_shared<Snapshot>();
    snapshot->version = version;
    for (auto file = files.cbegin(); file != files.cend(); ++file)
        snapshot->pages.emplace(file.key().toStdString(), Page { file.value().toStdString(), contentType(file.key()) });
    std::lock_guard<std::mutex> lock(m_state->snapshotMutex);
    m_state->snapshot = std::move(snapshot);
}

quint64 LiveServer::version() const
{
    return m_state->current()->version;
}

bool serveTournament(LiveServer& server, const TournamentData& tournament, const QString& databaseName, QString* error)
{
    const quint64 version = server.version() + 1;
    const SiteFiles site
        = buildSiteFiles(tournament, QDate::currentDate(), databaseName, QDateTime::currentDateTimeUtc(), version);
    if (!site.ok()) {
        if (error)
            *error = site.error;
        return false;
    }
    server.setPages(site.files, version);
    return true;
}
