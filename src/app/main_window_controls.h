#pragma once

#include "selection/game_lists.h"
#include "ui/memory_captions.h"
#include "ui/memory_list_box.h"
#include "ui/memory_report_list.h"

namespace quvolo {

// The main window's controls by their own names. Each control is the store of its data; the
// window's widgets are views of these stores, and the command line uses them without a window.
// Every caption and item is GBK text.

using ListBoxControl = ui::MemoryListBox;
using ReportListControl = ui::MemoryReportList;
using LabelControl = ui::MemoryLabel;
using ButtonControl = ui::MemoryButton;
using GroupBoxControl = ui::MemoryGroupBox;
using EditBoxControl = ui::MemoryEditBox;

struct DealTabControls {
    DealTabControls();

    ListBoxControl 字母分类;
    ListBoxControl 游戏列表_游戏名_显, 游戏列表_游戏名_编号, 游戏列表_游戏名_隐,
        游戏列表_游戏名_编号_隐;
    EditBoxControl 编辑框_关键字;
    ButtonControl 按钮_关键字;
    ListBoxControl 商品类型_类型_显, 商品类型_类型_隐;
    ListBoxControl 游戏分区_大区_显, 游戏分区_大区_隐;
    ListBoxControl 游戏伺服_服务器_显, 游戏伺服_服务器_隐;
    ButtonControl 成交量;
    ButtonControl 加入统计;
    LabelControl 查询目标;
    ReportListControl 成交信息;
    ReportListControl 成交信息复制, 成交信息复制1;
    ReportListControl 总合_隐, 单价_隐, 总合_隐3, 单价_隐3;
    LabelControl 标签_最低价, 标签_最高价, 标签_最低单价, 标签_最高单价, 标签_平均单价,
        标签_交易笔数, 标签_交易总金额;
    LabelControl 透明标签_平均, 透明标签_高单, 透明标签_低单, 透明标签_高金, 透明标签_低金,
        透明标签_量副, 透明标签_总副;
    ui::MemoryDateBox 日期框1;
    ButtonControl 按钮_查询指定日期;
    ButtonControl 按钮_恢复查询数据;
    LabelControl 透明标签_排序;

    GameLists game_lists() {
        return {游戏列表_游戏名_显, 游戏列表_游戏名_编号, 游戏列表_游戏名_隐,
                游戏列表_游戏名_编号_隐};
    }
    GameFilterControls filter() { return {字母分类, 编辑框_关键字, 按钮_关键字, game_lists()}; }
};

struct ComparisonTabControls {
    ComparisonTabControls();

    ReportListControl 统计列表;
    ButtonControl 按钮_删除单条;
    ButtonControl 按钮_清空统计;
};

struct MonitorTabControls {
    MonitorTabControls();

    ListBoxControl 字母分类1;
    ListBoxControl 游戏列表_游戏名_显1, 游戏列表_游戏名_编号1, 游戏列表_游戏名_隐1,
        游戏列表_游戏名_编号_隐1;
    EditBoxControl 编辑框_关键字1;
    ButtonControl 按钮_关键字1;
    ListBoxControl 商品类型_类型_显1, 商品类型_类型_隐1;
    ListBoxControl 运营商_显, 运营商_隐;
    ListBoxControl 游戏分区_大区_显1, 游戏分区_大区_隐1;
    ListBoxControl 游戏伺服_服务器_显1, 游戏伺服_服务器_隐1;
    ButtonControl 未交易信息;
    LabelControl 查询目标1;
    ReportListControl 成交信息1;
    ReportListControl 总合_隐1, 单价_隐1, 总合_隐2, 单价_隐2;
    LabelControl 标签_最低价1, 标签_最高价1, 标签_最低单价1, 标签_最高单价1, 标签_平均单价1;
    LabelControl 透明标签_排序1;
    ButtonControl 超级按钮_监控;
    ui::MemoryTimer 监控刷新时间;
    ListBoxControl 组合框_监控时间;
    ListBoxControl 组合框_报警模式;
    EditBoxControl 编辑框_单价小于, 编辑框_单价大于, 编辑框_价格小于, 编辑框_价格大于;
    LabelControl 标签_监控, 透明标签1;

    GameLists game_lists() {
        return {游戏列表_游戏名_显1, 游戏列表_游戏名_编号1, 游戏列表_游戏名_隐1,
                游戏列表_游戏名_编号_隐1};
    }
    GameFilterControls filter() { return {字母分类1, 编辑框_关键字1, 按钮_关键字1, game_lists()}; }
};

struct RankingTabControls {
    RankingTabControls();

    ButtonControl 超级按钮2;
    LabelControl 标签_本周排行, 标签_历史排行, 标签_变化图标;
    ReportListControl 超级列表框_总交易额排行榜, 超级列表框_游戏币交易排行榜,
        超级列表框_装备交易排行榜;
    ListBoxControl 列表框_历史排行_显, 列表框_历史排行_隐;
    ui::MemoryPictureBox 图片框_变化图缩;
    ButtonControl 超级按钮_点击查看大图;
    ButtonControl 超级按钮_打开Tovana交易行情;
    ButtonControl 超级按钮_Ketzal交易;
    ButtonControl 超级按钮_Tovana总排行;
};

struct MessageTabControls {
    MessageTabControls();

    ui::MemoryBrowserView 超文本浏览框1;
    ButtonControl 超级按钮_刷新留言;
    ButtonControl 超级按钮_网站访问;
    ui::MemoryBrowserView 超文本浏览框2;  // never shown
};

struct UpdateTabControls {
    UpdateTabControls();

    ButtonControl 按钮_检查更新;
    ButtonControl 按钮_手动更新;
    ui::MemoryTimer 时钟1;
    LabelControl 标签40, 标签39, 标签38, 标签37;
};

struct MainWindowControls {
    MainWindowControls();

    DealTabControls deal;
    ComparisonTabControls comparison;
    MonitorTabControls monitor;
    RankingTabControls rankings;
    MessageTabControls messages;
    UpdateTabControls update;

    ui::MemoryStatusBar 状态条1;
    LabelControl 状态;
    GroupBoxControl 分组框2;
    ui::MemoryProgressBar 进度条1;
};

}  // namespace quvolo
