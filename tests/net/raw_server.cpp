#include "raw_server.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <chrono>
#include <cstdlib>
#include <stdexcept>

namespace quvolo::testing {
namespace {

constexpr auto server_lifetime = std::chrono::seconds(30);
constexpr int poll_step_ms = 20;

int bound_loopback_socket(std::uint16_t& port) {
    int fd = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    if (fd < 0 || bind(fd, reinterpret_cast<sockaddr*>(&address), length) != 0 ||
        getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
        throw std::runtime_error("cannot bind a loopback socket");
    }
    port = ntohs(address.sin_port);
    return fd;
}

bool readable_within_step(int fd) {
    pollfd entry{fd, POLLIN, 0};
    return poll(&entry, 1, poll_step_ms) > 0;
}

// The body length the head announces; 0 when it names none.
std::size_t announced_length(std::string_view head) {
    std::string lowered(head);
    std::transform(lowered.begin(), lowered.end(), lowered.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    std::size_t at = lowered.find("\r\ncontent-length:");
    return at == std::string::npos ? 0 : std::strtoul(lowered.c_str() + at + 17, nullptr, 10);
}

}  // namespace

RawServer::RawServer(std::string reply, AfterReply after)
    : reply_(std::move(reply)),
      after_(after),
      give_up_at_(std::chrono::steady_clock::now() + server_lifetime),
      request_received_(request_.get_future().share()),
      reply_sent_(replied_.get_future().share()) {
    listener_ = bound_loopback_socket(port_);
    if (listen(listener_, 1) != 0) {
        throw std::runtime_error("cannot listen on a loopback socket");
    }
    thread_ = std::thread([this] { serve(); });
}

RawServer::~RawServer() {
    closing_ = true;
    thread_.join();
    close(listener_);
}

std::string RawServer::url(std::string_view path) const {
    return "http://127.0.0.1:" + std::to_string(port_) + std::string(path);
}

std::string RawServer::request() {
    return request_received_.get();
}

void RawServer::wait_until_replied() {
    reply_sent_.wait();
}

bool RawServer::time_is_up() const {
    return closing_ || std::chrono::steady_clock::now() > give_up_at_;
}

void RawServer::serve() {
    int connection = accept_connection();
    if (connection < 0) {
        request_.set_value({});
        replied_.set_value();
        return;
    }
    request_.set_value(read_request(connection));
    send(connection, reply_.data(), reply_.size(), MSG_NOSIGNAL);
    replied_.set_value();
    if (after_ == AfterReply::hold_open) {
        wait_for_client_close(connection);
    }
    close(connection);
}

int RawServer::accept_connection() {
    while (!time_is_up()) {
        if (readable_within_step(listener_)) {
            return accept(listener_, nullptr, nullptr);
        }
    }
    return -1;
}

std::string RawServer::read_request(int connection) {
    std::string received;
    char buffer[4096];
    while (!time_is_up()) {
        std::size_t head_end = received.find("\r\n\r\n");
        if (head_end != std::string::npos &&
            received.size() >= head_end + 4 + announced_length(received.substr(0, head_end))) {
            break;
        }
        if (!readable_within_step(connection)) {
            continue;
        }
        ssize_t count = recv(connection, buffer, sizeof buffer, 0);
        if (count <= 0) {
            break;
        }
        received.append(buffer, static_cast<std::size_t>(count));
    }
    return received;
}

void RawServer::wait_for_client_close(int connection) {
    char buffer[4096];
    while (!time_is_up()) {
        if (readable_within_step(connection) && recv(connection, buffer, sizeof buffer, 0) <= 0) {
            return;
        }
    }
}

RefusingPort::RefusingPort() : socket_(bound_loopback_socket(port_)) {}

RefusingPort::~RefusingPort() {
    close(socket_);
}

std::string with_port(std::string text, std::uint16_t port) {
    const std::string number = std::to_string(port);
    for (std::size_t at = text.find("{port}"); at != std::string::npos;
         at = text.find("{port}", at + number.size())) {
        text.replace(at, 6, number);
    }
    return text;
}

}  // namespace quvolo::testing
