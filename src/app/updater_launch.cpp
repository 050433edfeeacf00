#include "app/updater_launch.h"

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <thread>

#include "embedded.h"
#include "files/replace_file.h"

extern char** environ;

namespace quvolo {

std::filesystem::path updater_path(const std::filesystem::path& program_dir) {
    return program_dir / "Lumora自动更新";
}

std::optional<std::filesystem::path> write_updater(const std::filesystem::path& program_dir) {
    // Replacing a running updater is safe: the old one keeps its file until it exits.
    const auto target = updater_path(program_dir);
    std::string ignored_reason;
    if (!write_file_replacing(target.string(), updater_program(), ignored_reason)) {
        return std::nullopt;
    }
    using std::filesystem::perms;
    std::error_code error;
    std::filesystem::permissions(target, perms::owner_exec | perms::group_exec | perms::others_exec,
                                 std::filesystem::perm_options::add, error);
    return error ? std::nullopt : std::optional(target);
}

bool launch_detached(const std::filesystem::path& program,
                     const std::vector<std::pair<std::string, std::string>>& extra_environment) {
    std::vector<std::string> environment;
    for (char** entry = environ; *entry != nullptr; ++entry) {
        environment.emplace_back(*entry);
    }
    for (const auto& [name, value] : extra_environment) {
        environment.push_back(name + "=" + value);
    }
    std::vector<char*> envp;
    for (auto& entry : environment) {
        envp.push_back(entry.data());
    }
    envp.push_back(nullptr);
    std::string program_text = program.string();
    char* argv[] = {program_text.data(), nullptr};

    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSID);
    pid_t child = 0;
    const int failed = posix_spawn(&child, argv[0], nullptr, &attributes, argv, envp.data());
    posix_spawnattr_destroy(&attributes);
    if (failed != 0) {
        return false;
    }
    // Reaped on a thread of its own so that the window never waits and no zombie is left.
    std::thread([child] {
        int status = 0;
        ::waitpid(child, &status, 0);
    }).detach();
    return true;
}

bool start_updater(const std::filesystem::path& program_dir, const Hosts& hosts) {
    const auto path = write_updater(program_dir);
    return path && launch_detached(*path, {{"QUVOLO_PUBLISHER", hosts.publisher}});
}

}  // namespace quvolo
