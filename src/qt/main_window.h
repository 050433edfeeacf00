#pragma once

#include <QMainWindow>

#include "app/main_window_controls.h"
#include "app/main_window_handlers.h"

class QTabWidget;

namespace quvolo::qt {

class QtDesktop;
class QtTaskRunner;

// "Lumora Quvolo v1.101": six tabs over the main window's controls. Its "created" event runs
// once the window is first shown; closing it stops every worker.
class MainWindow : public QMainWindow {
    Q_OBJECT
  public:
    MainWindow(MainWindowControls& controls, MainWindowHandlers& handlers, QtTaskRunner& tasks,
               QtDesktop& desktop);

    QTabWidget& tabs() { return *tabs_; }

  signals:
    // Before the window's workers stop: the further windows close first.
    void closing();

  protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void build_status_bar(MainWindowControls& controls);
    void build_export_progress(MainWindowControls& controls, QWidget* central);

    MainWindowHandlers& handlers_;
    QtTaskRunner& tasks_;
    QtDesktop& desktop_;
    QTabWidget* tabs_;
    bool created_ = false;
};

}  // namespace quvolo::qt
