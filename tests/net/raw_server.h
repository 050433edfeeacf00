#pragma once

#include <atomic>
#include <chrono>
#include <cstdint>
#include <future>
#include <string>
#include <string_view>
#include <thread>

namespace quvolo::testing {

// A one-connection server on 127.0.0.1 that keeps the request bytes exactly as they arrived and
// answers with canned bytes, so a test sees what really went on the wire. It gives up by itself
// after a while, so a test whose client never comes cannot hang on it.
class RawServer {
  public:
    enum class AfterReply { close, hold_open };

    explicit RawServer(std::string reply, AfterReply after = AfterReply::close);
    ~RawServer();
    RawServer(const RawServer&) = delete;
    RawServer& operator=(const RawServer&) = delete;

    std::uint16_t port() const { return port_; }
    std::string url(std::string_view path) const;  // "http://127.0.0.1:PORT" + path

    // The request head and its body (as long as Content-Length says); waits for them.
    std::string request();
    // Returns once the reply has been written.
    void wait_until_replied();

  private:
    void serve();
    int accept_connection();
    std::string read_request(int connection);
    void wait_for_client_close(int connection);
    bool time_is_up() const;

    std::string reply_;
    AfterReply after_;
    int listener_ = -1;
    std::uint16_t port_ = 0;
    std::atomic<bool> closing_{false};
    std::chrono::steady_clock::time_point give_up_at_;
    std::promise<std::string> request_;
    std::shared_future<std::string> request_received_;
    std::promise<void> replied_;
    std::shared_future<void> reply_sent_;
    std::thread thread_;
};

// A loopback port that is bound but not listening: connecting to it is refused.
class RefusingPort {
  public:
    RefusingPort();
    ~RefusingPort();
    RefusingPort(const RefusingPort&) = delete;
    RefusingPort& operator=(const RefusingPort&) = delete;
    std::uint16_t port() const { return port_; }

  private:
    int socket_ = -1;
    std::uint16_t port_ = 0;
};

// Every "{port}" in text replaced by the number.
std::string with_port(std::string text, std::uint16_t port);

}  // namespace quvolo::testing
