#include "files/replace_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <random>
#include <system_error>

#include "text/codepage.h"
#include "text/gbk_literal.h"

namespace quvolo {
namespace {

constexpr std::size_t kMaxNameBytes = 255;
constexpr std::string_view kTemporaryMarker = ".part-";
constexpr int kRandomLetters = 6;

// what_failed is GBK; the path is in the file system's encoding, UTF-8.
std::string reason_for(const std::string& what_failed, const std::string& path, int error) {
    return what_failed + utf8_to_gbk(path) + GBK("：") + std::generic_category().message(error);
}

// The target's name plus a random suffix, shortened where needed to stay a valid name.
std::string temporary_path_beside(const std::string& path, std::mt19937& random) {
    static constexpr std::string_view kLetters = "abcdefghijklmnopqrstuvwxyz0123456789";
    const std::size_t name_start = path.rfind('/') + 1;  // npos + 1 == 0
    const std::size_t name_room = kMaxNameBytes - kTemporaryMarker.size() - kRandomLetters;
    std::string temporary =
        path.substr(0, name_start + std::min(path.size() - name_start, name_room));
    temporary += kTemporaryMarker;
    std::uniform_int_distribution<std::size_t> pick(0, kLetters.size() - 1);
    for (int i = 0; i < kRandomLetters; ++i) {
        temporary += kLetters[pick(random)];
    }
    return temporary;
}

// Like mkstemp, but with the permissions an ordinary new file gets under the umask.
int create_temporary_beside(const std::string& path, std::string& temporary) {
    std::mt19937 random{std::random_device{}()};
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporary = temporary_path_beside(path, random);
        const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) {
            return fd;
        }
    }
    return -1;
}

bool write_all(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// Makes the rename itself durable; a failure here loses nothing already written.
void flush_directory_of(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    const std::string directory = slash == std::string::npos ? "." : path.substr(0, slash + 1);
    const int fd = ::open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

}  // namespace

bool write_file_replacing(const std::string& path, std::string_view bytes,
                          std::string& failure_reason) {
    std::string temporary;
    const int fd = create_temporary_beside(path, temporary);
    if (fd < 0) {
        failure_reason = reason_for(GBK("无法在目标文件夹中创建文件 "), path, errno);
        return false;
    }
    const auto give_up = [&](const std::string& what_failed) {
        failure_reason = reason_for(what_failed, path, errno);
        ::unlink(temporary.c_str());
        return false;
    };
    if (!write_all(fd, bytes) || ::fsync(fd) != 0) {
        const int error = errno;
        ::close(fd);
        errno = error;
        return give_up(GBK("无法写入文件 "));
    }
    if (::close(fd) != 0) {
        return give_up(GBK("无法写入文件 "));
    }
    if (::rename(temporary.c_str(), path.c_str()) != 0) {
        return give_up(GBK("无法保存为文件 "));
    }
    flush_directory_of(path);
    return true;
}

}  // namespace quvolo
