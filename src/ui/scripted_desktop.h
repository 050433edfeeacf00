#pragma once

#include <deque>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "ui/desktop.h"

namespace quvolo::ui {

// A desktop without a screen: answers come from a script set beforehand, and every box,
// dialog and opened address is recorded. With no scripted answer a box gets its first button
// (OK or Yes) and a file dialog is cancelled.
class ScriptedDesktop : public Desktop {
  public:
    MessageAnswer message_box(const MessageBoxRequest& request) override;
    std::optional<std::string> ask_save_file(const SaveFileRequest& request) override;
    bool open_in_browser(std::string_view url) override;
    void notify(std::string_view title, std::string_view text) override;

    void answer_next_box(MessageAnswer answer);
    void answer_next_save(std::optional<std::string> path);

    std::vector<MessageBoxRequest> boxes() const;
    std::vector<SaveFileRequest> save_dialogs() const;
    std::vector<std::string> opened_urls() const;
    // Each notification as "title: text".
    std::vector<std::string> notifications() const;

  private:
    mutable std::mutex mutex_;
    std::deque<MessageAnswer> box_answers_;
    std::deque<std::optional<std::string>> save_answers_;
    std::vector<MessageBoxRequest> boxes_;
    std::vector<SaveFileRequest> save_dialogs_;
    std::vector<std::string> opened_urls_;
    std::vector<std::string> notifications_;
};

}  // namespace quvolo::ui
