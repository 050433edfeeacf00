#include "qt/secondary_window.h"

#include <QCloseEvent>

namespace quvolo::qt {

SecondaryWindow::SecondaryWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setAttribute(Qt::WA_DeleteOnClose);
}

void SecondaryWindow::close_now() {
    asking_ = false;
    close();
}

void SecondaryWindow::closeEvent(QCloseEvent* event) {
    if (asking_ && !may_close()) {
        event->ignore();
        return;
    }
    // The controls and handlers live on until the deferred delete; stopping here means no job
    // of this window writes after it is gone from the screen.
    tasks_.stop_all();
    event->accept();
}

}  // namespace quvolo::qt
