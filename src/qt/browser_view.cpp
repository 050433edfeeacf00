#include "qt/browser_view.h"

#include <QLabel>
#include <QUrl>

#include "qt/gbk_qstring.h"
#include "qt/store_view.h"
#include "ui/desktop.h"

#ifdef QUVOLO_WEB_ENGINE
#include <QWebEnginePage>
#include <QWebEngineView>
#endif

namespace quvolo::qt {
namespace {

// Calls `load` with each newly set web address.
template <class Load>
class AddressView : public StoreView {
  public:
    AddressView(ui::MemoryBrowserView& store, QObject* parent, Load load)
        : StoreView(store, parent), store_(store), load_(std::move(load)) {
        redraw();
    }

  protected:
    void redraw() override {
        const int loads = store_.loads();
        if (loads == loads_seen_) {
            return;
        }
        loads_seen_ = loads;
        const std::string address = store_.address();
        if (ui::is_web_address(address)) {
            load_(QUrl(to_qstring(address)));
        }
    }

  private:
    ui::MemoryBrowserView& store_;
    Load load_;
    int loads_seen_ = 0;
};

template <class Load>
void bind_address(ui::MemoryBrowserView& store, QObject* parent, Load load) {
    new AddressView<Load>(store, parent, std::move(load));
}

}  // namespace

#ifdef QUVOLO_WEB_ENGINE

QWidget* make_browser_box(ui::MemoryBrowserView& store, QWidget* parent) {
    auto* view = new QWebEngineView(parent);
    view->setContextMenuPolicy(Qt::NoContextMenu);
    bind_address(store, view, [view](const QUrl& url) { view->load(url); });
    return view;
}

QObject* make_hidden_browser(ui::MemoryBrowserView& store, QObject* parent) {
    auto* page = new QWebEnginePage(parent);
    bind_address(store, page, [page](const QUrl& url) { page->load(url); });
    return page;
}

#else

QWidget* make_browser_box(ui::MemoryBrowserView& store, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignCenter);
    bind_address(store, label, [label](const QUrl& url) { label->setText(url.toString()); });
    return label;
}

QObject* make_hidden_browser(ui::MemoryBrowserView& store, QObject* parent) {
    auto* holder = new QObject(parent);
    bind_address(store, holder, [](const QUrl&) {});
    return holder;
}

#endif

}  // namespace quvolo::qt
