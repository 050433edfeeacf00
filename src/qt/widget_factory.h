#pragma once

#include <QString>
#include <functional>

#include "qt/caption_views.h"
#include "qt/input_views.h"
#include "qt/list_box_view.h"
#include "qt/report_list_view.h"

class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTreeView;
class QVBoxLayout;
class QWidget;

// Passes a control together with its own name, which becomes the widget's objectName:
//   make_button(CONTROL(c, 成交量), page)
#define CONTROL(controls, name) (controls).name, #name

namespace quvolo::qt {

// Widgets bound to their stores, named after their controls. Each widget is owned by parent.
QLabel* make_label(ui::MemoryLabel& store, const char* name, QWidget* parent);
QLabel* make_static_label(const char* name, const char* text, QWidget* parent);
QPushButton* make_button(ui::MemoryButton& store, const char* name, QWidget* parent);
// A button whose click runs `clicked`.
QPushButton* action_button(ui::MemoryButton& store, const char* name, QWidget* parent,
                           std::function<void()> clicked);
QLineEdit* make_edit_box(ui::MemoryEditBox& store, const char* name, QWidget* parent);
QListWidget* make_list_box(ui::MemoryListBox& store, const char* name, QWidget* parent,
                           ListBoxView** view = nullptr);
QComboBox* make_drop_down(ui::MemoryListBox& store, const char* name, QWidget* parent,
                          DropDownView** view = nullptr);
QTreeView* make_report_list(ui::MemoryReportList& store, const char* name, QWidget* parent,
                            ReportListView** view = nullptr);

// A transparent label holds state the logic keeps in a caption: small and quiet.
QLabel* make_transparent_label(ui::MemoryLabel& store, const char* name, QWidget* parent);
// A figure's value: selectable, so a trader can copy it.
QLabel* make_figure_label(ui::MemoryLabel& store, const char* name, QWidget* parent);

// A column headed by a bold caption, for one numbered step of a query tab.
QVBoxLayout* captioned_column(QLabel* caption);
// A numbered step of a selection chain: its caption over its list.
QVBoxLayout* step_column(QLabel* caption, QWidget* list);

// Calls `focused` each time the widget gets the keyboard focus.
void on_focus_in(QWidget* widget, std::function<void()> focused);

}  // namespace quvolo::qt
