#include "ui/scripted_desktop.h"

namespace quvolo::ui {

MessageAnswer ScriptedDesktop::message_box(const MessageBoxRequest& request) {
    std::lock_guard lock(mutex_);
    MessageBoxRequest shown = request;
    if (shown.title.empty()) {
        shown.title = default_box_title();
    }
    boxes_.push_back(std::move(shown));
    if (!box_answers_.empty()) {
        const MessageAnswer answer = box_answers_.front();
        box_answers_.pop_front();
        return answer;
    }
    return request.buttons == MessageButtons::yes_no ? MessageAnswer::yes : MessageAnswer::ok;
}

std::optional<std::string> ScriptedDesktop::ask_save_file(const SaveFileRequest& request) {
    std::lock_guard lock(mutex_);
    save_dialogs_.push_back(request);
    if (save_answers_.empty()) {
        return std::nullopt;
    }
    auto answer = std::move(save_answers_.front());
    save_answers_.pop_front();
    return answer;
}

bool ScriptedDesktop::open_in_browser(std::string_view url) {
    if (!is_web_address(url)) {
        return false;
    }
    std::lock_guard lock(mutex_);
    opened_urls_.emplace_back(url);
    return true;
}

void ScriptedDesktop::answer_next_box(MessageAnswer answer) {
    std::lock_guard lock(mutex_);
    box_answers_.push_back(answer);
}

void ScriptedDesktop::answer_next_save(std::optional<std::string> path) {
    std::lock_guard lock(mutex_);
    save_answers_.push_back(std::move(path));
}

std::vector<MessageBoxRequest> ScriptedDesktop::boxes() const {
    std::lock_guard lock(mutex_);
    return boxes_;
}

std::vector<SaveFileRequest> ScriptedDesktop::save_dialogs() const {
    std::lock_guard lock(mutex_);
    return save_dialogs_;
}

std::vector<std::string> ScriptedDesktop::opened_urls() const {
    std::lock_guard lock(mutex_);
    return opened_urls_;
}

void ScriptedDesktop::notify(std::string_view title, std::string_view text) {
    std::lock_guard lock(mutex_);
    notifications_.push_back(std::string(title) + ": " + std::string(text));
}

std::vector<std::string> ScriptedDesktop::notifications() const {
    std::lock_guard lock(mutex_);
    return notifications_;
}

}  // namespace quvolo::ui
