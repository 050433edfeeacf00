#pragma once

#include <mutex>
#include <ostream>

#include "ui/desktop.h"

namespace quvolo::cli {

// Message boxes become lines on stderr answered with their first button; nothing is opened.
class ConsoleDesktop : public ui::Desktop {
  public:
    explicit ConsoleDesktop(std::ostream& err) : err_(err) {}
    ui::MessageAnswer message_box(const ui::MessageBoxRequest& request) override;
    std::optional<std::string> ask_save_file(const ui::SaveFileRequest& request) override;
    bool open_in_browser(std::string_view url) override;
    void notify(std::string_view title, std::string_view text) override;

  private:
    std::mutex mutex_;
    std::ostream& err_;
};

}  // namespace quvolo::cli
