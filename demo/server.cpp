#include <httplib.h>
#include <pthread.h>
#include <signal.h>

#include <atomic>
#include <thread>

#include "demo/connection_socket.h"
#include "demo/demo_marketplace.h"
#include "demo/demo_site.h"
#include "demo/not_found_page.h"
#include "demo/query_text.h"

namespace quvolo::demo {
namespace {

constexpr auto kStallLimit = std::chrono::seconds(60);
constexpr auto kPollStep = std::chrono::milliseconds(10);

// The Host header when it is a plain host[:port], else our own address.
std::string host_of(const httplib::Request& request, const std::string& fallback) {
    const std::string host = request.get_header_value("Host");
    if (host.empty() || host.size() > 255)
        return fallback;
    for (char c : host) {
        const bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
                           (c >= '0' && c <= '9') || c == '.' || c == '-' || c == ':' || c == '[' ||
                           c == ']';
        if (!plain)
            return fallback;
    }
    return host;
}

std::int64_t unix_seconds(const std::function<std::chrono::system_clock::time_point()>& clock) {
    const auto now = clock ? clock() : std::chrono::system_clock::now();
    return std::chrono::duration_cast<std::chrono::seconds>(now.time_since_epoch()).count();
}

}  // namespace

struct DemoMarketplace::Impl {
    explicit Impl(const DemoOptions& options)
        : site(std::make_unique<DemoData>(options.seed, options.scale,
                                          day_number(options.today.value_or(local_today())),
                                          options.offer_arrival_step.count(),
                                          [clock = options.clock] { return unix_seconds(clock); }),
               options.version_answer),
          faults(options.faults) {}

    DemoSite site;
    httplib::Server server;
    std::thread listener;
    std::mutex faults_mutex;
    std::vector<FaultRule> faults;
    std::atomic<bool> stopping{false};
    int port = 0;

    std::string own_host() const { return "127.0.0.1:" + std::to_string(port); }

    // Sleeps, but gives up when the server stops.
    bool wait(std::chrono::milliseconds duration) {
        const auto until = std::chrono::steady_clock::now() + duration;
        while (std::chrono::steady_clock::now() < until) {
            if (stopping)
                return false;
            std::this_thread::sleep_for(std::min<std::chrono::steady_clock::duration>(
                kPollStep, until - std::chrono::steady_clock::now()));
        }
        return !stopping;
    }

    void handle(const httplib::Request& request, httplib::Response& response);
    void serve_cut(const httplib::Request& request, httplib::Response& response, PageResponse page,
                   const FaultRule& rule);
    void serve_huge(httplib::Response& response, PageResponse page, long long mebibytes);
};

void DemoMarketplace::Impl::handle(const httplib::Request& request, httplib::Response& response) {
    FaultPlan plan;
    {
        std::lock_guard lock(faults_mutex);
        plan = plan_for(faults, request.path);
    }
    if (plan.delay.count() > 0 && !wait(plan.delay))
        return;
    const PageRequest page_request{request.path, parse_query(request.target),
                                   host_of(request, own_host())};
    if (request.method == "POST")
        response.set_header("Connection", "close");
    const FaultKind kind = plan.action ? plan.action->kind : FaultKind::delay;
    if (plan.action && kind == FaultKind::garbage) {
        response.set_content(garbage_bytes(plan.action->argument, request.path), "text/html");
        return;
    }
    PageResponse page = site.respond(page_request);
    if (plan.action && kind == FaultKind::status) {
        const int status = static_cast<int>(plan.action->argument);
        page = status == 404 ? not_found_page(page_request) : server_error_page(status);
    }
    if (plan.action && kind == FaultKind::bad_gbk)
        page.body = broken_gbk(page.body);
    response.status = page.status;
    if (plan.action &&
        (kind == FaultKind::stall || kind == FaultKind::truncate || kind == FaultKind::reset)) {
        serve_cut(request, response, std::move(page), *plan.action);
    } else if (plan.action && kind == FaultKind::huge) {
        serve_huge(response, std::move(page), plan.action->argument);
    } else {
        response.set_content(std::move(page.body), page.content_type);
    }
}

// Announces the whole body, sends only its first bytes, then closes, resets or stalls.
// The cut always falls inside the body, so the fault happens on every page.
void DemoMarketplace::Impl::serve_cut(const httplib::Request& request, httplib::Response& response,
                                      PageResponse page, const FaultRule& rule) {
    auto body = std::make_shared<std::string>(std::move(page.body));
    const std::size_t cut = std::min<std::size_t>(static_cast<std::size_t>(rule.argument),
                                                  body->empty() ? 0 : body->size() - 1);
    const FaultKind kind = rule.kind;
    const int local_port = request.local_port, remote_port = request.remote_port;
    response.set_content_provider(
        body->size(), page.content_type,
        [this, body, cut, kind, local_port, remote_port](std::size_t offset, std::size_t length,
                                                         httplib::DataSink& sink) {
            if (offset < cut) {
                return sink.write(body->data() + offset, std::min(length, cut - offset));
            }
            const int socket = find_connection_socket(local_port, remote_port);
            if (kind == FaultKind::reset && socket >= 0)
                reset_connection(socket);
            if (kind == FaultKind::stall) {
                const auto until = std::chrono::steady_clock::now() + kStallLimit;
                while (!stopping && std::chrono::steady_clock::now() < until &&
                       !(socket >= 0 && peer_has_gone(socket))) {
                    std::this_thread::sleep_for(kPollStep);
                }
            }
            return false;
        });
}

void DemoMarketplace::Impl::serve_huge(httplib::Response& response, PageResponse page,
                                       long long mebibytes) {
    auto body = std::make_shared<std::string>(std::move(page.body));
    const std::size_t total =
        std::max(static_cast<std::size_t>(mebibytes) << 20, body->size() + (std::size_t{1} << 20));
    auto filler = std::make_shared<std::string>();
    while (filler->size() < 64 * 1024)
        filler->append("<!-- ........................... -->\r\n");
    response.set_content_provider(
        total, page.content_type,
        [this, body, filler](std::size_t offset, std::size_t length, httplib::DataSink& sink) {
            if (stopping)
                return false;
            if (offset < body->size()) {
                return sink.write(body->data() + offset, std::min(length, body->size() - offset));
            }
            return sink.write(filler->data(), std::min(length, filler->size()));
        });
}

std::unique_ptr<DemoMarketplace> DemoMarketplace::start(const DemoOptions& options) {
    auto impl = std::make_unique<Impl>(options);
    Impl* raw = impl.get();
    const int threads = std::max(4, options.worker_threads);
    raw->server.new_task_queue = [threads] { return new httplib::ThreadPool(threads); };
    raw->server.set_keep_alive_max_count(100000);
    raw->server.set_keep_alive_timeout(2);
    raw->server.set_tcp_nodelay(true);
    raw->server.set_pre_routing_handler(
        [raw](const httplib::Request& request, httplib::Response& response) {
            raw->handle(request, response);
            return httplib::Server::HandlerResponse::Handled;
        });
    if (options.port > 0) {
        if (!raw->server.bind_to_port("127.0.0.1", options.port))
            return nullptr;
        raw->port = options.port;
    } else {
        raw->port = raw->server.bind_to_any_port("127.0.0.1");
        if (raw->port <= 0)
            return nullptr;
    }
    raw->listener = std::thread([raw] {
        // Writes to a client that went away must fail, not kill the process; the worker
        // threads inherit this mask from the thread that creates them.
        sigset_t pipe_signal;
        sigemptyset(&pipe_signal);
        sigaddset(&pipe_signal, SIGPIPE);
        pthread_sigmask(SIG_BLOCK, &pipe_signal, nullptr);
        raw->server.listen_after_bind();
    });
    // stop() only reaches a server that is already listening.
    for (int waited = 0; !raw->server.is_running() && waited < 5000; ++waited) {
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return std::unique_ptr<DemoMarketplace>(new DemoMarketplace(std::move(impl)));
}

DemoMarketplace::DemoMarketplace(std::unique_ptr<Impl> impl) : impl_(std::move(impl)) {}

DemoMarketplace::~DemoMarketplace() {
    stop();
}

std::string DemoMarketplace::base_url() const {
    return "http://" + host();
}
std::string DemoMarketplace::host() const {
    return impl_->own_host();
}
int DemoMarketplace::port() const {
    return impl_->port;
}

void DemoMarketplace::stop() {
    impl_->stopping = true;
    impl_->server.stop();
    if (impl_->listener.joinable())
        impl_->listener.join();
}

void DemoMarketplace::set_version_answer(std::string answer) {
    impl_->site.set_version_answer(std::move(answer));
}

void DemoMarketplace::set_faults(std::vector<FaultRule> rules) {
    std::lock_guard lock(impl_->faults_mutex);
    impl_->faults = std::move(rules);
}

const DemoSite& DemoMarketplace::site() const {
    return impl_->site;
}

}  // namespace quvolo::demo
