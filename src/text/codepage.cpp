#include "text/codepage.h"

#include <iconv.h>

#include <algorithm>
#include <cerrno>
#include <optional>
#include <vector>

namespace quvolo {

namespace {

constexpr int kCodePageSystemDefault = 0;
constexpr int kCodePageUtf16Le = 1200;
const iconv_t kNoConverter = reinterpret_cast<iconv_t>(-1);

std::string iconv_name(int code_page) {
    switch (code_page) {
        case kCodePageSystemDefault:
        case kCodePageGbk:
            return "CP936";
        case kCodePageUtf8:
            return "UTF-8";
        case kCodePageUtf16Le:
            return "UTF-16LE";
        default:
            return "CP" + std::to_string(code_page);
    }
}

// Opening a converter costs far more than most conversions, and a converter must not be used by
// two threads at once, so every thread keeps the ones it has opened.
class ThreadConverters {
  public:
    ThreadConverters() = default;
    ThreadConverters(const ThreadConverters&) = delete;
    ThreadConverters& operator=(const ThreadConverters&) = delete;
    ~ThreadConverters() {
        for (const Entry& entry : entries_) {
            if (entry.handle != kNoConverter) {
                iconv_close(entry.handle);
            }
        }
    }

    iconv_t get(int from, int to) {
        for (const Entry& entry : entries_) {
            if (entry.from == from && entry.to == to) {
                return entry.handle;
            }
        }
        const iconv_t handle = iconv_open(iconv_name(to).c_str(), iconv_name(from).c_str());
        entries_.push_back({from, to, handle});
        return handle;
    }

  private:
    struct Entry {
        int from;
        int to;
        iconv_t handle;
    };
    std::vector<Entry> entries_;
};

thread_local ThreadConverters thread_converters;

std::size_t utf8_sequence_length(const unsigned char* at, std::size_t left) {
    const unsigned char lead = at[0];
    const std::size_t length = lead >= 0xF0 && lead <= 0xF4   ? 4
                               : lead >= 0xE0 && lead <= 0xEF ? 3
                               : lead >= 0xC2 && lead <= 0xDF ? 2
                                                              : 1;
    if (length > left) {
        return 1;
    }
    for (std::size_t i = 1; i < length; ++i) {
        if ((at[i] & 0xC0) != 0x80) {
            return 1;
        }
    }
    return length;
}

bool is_utf16_high_surrogate(const unsigned char* unit) {
    return (unit[1] & 0xFC) == 0xD8;
}
bool is_utf16_low_surrogate(const unsigned char* unit) {
    return (unit[1] & 0xFC) == 0xDC;
}

// How many source bytes make up the character that could not be converted, so that it is
// replaced as one: an unmappable character as a whole, a malformed byte on its own.
std::size_t unconvertible_length(int from, const char* at, std::size_t left) {
    const auto* bytes = reinterpret_cast<const unsigned char*>(at);
    if (from == kCodePageUtf8) {
        return utf8_sequence_length(bytes, left);
    }
    if (from == kCodePageUtf16Le) {
        if (left >= 4 && is_utf16_high_surrogate(bytes) && is_utf16_low_surrogate(bytes + 2)) {
            return 4;
        }
        return std::min<std::size_t>(2, left);
    }
    return 1;
}

std::string_view default_character(int to) {
    switch (to) {
        case kCodePageUtf8:
            return "\xEF\xBF\xBD";
        case kCodePageUtf16Le:
            return std::string_view("\xFD\xFF", 2);
        default:
            return "?";
    }
}

std::optional<std::string> convert(std::string_view input, int from, int to) {
    const iconv_t converter = thread_converters.get(from, to);
    if (converter == kNoConverter) {
        return std::nullopt;
    }
    iconv(converter, nullptr, nullptr, nullptr, nullptr);
    std::string output(input.size() * 2 + 16, '\0');
    std::size_t written = 0;
    char* in = const_cast<char*>(input.data());
    std::size_t in_left = input.size();
    while (in_left > 0) {
        char* out = output.data() + written;
        std::size_t out_left = output.size() - written;
        const std::size_t result = iconv(converter, &in, &in_left, &out, &out_left);
        written = out - output.data();
        if (result != static_cast<std::size_t>(-1)) {
            break;
        }
        if (errno == E2BIG) {
            output.resize(output.size() * 2);
            continue;
        }
        const std::size_t skipped = unconvertible_length(from, in, in_left);
        in += skipped;
        in_left -= skipped;
        const std::string_view replacement = default_character(to);
        if (output.size() - written < replacement.size()) {
            output.resize(output.size() * 2);
        }
        output.replace(written, replacement.size(), replacement);
        written += replacement.size();
    }
    output.resize(written);
    return output;
}

bool is_ascii(std::string_view text) {
    return std::all_of(text.begin(), text.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

}  // namespace

std::string to_utf16(std::string_view text, int code_page) {
    std::optional<std::string> utf16 = convert(text, code_page, kCodePageUtf16Le);
    return utf16 ? utf16->append(2, '\0') : std::string();
}

std::string from_utf16(std::string_view utf16, int code_page) {
    std::size_t end = 0;
    while (end + 1 < utf16.size() && (utf16[end] != '\0' || utf16[end + 1] != '\0')) {
        end += 2;
    }
    if (end + 1 >= utf16.size()) {
        end = utf16.size();  // no terminating zero: a lone last byte still counts, as malformed
    }
    return convert(utf16.substr(0, end), kCodePageUtf16Le, code_page).value_or("");
}

std::string utf8_to_gbk(std::string_view utf8) {
    return is_ascii(utf8) ? std::string(utf8)
                          : convert(utf8, kCodePageUtf8, kCodePageGbk).value_or("");
}

std::string gbk_to_utf8(std::string_view gbk) {
    return is_ascii(gbk) ? std::string(gbk)
                         : convert(gbk, kCodePageGbk, kCodePageUtf8).value_or("");
}

}  // namespace quvolo
