#pragma once

#include <stop_token>
#include <string>

namespace quvolo::ui {

// Where handlers read the network: any thread may call, a stop aborts the request in flight,
// and every failure reads as empty. Handed in, so tests and scripts can answer from anywhere.
class WebSource {
  public:
    virtual ~WebSource() = default;
    // The body as text up to its first zero byte (pages arrive as GBK).
    virtual std::string page(const std::string& address, std::stop_token stop) = 0;
    // The body bytes unchanged (pictures).
    virtual std::string bytes(const std::string& address, std::stop_token stop) = 0;
};

}  // namespace quvolo::ui
