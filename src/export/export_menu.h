#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "text/date_time.h"
#include "ui/captions.h"
#include "ui/desktop.h"
#include "ui/report_list.h"

namespace quvolo {

// The main-window controls an export menu item touches besides its list.
struct ExportMenuControls {
    ui::Desktop& desktop;  // the file dialog 通用对话框1 and the message boxes
    ui::GroupBox& 分组框2;
    ui::ProgressBar& 进度条1;
};

// Where a tab's or window's export asks for its file and shows its progress, and the sheet name
// every export uses.
struct ExportPlace {
    ExportMenuControls controls;
    std::string sheet_name;  // GBK
};

// One list to export from a menu item or an export button.
struct ListExport {
    const ui::ReportList& list;
    std::vector<int> columns;
    std::string suggested_name;  // GBK
    std::string sheet_name;      // GBK
};

// The sheet name every export uses: "Lumora网" and the publisher's host name.
std::string export_sheet_name(std::string_view publisher_host);

// prefix + the query target with every ">>" as "-" + "-LumoraQuvolo" + the date and time.
// A "/" becomes "-" too: no file name can hold one here.
std::string suggested_export_name(std::string_view prefix, std::string_view query_target,
                                  const DateTime& when);

// Asks for the file under the suggested name, exports with 分组框2 shown and tells the user how
// it went. A file already there is replaced only by a complete workbook. Cancelling the dialog
// does nothing.
void run_list_export(const ListExport& what, const ExportMenuControls& controls);

// What "成交信息导出Excel" exports: the deal list, columns 0 to 7, under its suggested name.
ListExport deal_list_export(const ui::ReportList& 成交信息, const ui::Label& 查询目标,
                            std::string_view sheet_name, const DateTime& now);

// The menu item "成交信息导出Excel".
void export_deal_list(const ui::ReportList& 成交信息, const ui::Label& 查询目标,
                      const ExportMenuControls& controls, std::string_view sheet_name,
                      const DateTime& now);

// The menu item "未交易订单导出Excel": the open-offer list, columns 0 to 6.
void export_open_offer_list(const ui::ReportList& 成交信息1, const ui::Label& 查询目标1,
                            const ExportMenuControls& controls, std::string_view sheet_name,
                            const DateTime& now);

}  // namespace quvolo
