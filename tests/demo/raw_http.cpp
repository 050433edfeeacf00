#include "raw_http.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

namespace quvolo::demo {

RawExchange raw_get(int port, const std::string& path, std::chrono::milliseconds quiet,
                    std::size_t limit) {
    RawExchange exchange;
    const int fd = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<std::uint16_t>(port));
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
        close(fd);
        return exchange;
    }
    timeval wait{static_cast<time_t>(quiet.count() / 1000),
                 static_cast<suseconds_t>(quiet.count() % 1000 * 1000)};
    setsockopt(fd, SOL_SOCKET, SO_RCVTIMEO, &wait, sizeof wait);
    const std::string request =
        "GET " + path + " HTTP/1.1\r\nHost: 127.0.0.1\r\nConnection: close\r\n\r\n";
    send(fd, request.data(), request.size(), MSG_NOSIGNAL);
    std::string received;
    char buffer[65536];
    while (received.size() < limit) {
        const ssize_t got = recv(fd, buffer, sizeof buffer, 0);
        if (got > 0) {
            received.append(buffer, static_cast<std::size_t>(got));
        } else if (got == 0) {
            exchange.closed = true;
            break;
        } else if (errno == ECONNRESET) {
            exchange.reset = true;
            break;
        } else if (errno == EAGAIN || errno == EWOULDBLOCK) {
            exchange.went_quiet = true;
            break;
        } else if (errno != EINTR) {
            break;
        }
    }
    close(fd);
    const std::size_t head_end = received.find("\r\n\r\n");
    if (received.rfind("HTTP/1.1 ", 0) == 0)
        exchange.status = std::atoi(received.c_str() + 9);
    if (head_end == std::string::npos)
        return exchange;
    const std::string head = received.substr(0, head_end);
    const std::size_t length = head.find("Content-Length: ");
    if (length != std::string::npos)
        exchange.content_length = std::atoll(head.c_str() + length + 16);
    exchange.body = received.substr(head_end + 4);
    return exchange;
}

}  // namespace quvolo::demo
