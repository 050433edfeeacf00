#include "demo/connection_socket.h"

#include <dirent.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace quvolo::demo {
namespace {

// The inode of the connection's socket from the kernel's table of IPv4 TCP sockets.
unsigned long socket_inode(int local_port, int remote_port) {
    std::FILE* table = std::fopen("/proc/net/tcp", "r");
    if (!table)
        return 0;
    char line[512];
    unsigned long found = 0;
    std::fgets(line, sizeof line, table);  // the column titles
    while (found == 0 && std::fgets(line, sizeof line, table)) {
        unsigned local_address = 0, local = 0, remote_address = 0, remote = 0, state = 0;
        unsigned long inode = 0;
        // "  0: 0100007F:22C5 0100007F:D431 01 00000000:00000000 00:00000000 00000000 0 0 INODE"
        if (std::sscanf(line, " %*d: %8X:%4X %8X:%4X %2X %*X:%*X %*X:%*X %*X %*u %*u %lu",
                        &local_address, &local, &remote_address, &remote, &state, &inode) != 6) {
            continue;
        }
        if (static_cast<int>(local) == local_port && static_cast<int>(remote) == remote_port) {
            found = inode;
        }
    }
    std::fclose(table);
    return found;
}

}  // namespace

int find_connection_socket(int local_port, int remote_port) {
    const unsigned long inode = socket_inode(local_port, remote_port);
    if (inode == 0)
        return -1;
    const std::string wanted = "socket:[" + std::to_string(inode) + "]";
    DIR* fds = opendir("/proc/self/fd");
    if (!fds)
        return -1;
    int found = -1;
    while (dirent* entry = readdir(fds)) {
        const std::string path = std::string("/proc/self/fd/") + entry->d_name;
        char target[64];
        const ssize_t length = readlink(path.c_str(), target, sizeof target);
        if (length > 0 && std::string(target, static_cast<std::size_t>(length)) == wanted) {
            found = std::atoi(entry->d_name);
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
