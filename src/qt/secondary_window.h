#pragma once

#include <QWidget>

#include "qt/qt_task_runner.h"

namespace quvolo::qt {

// The one shape of the program's further windows: a top-level window over a controls struct
// and handlers of its own, whose jobs run on this window's own task runner. Closing the window
// stops its jobs (their requests in flight too), drops their later writes, and deletes it.
class SecondaryWindow : public QWidget {
    Q_OBJECT
  public:
    explicit SecondaryWindow(QWidget* parent = nullptr);

    // Closes without asking, for the program's end.
    void close_now();

  protected:
    QtTaskRunner& tasks() { return tasks_; }
    // Asked before a close the user started; false keeps the window open.
    virtual bool may_close() { return true; }
    void closeEvent(QCloseEvent* event) override;

  private:
    QtTaskRunner tasks_;
    bool asking_ = true;
};

}  // namespace quvolo::qt
