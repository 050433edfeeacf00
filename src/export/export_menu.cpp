#include "export/export_menu.h"

#include "export/export_list_view.h"
#include "text/codepage.h"
#include "text/gbk_literal.h"
#include "text/split.h"

namespace quvolo {
namespace {

void show_box(ui::Desktop& desktop, std::string text, ui::MessageIcon icon) {
    desktop.message_box({.text = std::move(text),
                         .title = GBK("信息："),
                         .buttons = ui::MessageButtons::ok,
                         .icon = icon});
}

void show_failure(ui::Desktop& desktop, const std::string& reason) {
    show_box(desktop, GBK("导出失败：") + reason, ui::MessageIcon::error);
}

}  // namespace

std::string export_sheet_name(std::string_view publisher_host) {
    return GBK("Lumora网") + std::string(publisher_host);
}

std::string suggested_export_name(std::string_view prefix, std::string_view query_target,
                                  const DateTime& when) {
    // No GBK trail byte is "/", so the bytes can be replaced as they are.
    const std::string target = replace_all(replace_all(query_target, ">>", "-"), "/", "-");
    return std::string(prefix) + target + "-LumoraQuvolo" + date_time_text(when);
}

void run_list_export(const ListExport& what, const ExportMenuControls& controls) {
    const std::optional<std::string> path = controls.desktop.ask_save_file({
        .title = GBK("导出资料"),
        .filter = "*.xls",
        .default_extension = "xls",
        .preset_name = what.suggested_name,
    });
    if (!path) {
        return;
    }
    // A file already there is replaced only once the new workbook is complete, so a refused
    // export leaves the user's older file in place.
    controls.分组框2.set_visible(true);
    std::string reason;
    if (export_list_view(what.list, *path,
                         {.columns = what.columns,
                          .sheet_name = what.sheet_name,
                          .progress_bar = &controls.进度条1},
                         &reason)) {
        show_box(controls.desktop, GBK("导出成功！"), ui::MessageIcon::none);
    } else {
        show_failure(controls.desktop, reason);
    }
    controls.分组框2.set_visible(false);
}

ListExport deal_list_export(const ui::ReportList& 成交信息, const ui::Label& 查询目标,
                            std::string_view sheet_name, const DateTime& now) {
    return {.list = 成交信息,
            .columns = {0, 1, 2, 3, 4, 5, 6, 7},
            .suggested_name = suggested_export_name(GBK("成交量-"), 查询目标.caption(), now),
            .sheet_name = std::string(sheet_name)};
}

void export_deal_list(const ui::ReportList& 成交信息, const ui::Label& 查询目标,
                      const ExportMenuControls& controls, std::string_view sheet_name,
                      const DateTime& now) {
    run_list_export(deal_list_export(成交信息, 查询目标, sheet_name, now), controls);
}

void export_open_offer_list(const ui::ReportList& 成交信息1, const ui::Label& 查询目标1,
                            const ExportMenuControls& controls, std::string_view sheet_name,
                            const DateTime& now) {
    run_list_export(
        {.list = 成交信息1,
         .columns = {0, 1, 2, 3, 4, 5, 6},
         .suggested_name = suggested_export_name(GBK("未交易订单-"), 查询目标1.caption(), now),
         .sheet_name = std::string(sheet_name)},
        controls);
}

}  // namespace quvolo
