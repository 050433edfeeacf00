#pragma once

#include <QString>

#include "ui/list_box.h"

namespace quvolo::qt {

class MainWindow;

// A diagnostic switch (QUVOLO_SCREENSHOT_DIR): once the game list has filled, or after a
// deadline, saves a picture of every tab as tab<N>.png in `directory` and ends the program.
void start_screenshot_tour(MainWindow& window, const ui::ListBox& games, const QString& directory);

}  // namespace quvolo::qt
