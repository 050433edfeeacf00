#pragma once

#include "selection/deal_choice_lists.h"
#include "ui/activity.h"
#include "ui/captions.h"
#include "ui/report_list.h"

namespace quvolo {

// The seven figures shown above the deal list.
struct DealFigureLabels {
    ui::Label& 标签_交易笔数;
    ui::Label& 标签_交易总金额;
    ui::Label& 标签_最低价;
    ui::Label& 标签_最高价;
    ui::Label& 标签_最低单价;
    ui::Label& 标签_最高单价;
    ui::Label& 标签_平均单价;
};

// Small labels that keep the figures of the last complete crawl for the restore.
struct DealHolderLabels {
    ui::Label& 透明标签_量副;
    ui::Label& 透明标签_总副;
    ui::Label& 透明标签_低金;
    ui::Label& 透明标签_高金;
    ui::Label& 透明标签_低单;
    ui::Label& 透明标签_高单;
    ui::Label& 透明标签_平均;
};

// What names one of the seven figures (UTF-8): its value's label, which is also its key in the
// command line's JSON, the label that keeps it for the restore, and the static label with the
// fixed caption beside it.
struct DealFigureNames {
    const char* label;
    const char* holder;
    const char* caption_label;
    const char* caption;
};

// The table of the seven figures, in the order they are shown: calls
// visit(names, label, holder) with the labels of `figures` and `holders` that show and keep
// each. Both may be the deal tab's own controls.
template <class Figures, class Holders, class Visit>
void for_each_deal_figure(Figures& figures, Holders& holders, Visit&& visit) {
    visit(DealFigureNames{"标签_交易笔数", "透明标签_量副", "标签7", "交易量"},
          figures.标签_交易笔数, holders.透明标签_量副);
    visit(DealFigureNames{"标签_交易总金额", "透明标签_总副", "标签6", "总成交"},
          figures.标签_交易总金额, holders.透明标签_总副);
    visit(DealFigureNames{"标签_最低价", "透明标签_低金", "标签8", "最低金额"}, figures.标签_最低价,
          holders.透明标签_低金);
    visit(DealFigureNames{"标签_最高价", "透明标签_高金", "标签9", "最高金额"}, figures.标签_最高价,
          holders.透明标签_高金);
    visit(DealFigureNames{"标签_最低单价", "透明标签_低单", "标签11", "最低单价"},
          figures.标签_最低单价, holders.透明标签_低单);
    visit(DealFigureNames{"标签_最高单价", "透明标签_高单", "标签12", "最高单价"},
          figures.标签_最高单价, holders.透明标签_高单);
    visit(DealFigureNames{"标签_平均单价", "透明标签_平均", "标签10", "平均单价"},
          figures.标签_平均单价, holders.透明标签_平均);
}

// What the summary writes: the figures, 状态 and the status bar; the choice lists name the
// query's target in the status bar.
struct DealSummaryControls {
    DealFigureLabels figures;
    DealChoiceLists choices;
    ui::ActivityDisplay status;
};

// The deal list, its copy of the last complete crawl and the figures that go with it.
struct DealSnapshotControls {
    ui::ReportList& 成交信息;
    ui::ReportList& 成交信息复制;
    DealFigureLabels figures;
    DealHolderLabels holders;
};

struct DealCrawlControls {
    DealChoiceLists choices;
    ui::Label& 查询目标;
    ui::ReportList& 成交信息;
    ui::ReportList& 总合_隐;
    ui::ReportList& 单价_隐;
    ui::ReportList& 成交信息复制;
    DealFigureLabels figures;
    DealHolderLabels holders;
    ui::ActivityDisplay status;

    DealSummaryControls summary() const { return {figures, choices, status}; }
    DealSnapshotControls snapshot() const { return {成交信息, 成交信息复制, figures, holders}; }
};

struct DayFilterControls {
    ui::ReportList& 成交信息;
    ui::ReportList& 成交信息复制;
    ui::ReportList& 成交信息复制1;
    ui::ReportList& 总合_隐3;
    ui::ReportList& 单价_隐3;
    DealSummaryControls summary;
};

}  // namespace quvolo
