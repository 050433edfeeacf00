#pragma once

namespace quvolo::demo {

// The socket of one open TCP connection of this process on 127.0.0.1, found by its two
// ports; -1 when none matches. The HTTP library does not hand its sockets to handlers, and
// the reset and stall faults need the real connection. The search reads /proc only and
// touches no other thread's socket.
int find_connection_socket(int local_port, int remote_port);

// Sends a TCP reset at once and leaves the socket unconnected (the owner still closes it).
void reset_connection(int socket);

// True once the peer has closed or reset its end.
bool peer_has_gone(int socket);

}  // namespace quvolo::demo
