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

    void answer_next_box(MessageAnswer answer);
    void answer_next_save(std::optional<std::string> path);

    std::vector<MessageBoxRequest> boxes() const;
    std::vector<SaveFileRequest> save_dialogs() const;
    std::vector<std::string> opened_urls() const;

  private:
    mutable std::mutex mutex_;
    std::deque<MessageAnswer> box_answers_;
    std::deque<std::optional<std::string>> save_answers_;
    std::vector<MessageBoxRequest> boxes_;
    std::vector<SaveFileRequest> save_dialogs_;
    std::vector<std::string> opened_urls_;
};

// The default title of a box that names none.
const std::string& default_box_title();

// True for addresses that may be handed to a browser: http:// or https://, any letter case.
bool is_web_address(std::string_view url);

}  // namespace quvolo::ui
