#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace quvolo::ui {

enum class MessageButtons { ok, ok_cancel, yes_no };
enum class MessageIcon { none, information, exclamation, question, error };
enum class MessageAnswer { ok, cancel, yes, no };

struct MessageBoxRequest {
    std::string text;   // GBK
    std::string title;  // GBK; empty means the default title
    MessageButtons buttons = MessageButtons::ok;
    MessageIcon icon = MessageIcon::none;
};

struct SaveFileRequest {
    std::string title;
    std::string filter;             // e.g. "*.xls"
    std::string default_extension;  // without the dot
    std::string preset_name;        // GBK
};

// What the logic asks of the desktop beyond its own controls. Callable from any thread; a
// message box blocks only the calling thread.
class Desktop {
  public:
    virtual ~Desktop() = default;
    virtual MessageAnswer message_box(const MessageBoxRequest& request) = 0;
    // A file path in the local file-system encoding, or nothing when cancelled.
    virtual std::optional<std::string> ask_save_file(const SaveFileRequest& request) = 0;
    // Refuses anything but http:// and https:// addresses; returns whether it was opened.
    virtual bool open_in_browser(std::string_view url) = 0;
    // A desktop notification (GBK texts); without a notification service nothing happens.
    virtual void notify(std::string_view title, std::string_view text) = 0;
};

// The default title of a box that names none.
const std::string& default_box_title();

// True for addresses that may be handed to a browser: http:// or https://, any letter case.
bool is_web_address(std::string_view url);

}  // namespace quvolo::ui
