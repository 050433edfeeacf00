#include "net/curl_web_source.h"

#include "net/fetch.h"

namespace quvolo {

std::string CurlWebSource::page(const std::string& address, std::stop_token stop) {
    return fetch_page(address, {}, stoppable(std::move(stop)));
}

std::string CurlWebSource::bytes(const std::string& address, std::stop_token stop) {
    return fetch_bytes(address, {}, stoppable(std::move(stop)));
}

}  // namespace quvolo
