#pragma once

#include <string>
#include <string_view>

#include "text/date_time.h"

namespace quvolo::ui {

// Labels, transparent labels, buttons and group boxes: a caption that can be shown or hidden.
class Caption {
  public:
    virtual ~Caption() = default;
    virtual std::string caption() const = 0;
    virtual void set_caption(std::string_view text) = 0;
    virtual bool visible() const = 0;
    virtual void set_visible(bool visible) = 0;
};

using Label = Caption;

class Button : public Caption {
  public:
    virtual bool enabled() const = 0;
    virtual void set_enabled(bool enabled) = 0;
    // Pressing Enter in the window clicks the default button.
    virtual void set_default(bool is_default) = 0;
};

class GroupBox : public Caption {
  public:
    virtual void move_to(int left, int top) = 0;
};

class EditBox {
  public:
    virtual ~EditBox() = default;
    virtual std::string text() const = 0;
    virtual void set_text(std::string_view text) = 0;
};

// Three parts: 0 the last query's target, 1 the current activity, 2 when the last query ended.
class StatusBar {
  public:
    virtual ~StatusBar() = default;
    virtual std::string part(int index) const = 0;
    virtual void set_part(int index, std::string_view text) = 0;
};

class ProgressBar {
  public:
    virtual ~ProgressBar() = default;
    virtual void set_maximum(int maximum) = 0;
    virtual void set_position(int position) = 0;
};

class PictureBox {
  public:
    virtual ~PictureBox() = default;
    // The bytes of an image file; empty bytes clear the picture.
    virtual void show_image(std::string bytes) = 0;
};

class BrowserView {
  public:
    virtual ~BrowserView() = default;
    // Setting an address starts loading it; the caller does not wait.
    virtual void set_address(std::string_view url) = 0;
};

// A calendar day; only year, month and day of the value are used.
class DateBox {
  public:
    virtual ~DateBox() = default;
    virtual DateTime date() const = 0;
    virtual void set_date(const DateTime& day) = 0;
};

// Its event runs on the window's thread once per period; period 0 stops it.
class Timer {
  public:
    virtual ~Timer() = default;
    virtual void set_period(int milliseconds) = 0;
    virtual int period() const = 0;
};

}  // namespace quvolo::ui
