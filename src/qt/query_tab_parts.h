#pragma once

#include <initializer_list>
#include <vector>

#include "app/game_filter_handlers.h"
#include "ui/memory_captions.h"

class QComboBox;
class QLabel;
class QLayout;
class QLineEdit;
class QMenu;
class QPushButton;
class QWidget;

namespace quvolo::qt {

class DropDownView;
class ReportListView;

// The letter box and keyword search of a query tab, wired to the logic.
struct GameFilterWidgets {
    QComboBox* letters;
    DropDownView* letter_view;
    QLineEdit* keyword;
    QPushButton* search;
};
QLayout* game_filter_column(QLabel* caption, const GameFilterWidgets& widgets, QueryTab tab,
                            GameFilterHandlers& filters);

// One figure of a panel: the static label with its fixed caption, the value's label and, when
// the tab keeps one, the holder of the full query's value (shown small beside it); names are
// the controls' own.
struct FigureRow {
    const char* caption_name;
    const char* caption;
    ui::MemoryLabel& value;
    const char* value_name;
    ui::MemoryLabel* holder = nullptr;
    const char* holder_name = nullptr;
};
// A framed panel of figures in a grid, `per_row` to a row, captions right-aligned against their
// values.
QWidget* figures_panel(const std::vector<FigureRow>& figures, int per_row, QWidget* page);

// A named context menu with its items, popped up where the user clicks the list.
QMenu* attach_context_menu(ReportListView& list, const char* name,
                           std::initializer_list<const char*> items, QWidget* parent);

}  // namespace quvolo::qt
