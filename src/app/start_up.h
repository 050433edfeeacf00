#pragma once

#include <filesystem>
#include <memory>
#include <optional>
#include <string>

#include "app/hosts.h"

namespace quvolo::demo {
class DemoMarketplace;
}

namespace quvolo {

// Where the program's services are, decided once at start.
struct HostSetup {
    Hosts hosts;
    // Set when no hosts are configured: the demo marketplace runs in this process until the
    // setup is destroyed.
    std::shared_ptr<demo::DemoMarketplace> demo;
    // A sentence for the user (status bar, stderr) when the demo marketplace is used; UTF-8.
    std::string note;
};

// The config file: an explicit path, else $QUVOLO_CONFIG, else config.ini in program_dir.
std::filesystem::path choose_config_path(const std::filesystem::path& program_dir,
                                         const std::optional<std::filesystem::path>& explicit_path);

// Reads the hosts from the config file; without a hosts section starts the demo marketplace
// on a free loopback port and points every host at it.
HostSetup set_up_hosts(const std::filesystem::path& config_file);

}  // namespace quvolo
