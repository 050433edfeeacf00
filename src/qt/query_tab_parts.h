#pragma once

#include <initializer_list>
#include <vector>

#include "app/main_window_logic.h"

class QComboBox;
class QGridLayout;
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
                            MainWindowLogic& logic);

// One figure: its caption, its value and, when the tab keeps one, the holder of the full
// query's value (shown small beside it).
struct Figure {
    QLabel* caption;
    QLabel* value;
    QLabel* holder = nullptr;
};
// Figures in a grid, `per_row` to a row, captions right-aligned against their values.
QGridLayout* figure_grid(const std::vector<Figure>& figures, int per_row);

// A named context menu with its items, popped up where the user clicks the list.
QMenu* attach_context_menu(ReportListView& list, const char* name,
                           std::initializer_list<const char*> items, QWidget* parent);

}  // namespace quvolo::qt
