#pragma once

#include <curl/curl.h>

#include <string>

#include "net/fetch.h"

namespace quvolo {

struct TransferResult {
    std::string body;     // what arrived before the end, even a broken one
    std::string headers;  // the last response's raw header block
};

// Runs the prepared easy handle to its end. A network failure keeps what had arrived; a stop
// or a body over the limit gives an empty body. A pause of
// control.timeout without any byte moving either way counts as a dropped connection.
TransferResult run_transfer(CURL* easy, const FetchControl& control);

}  // namespace quvolo
