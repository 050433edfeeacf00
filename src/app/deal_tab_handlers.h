#pragma once

#include "app/hosts.h"
#include "app/main_window_controls.h"
#include "deals/deal_controls.h"
#include "deals/deal_crawl_state.h"
#include "export/export_menu.h"
#include "selection/choice_loads.h"
#include "selection/page_reader.h"
#include "text/date_time.h"
#include "ui/job_services.h"

namespace quvolo {

// The deal tab's controls in the groups the deal logic takes.
DealChoiceLists deal_choice_lists(DealTabControls& tab);
DealFigureLabels deal_figure_labels(DealTabControls& tab);
DealCrawlControls deal_crawl_controls(MainWindowControls& controls);
DayFilterControls day_filter_controls(MainWindowControls& controls);

// The events of the deal tab and the comparison tab, as the window or the command line
// delivers them on the window's thread. Network reads run on workers; the handlers return at
// once.
class DealTabHandlers {
  public:
    DealTabHandlers(MainWindowControls& controls, const Hosts& hosts, ui::JobServices jobs,
                    ExportPlace export_place);

    void game_chosen();
    void area_chosen();
    void type_chosen();
    void server_chosen();

    void crawl_clicked();
    void day_changed();
    void find_day_clicked();
    void restore_clicked();
    void header_clicked(int column);
    void view_current_order_clicked();
    // "成交信息导出Excel"; refused while a crawl writes the list.
    void export_chosen();

    void add_comparison_clicked();
    void delete_comparison_clicked();
    void clear_comparison_clicked();
    void comparison_header_clicked(int column);

    // For the deal list's export: false, after telling the user, while a crawl writes the list.
    bool deal_list_free();

    const DealCrawlState& crawl_state() const { return crawl_state_; }

  private:
    ChoiceLoadEnvironment load_environment(std::stop_token stop);
    std::function<DateTime()> clock() const;

    MainWindowControls& controls_;
    const Hosts& hosts_;
    ui::JobServices jobs_;
    ExportPlace export_place_;
    DealChoiceTurns choice_turns_;
    DealCrawlState crawl_state_;
    DateTime chosen_day_;
};

}  // namespace quvolo
