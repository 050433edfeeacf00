#pragma once

#include <QObject>
#include <memory>

#include "ui/change_listener.h"

namespace quvolo::qt {

// A widget's view of one store. Whatever thread writes the store, the view redraws on the
// window's thread; a burst of writes costs one redraw, and the redraw reads the store as it is
// then, so the widget always ends at the store's latest state. A redraw posted before the view
// is destroyed is dropped with it.
class StoreView : public QObject {
    Q_OBJECT
  public:
    StoreView(ui::ChangeNotifier& store, QObject* parent);
    ~StoreView() override;

  protected:
    // Called on the window's thread; reads the store and updates the widget.
    virtual void redraw() = 0;

  private:
    Q_INVOKABLE void redraw_posted();

    struct Link;
    std::shared_ptr<Link> link_;
};

}  // namespace quvolo::qt
