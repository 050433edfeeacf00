#include "net/transfer.h"

#include <algorithm>
#include <chrono>
#include <limits>
#include <stop_token>

#include "net/curl_handles.h"

namespace quvolo {
namespace {

struct Received {
    TransferResult result;
    std::size_t limit = 0;
    bool over_limit = false;
};

std::size_t keep_body(char* data, std::size_t, std::size_t size, void* user) {
    auto* received = static_cast<Received*>(user);
    if (size > received->limit - received->result.body.size()) {
        received->over_limit = true;
        return 0;
    }
    received->result.body.append(data, size);
    return size;
}

// An interim response (100 Continue) is followed by the real one; only the last block counts.
// libcurl refuses a header block over 300 KiB, which bounds this one.
std::size_t keep_header(char* data, std::size_t, std::size_t size, void* user) {
    std::string& headers = static_cast<Received*>(user)->result.headers;
    if (std::string_view(data, size).starts_with("HTTP/")) {
        headers.clear();
    }
    headers.append(data, size);
    return size;
}

// Grows whenever the connection is made or a byte goes out or comes in.
curl_off_t bytes_moved(CURL* easy) {
    curl_off_t uploaded = 0, downloaded = 0, connect_time = 0;
    long request_size = 0, header_size = 0;
    curl_easy_getinfo(easy, CURLINFO_SIZE_UPLOAD_T, &uploaded);
    curl_easy_getinfo(easy, CURLINFO_SIZE_DOWNLOAD_T, &downloaded);
    curl_easy_getinfo(easy, CURLINFO_CONNECT_TIME_T, &connect_time);
    curl_easy_getinfo(easy, CURLINFO_REQUEST_SIZE, &request_size);
    curl_easy_getinfo(easy, CURLINFO_HEADER_SIZE, &header_size);
    return uploaded + downloaded + request_size + header_size + (connect_time > 0 ? 1 : 0);
}

class IdleClock {
  public:
    explicit IdleClock(std::chrono::milliseconds limit) : limit_(limit) {}

    // Milliseconds left before the transfer counts as stalled; 0 once it does.
    int remaining(curl_off_t moved) {
        auto now = std::chrono::steady_clock::now();
        if (moved != last_moved_) {
            last_moved_ = moved;
            last_move_ = now;
        }
        auto idle_for = std::chrono::duration_cast<std::chrono::milliseconds>(now - last_move_);
        if (idle_for >= limit_) {
            return 0;
        }
        return static_cast<int>(std::min<std::chrono::milliseconds::rep>(
            (limit_ - idle_for).count(), std::numeric_limits<int>::max()));
    }

  private:
    std::chrono::milliseconds limit_;
    curl_off_t last_moved_ = -1;
    std::chrono::steady_clock::time_point last_move_;
};

// Drives the transfer until it ends, stalls or is stopped; true when stopped.
bool drive(CURLM* multi, CURL* easy, const FetchControl& control) {
    // Wakes the poll below at once, so a stop never waits for the next byte or time-out.
    std::stop_callback wake_on_stop(control.stop, [multi] { curl_multi_wakeup(multi); });
    IdleClock idle(control.timeout);
    int running = 1;
    while (!control.stop.stop_requested()) {
        if (control.between_reads) {
            control.between_reads();
        }
        if (curl_multi_perform(multi, &running) != CURLM_OK || running == 0) {
            return false;
        }
        int wait_ms = idle.remaining(bytes_moved(easy));
        if (wait_ms == 0) {
            return false;
        }
        curl_multi_poll(multi, nullptr, 0, wait_ms, nullptr);
    }
    return true;
}

}  // namespace

TransferResult run_transfer(CURL* easy, const FetchControl& control) {
    Received received;
    received.limit = control.body_limit;
    curl_easy_setopt(easy, CURLOPT_WRITEFUNCTION, keep_body);
    curl_easy_setopt(easy, CURLOPT_WRITEDATA, &received);
    curl_easy_setopt(easy, CURLOPT_HEADERFUNCTION, keep_header);
    curl_easy_setopt(easy, CURLOPT_HEADERDATA, &received);

    CurlMulti multi(curl_multi_init());
    if (!multi || curl_multi_add_handle(multi.get(), easy) != CURLM_OK) {
        return {};
    }
    bool stopped = drive(multi.get(), easy, control);
    curl_multi_remove_handle(multi.get(), easy);

    if (stopped || received.over_limit) {
        received.result.body.clear();
    }
    return std::move(received.result);
}

}  // namespace quvolo
