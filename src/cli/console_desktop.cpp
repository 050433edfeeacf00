#include "cli/console_desktop.h"

#include "text/codepage.h"
#include "ui/desktop.h"

namespace quvolo::cli {

ui::MessageAnswer ConsoleDesktop::message_box(const ui::MessageBoxRequest& request) {
    const std::string& title = request.title.empty() ? ui::default_box_title() : request.title;
    {
        std::lock_guard lock(mutex_);
        err_ << "[" << gbk_to_utf8(title) << "] " << gbk_to_utf8(request.text) << "\n";
    }
    return request.buttons == ui::MessageButtons::yes_no ? ui::MessageAnswer::yes
                                                         : ui::MessageAnswer::ok;
}

std::optional<std::string> ConsoleDesktop::ask_save_file(const ui::SaveFileRequest&) {
    return std::nullopt;
}

bool ConsoleDesktop::open_in_browser(std::string_view url) {
    if (!ui::is_web_address(url)) {
        return false;
    }
    std::lock_guard lock(mutex_);
    err_ << "open: " << gbk_to_utf8(url) << "\n";
    return true;
}

void ConsoleDesktop::notify(std::string_view title, std::string_view text) {
    std::lock_guard lock(mutex_);
    err_ << "notify: " << gbk_to_utf8(title) << ": " << gbk_to_utf8(text) << "\n";
}

}  // namespace quvolo::cli
