#include "net/request_headers.h"

#include "text/gbk_search.h"

namespace quvolo {
namespace {

constexpr std::string_view accept_line =
    "Accept: image/gif, image/x-xbitmap, image/jpeg, image/pjpeg, "
    "application/x-shockwave-flash, application/vnd.ms-excel, application/vnd.ms-powerpoint, "
    "application/msword, */*\r\n";

void append_unless_named(std::string& headers, std::string_view name, std::string_view line) {
    if (find_text(headers, name, 1, true) == -1) {
        headers += line;
    }
}

}  // namespace

bool is_post(std::string_view method) {
    return method.size() == 4 && find_text(method, "post", 1, true) == 1;
}

std::string request_method(const std::optional<std::string>& method) {
    return method && is_post(*method) ? *method : "GET";
}

std::string compose_request_headers(std::string_view url, std::string_view extra_headers,
                                    std::string_view method, std::string_view post_data) {
    std::string headers(extra_headers);
    append_unless_named(headers, "Accept: ", accept_line);
    append_unless_named(headers, "Referer: ", "Referer: " + std::string(url) + "\r\n");
    append_unless_named(headers, "Accept-Language: ", "Accept-Language: zh-cn\r\n");
    if (is_post(method) && !post_data.empty()) {
        headers += "Content-Type: application/x-www-form-urlencoded\r\n";
        headers += "Content-Length: " + std::to_string(post_data.size()) + "\r\n";
    }
    return headers;
}

}  // namespace quvolo
