#pragma once

#include <string>

namespace quvolo::demo {

// The socket of one open TCP connection of this process, found by its two ends; -1 when
// none matches. The HTTP library does not hand its sockets to handlers, and the reset and
// stall faults need the real connection.
int find_connection_socket(int local_port, const std::string& remote_address, int remote_port);

// Sends a TCP reset at once and leaves the socket unconnected (the owner still closes it).
void reset_connection(int socket);

// True once the peer has closed or reset its end.
bool peer_has_gone(int socket);

}  // namespace quvolo::demo
