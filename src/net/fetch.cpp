#include "net/fetch.h"

#include <curl/curl.h>

#include <algorithm>
#include <mutex>
#include <optional>
#include <string>

#include "net/address.h"
#include "net/curl_handles.h"
#include "net/request_headers.h"
#include "net/transfer.h"

namespace quvolo {
namespace {

// libcurl adds these lines on its own; an empty value switches each off, so the request carries
// only the lines composed for it.
constexpr const char* own_lines_switched_off[] = {
    "Accept:", "Expect:", "Content-Type:", "Content-Length:"};

void initialise_curl_once() {
    static std::once_flag once;
    std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

// Control bytes can never form a valid request line, and CR or LF would start a new header.
bool has_control_bytes(std::string_view url) {
    return std::any_of(url.begin(), url.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7f; });
}

bool append_line(CurlList& list, const std::string& line) {
    curl_slist* grown = curl_slist_append(list.get(), line.c_str());
    if (grown == nullptr) {
        return false;
    }
    list.release();
    list.reset(grown);
    return true;
}

// One entry per "\r\n"-terminated line; libcurl ends each entry with "\r\n" again.
bool list_header_lines(std::string_view headers, CurlList& list) {
    while (!headers.empty()) {
        std::size_t end = headers.find("\r\n");
        std::string_view line = headers.substr(0, end);
        if (!line.empty() && !append_line(list, std::string(line))) {
            return false;
        }
        headers.remove_prefix(end == std::string_view::npos ? headers.size() : end + 2);
    }
    return std::all_of(std::begin(own_lines_switched_off), std::end(own_lines_switched_off),
                       [&list](const char* line) { return append_line(list, line); });
}

// Port 0 (no digits after the colon) stands for the default port 80; anything above 65535
// names no port.
std::optional<unsigned> connect_port(const Address& address) {
    if (address.port == 0) {
        return 80;
    }
    if (address.port > 65535) {
        return std::nullopt;
    }
    return address.port;
}

// A proxy needs the absolute address in the request line; a server gets the path bytes exactly
// as the caller wrote them, which libcurl's own url handling would normalise.
std::string request_target(const Address& address, unsigned port, bool via_proxy) {
    if (!via_proxy) {
        return address.path;
    }
    std::string origin = "http://" + address.host;
    if (port != 80) {
        origin += ":" + std::to_string(port);
    }
    return origin + address.path;
}

// Every part of the call that libcurl reads during the transfer lives here until it ends.
struct PreparedRequest {
    CurlUrl url{curl_url()};
    CurlList headers;
    CurlList proxy_headers;
    std::string method;
    std::string target;
    CurlEasy easy{curl_easy_init()};  // last, so it goes first
};

bool prepare(PreparedRequest& prepared, std::string_view url, const FetchRequest& request,
             const FetchControl& control) {
    Address address = split_address(url);
    std::optional<unsigned> port = connect_port(address);
    if (!port || !prepared.easy || !prepared.url) {
        return false;
    }
    // Rejects hosts with characters no host name holds, such as "@" that would name a user.
    std::string port_text = std::to_string(*port);
    if (curl_url_set(prepared.url.get(), CURLUPART_SCHEME, "http", 0) != CURLUE_OK ||
        curl_url_set(prepared.url.get(), CURLUPART_HOST, address.host.c_str(), 0) != CURLUE_OK ||
        curl_url_set(prepared.url.get(), CURLUPART_PORT, port_text.c_str(), 0) != CURLUE_OK) {
        return false;
    }

    prepared.method = request_method(request.method);
    std::string headers =
        compose_request_headers(url, request.extra_headers, prepared.method, request.post_data);
    // An empty proxy names no server for http, so such a request goes direct. An empty
    // CURLOPT_PROXY also keeps libcurl from taking one from the environment, and an empty
    // CURLOPT_NOPROXY keeps the environment from exempting hosts from the given one.
    bool via_proxy = request.proxy && !request.proxy->empty();
    prepared.target = request_target(address, *port, via_proxy);
    if (!list_header_lines(headers, prepared.headers) ||
        !append_line(prepared.proxy_headers, "Proxy-Connection:")) {
        return false;
    }

    CURL* easy = prepared.easy.get();
    curl_easy_setopt(easy, CURLOPT_CURLU, prepared.url.get());
    curl_easy_setopt(easy, CURLOPT_REQUEST_TARGET, prepared.target.c_str());
    curl_easy_setopt(easy, CURLOPT_PROTOCOLS_STR, "http");
    curl_easy_setopt(easy, CURLOPT_HTTP_VERSION, CURL_HTTP_VERSION_1_1);
    // libcurl writes Host first and User-Agent right after it, then the listed lines.
    curl_easy_setopt(easy, CURLOPT_USERAGENT, user_agent);
    curl_easy_setopt(easy, CURLOPT_HTTPHEADER, prepared.headers.get());
    curl_easy_setopt(easy, CURLOPT_PROXY, via_proxy ? request.proxy->c_str() : "");
    curl_easy_setopt(easy, CURLOPT_NOPROXY, "");
    curl_easy_setopt(easy, CURLOPT_PROXYHEADER, prepared.proxy_headers.get());
    curl_easy_setopt(easy, CURLOPT_CONNECTTIMEOUT_MS, static_cast<long>(control.timeout.count()));
    curl_easy_setopt(easy, CURLOPT_NOSIGNAL, 1L);
    // A stopped request must not wait at cleanup for a name lookup still running.
    curl_easy_setopt(easy, CURLOPT_QUICK_EXIT, 1L);
    // Redirects are not followed: the request keeps its exact target, and a redirect answer's
    // own body comes back like any other status.
    curl_easy_setopt(easy, CURLOPT_FOLLOWLOCATION, 0L);
    if (is_post(prepared.method)) {
        curl_easy_setopt(easy, CURLOPT_CUSTOMREQUEST, prepared.method.c_str());
        curl_easy_setopt(easy, CURLOPT_POST, 1L);
        curl_easy_setopt(easy, CURLOPT_POSTFIELDSIZE_LARGE,
                         static_cast<curl_off_t>(request.post_data.size()));
        curl_easy_setopt(easy, CURLOPT_POSTFIELDS, request.post_data.data());
    }
    return true;
}

std::string fetch_body(std::string_view url, const FetchRequest& request,
                       const FetchControl& control) {
    if (control.stop.stop_requested() || has_control_bytes(url)) {
        return {};
    }
    initialise_curl_once();
    PreparedRequest prepared;
    if (!prepare(prepared, url, request, control)) {
        return {};
    }
    TransferResult result = run_transfer(prepared.easy.get(), control);
    if (request.raw_headers_out != nullptr) {
        *request.raw_headers_out = std::move(result.headers);
    }
    return std::move(result.body);
}

}  // namespace

std::string fetch_page(std::string_view url, const FetchRequest& request,
                       const FetchControl& control) {
    std::string body = fetch_body(url, request, control);
    body.resize(std::min(body.find('\0'), body.size()));
    return body;
}

std::string fetch_bytes(std::string_view url, const FetchRequest& request,
                        const FetchControl& control) {
    return fetch_body(url, request, control);
}

}  // namespace quvolo
