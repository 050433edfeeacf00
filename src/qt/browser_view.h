#pragma once

#include "ui/memory_captions.h"

class QObject;
class QWidget;

namespace quvolo::qt {

// A browser box that loads the store's address each time one is set. Only web addresses are
// loaded; it has no context menu. Built without a web engine it shows the address as text.
QWidget* make_browser_box(ui::MemoryBrowserView& store, QWidget* parent);

// A page loaded like a browser box but never shown.
QObject* make_hidden_browser(ui::MemoryBrowserView& store, QObject* parent);

}  // namespace quvolo::qt
