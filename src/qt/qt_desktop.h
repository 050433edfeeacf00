#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <variant>

#include "qt/window_queue.h"
#include "ui/desktop.h"

namespace quvolo::qt {

// Message boxes and file dialogs for the logic. Asked for on the window's thread they are
// modal; asked for by a worker they are shown on the window's thread without blocking it, and
// only the worker waits for the answer.
class QtDesktop : public ui::Desktop {
  public:
    QtDesktop();
    ~QtDesktop() override;

    ui::MessageAnswer message_box(const ui::MessageBoxRequest& request) override;
    std::optional<std::string> ask_save_file(const ui::SaveFileRequest& request) override;
    bool open_in_browser(std::string_view url) override;
    // Through the freedesktop notification service on the session bus, without waiting for it.
    void notify(std::string_view title, std::string_view text) override;

    // Answers every waiting worker as if it had been cancelled, and every later worker's
    // request too, so that workers can end when the window closes.
    void shut_down();

    using Answer = std::variant<ui::MessageAnswer, std::optional<std::string>>;
    using Reply = std::function<void(Answer)>;

  private:
    struct Waiting;

    // Shows a dialog on the window's thread (show calls reply once answered) and waits.
    Answer ask_from_worker(std::function<void(Reply)> show, Answer cancelled);

    WindowQueue window_;
    std::shared_ptr<Waiting> waiting_;
};

}  // namespace quvolo::qt
