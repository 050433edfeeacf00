#pragma once

#include "ui/web_source.h"

namespace quvolo {

// The program's own reads: fetch_page and fetch_bytes with their defaults.
class CurlWebSource : public ui::WebSource {
  public:
    std::string page(const std::string& address, std::stop_token stop) override;
    std::string bytes(const std::string& address, std::stop_token stop) override;
};

}  // namespace quvolo
