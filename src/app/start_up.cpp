#include "app/start_up.h"

#include <cstdlib>

#include "app/host_config.h"
#include "app/ini_file.h"
#include "demo/demo_marketplace.h"

namespace quvolo {

std::filesystem::path choose_config_path(
    const std::filesystem::path& program_dir,
    const std::optional<std::filesystem::path>& explicit_path) {
    if (explicit_path) {
        return *explicit_path;
    }
    if (const char* from_environment = std::getenv("QUVOLO_CONFIG");
        from_environment && *from_environment) {
        return from_environment;
    }
    return program_dir / "config.ini";
}

HostSetup set_up_hosts(const std::filesystem::path& config_file) {
    const IniFile config = IniFile::read(config_file);
    if (auto hosts = configured_hosts(config)) {
        std::string note;
        for (const auto& key : unusable_host_keys(config)) {
            note += (note.empty() ? "config.ini 的 [hosts] 一节中这些服务没有可用的 http:// 地址，"
                                    "相应的查询会得到空结果："
                                  : "、") +
                    key;
        }
        return {std::move(*hosts), nullptr, note};
    }
    std::shared_ptr<demo::DemoMarketplace> demo = demo::DemoMarketplace::start({});
    if (!demo) {
        return {{}, nullptr, "没有配置服务器地址，演示市场也无法启动：所有查询都会得到空结果。"};
    }
    const std::string base = demo->base_url();
    return {hosts_all_at(base), std::move(demo),
            "演示市场：没有配置服务器地址（config.ini 的 [hosts] 一节），已在 " + base +
                " 启动内置的演示市场。"};
}

}  // namespace quvolo
