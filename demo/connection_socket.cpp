#include "demo/connection_socket.h"

#include <arpa/inet.h>
#include <dirent.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>

#include <cstdlib>
#include <cstring>

namespace quvolo::demo {
namespace {

bool endpoint_is(const sockaddr_storage& address, const std::string* host, int port) {
    if (address.ss_family == AF_INET) {
        const auto& in = reinterpret_cast<const sockaddr_in&>(address);
        if (ntohs(in.sin_port) != port)
            return false;
        if (!host)
            return true;
        char text[INET_ADDRSTRLEN];
        return inet_ntop(AF_INET, &in.sin_addr, text, sizeof text) && *host == text;
    }
    if (address.ss_family == AF_INET6) {
        const auto& in6 = reinterpret_cast<const sockaddr_in6&>(address);
        if (ntohs(in6.sin6_port) != port)
            return false;
        if (!host)
            return true;
        char text[INET6_ADDRSTRLEN];
        return inet_ntop(AF_INET6, &in6.sin6_addr, text, sizeof text) && *host == text;
    }
    return false;
}

}  // namespace

int find_connection_socket(int local_port, const std::string& remote_address, int remote_port) {
    DIR* fds = opendir("/proc/self/fd");
    if (!fds)
        return -1;
    int found = -1;
    while (dirent* entry = readdir(fds)) {
        char* end = nullptr;
        const long fd = std::strtol(entry->d_name, &end, 10);
        if (end == entry->d_name || *end != '\0' || fd == dirfd(fds))
            continue;
        struct stat info {};
        if (fstat(static_cast<int>(fd), &info) != 0 || !S_ISSOCK(info.st_mode))
            continue;
        sockaddr_storage local{}, peer{};
        socklen_t local_size = sizeof local, peer_size = sizeof peer;
        if (getsockname(static_cast<int>(fd), reinterpret_cast<sockaddr*>(&local), &local_size) !=
                0 ||
            getpeername(static_cast<int>(fd), reinterpret_cast<sockaddr*>(&peer), &peer_size) !=
                0) {
            continue;
        }
        if (endpoint_is(local, nullptr, local_port) &&
            endpoint_is(peer, &remote_address, remote_port)) {
            found = static_cast<int>(fd);
            break;
        }
    }
    closedir(fds);
    return found;
}

void reset_connection(int socket) {
    // Disconnecting an established TCP socket makes the kernel send a reset.
    sockaddr unspecified{};
    unspecified.sa_family = AF_UNSPEC;
    connect(socket, &unspecified, sizeof unspecified);
}

bool peer_has_gone(int socket) {
    pollfd watch{socket, POLLIN | POLLRDHUP, 0};
    if (poll(&watch, 1, 0) <= 0)
        return false;
    if (watch.revents & (POLLRDHUP | POLLHUP | POLLERR))
        return true;
    char byte;
    return recv(socket, &byte, 1, MSG_PEEK | MSG_DONTWAIT) == 0;
}

}  // namespace quvolo::demo
