#pragma once

#include <functional>

#include "app/app_services.h"
#include "app/catalogue.h"
#include "app/deal_tab_handlers.h"
#include "app/main_window_controls.h"
#include "export/export_menu.h"
#include "selection/write_turns.h"

namespace quvolo {

enum class QueryTab { deal, monitor };

// The main window's event handlers, toolkit-free. The window forwards each event here on its
// own thread; handlers return at once and leave network reads to workers.
class MainWindowLogic {
  public:
    MainWindowLogic(MainWindowControls& controls, AppServices& services);

    // The window's "created" event. Starts the catalogue load; the caller then sets 时钟1.
    void window_created();

    void letter_chosen(QueryTab tab);
    void keyword_search_clicked(QueryTab tab);
    void keyword_box_focused(QueryTab tab);

    void update_timer_fired();
    void check_update_clicked();
    void manual_update_clicked();
    void refresh_messages_clicked();
    void website_clicked();

    // The result lists' menu items "成交信息导出Excel" and "未交易订单导出Excel". The deal
    // list is refused while a crawl writes it.
    void deal_export_chosen(DealTabHandlers& deals);
    void offer_export_chosen();

    void slider1_moved(int position);
    void slider2_moved(int position);

  private:
    ui::ActivityDisplay activity();
    GameFilterControls filter(QueryTab tab);
    CatalogueTargets catalogue_targets();
    void load_catalogue_on_worker();
    void check_for_update(bool report_latest);
    ExportMenuControls export_controls();
    std::string sheet_name() const;

    MainWindowControls& controls_;
    AppServices& services_;
    WriteTurns catalogue_turns_;
};

}  // namespace quvolo
