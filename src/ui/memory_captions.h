#pragma once

#include <mutex>
#include <string>
#include <utility>

#include "ui/captions.h"
#include "ui/change_listener.h"

namespace quvolo::ui {

// Caption and visibility, for any control that has them.
template <class Interface>
class MemoryCaptionOf : public Interface, public ChangeNotifier {
  public:
    explicit MemoryCaptionOf(std::string caption = {}, bool visible = true)
        : caption_(std::move(caption)), visible_(visible) {}

    std::string caption() const override { return read_field(mutex_, caption_); }
    void set_caption(std::string_view text) override { this->write_field(mutex_, caption_, text); }
    bool visible() const override { return read_field(mutex_, visible_); }
    void set_visible(bool visible) override { this->write_field(mutex_, visible_, visible); }

  protected:
    mutable std::mutex mutex_;

  private:
    std::string caption_;
    bool visible_;
};

using MemoryLabel = MemoryCaptionOf<Caption>;

class MemoryButton : public MemoryCaptionOf<Button> {
  public:
    using MemoryCaptionOf::MemoryCaptionOf;
    bool enabled() const override;
    void set_enabled(bool enabled) override;
    void set_default(bool is_default) override;
    bool is_default() const;

  private:
    bool enabled_ = true;
    bool default_ = false;
};

class MemoryGroupBox : public MemoryCaptionOf<GroupBox> {
  public:
    using MemoryCaptionOf::MemoryCaptionOf;
    void move_to(int left, int top) override;
    std::pair<int, int> position() const;

  private:
    int left_ = 0;
    int top_ = 0;
};

class MemoryEditBox : public EditBox, public ChangeNotifier {
  public:
    explicit MemoryEditBox(std::string text = {}) : text_(std::move(text)) {}
    std::string text() const override;
    void set_text(std::string_view text) override;

  private:
    mutable std::mutex mutex_;
    std::string text_;
};

class MemoryStatusBar : public StatusBar, public ChangeNotifier {
  public:
    static constexpr int kParts = 3;
    std::string part(int index) const override;
    void set_part(int index, std::string_view text) override;

  private:
    mutable std::mutex mutex_;
    std::string parts_[kParts];
};

class MemoryProgressBar : public ProgressBar, public ChangeNotifier {
  public:
    void set_maximum(int maximum) override;
    void set_position(int position) override;
    int maximum() const;
    int position() const;

  private:
    mutable std::mutex mutex_;
    int maximum_ = 100;
    int position_ = 0;
};

class MemoryPictureBox : public PictureBox, public ChangeNotifier {
  public:
    void show_image(std::string bytes) override;
    std::string image() const;

  private:
    mutable std::mutex mutex_;
    std::string bytes_;
};

class MemoryBrowserView : public BrowserView, public ChangeNotifier {
  public:
    void set_address(std::string_view url) override;
    std::string address() const;
    int loads() const;

  private:
    mutable std::mutex mutex_;
    std::string address_;
    int loads_ = 0;
};

class MemoryDateBox : public DateBox, public ChangeNotifier {
  public:
    DateTime date() const override;
    void set_date(const DateTime& day) override;

  private:
    mutable std::mutex mutex_;
    DateTime day_ = local_now();
};

class MemoryTimer : public Timer, public ChangeNotifier {
  public:
    void set_period(int milliseconds) override;
    int period() const override;

  private:
    mutable std::mutex mutex_;
    int period_ = 0;
};

}  // namespace quvolo::ui
