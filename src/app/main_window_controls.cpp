#include "app/main_window_controls.h"

#include "app/help_texts.h"
#include "text/gbk_literal.h"

namespace quvolo {
namespace {

std::vector<ui::ReportColumn> gbk_columns(std::initializer_list<std::pair<const char*, int>> list) {
    std::vector<ui::ReportColumn> columns;
    for (const auto& [title, width] : list) {
        columns.push_back({utf8_to_gbk(title), width});
    }
    return columns;
}

std::vector<std::string> gbk_items(std::initializer_list<const char*> list) {
    std::vector<std::string> items;
    for (const char* item : list) {
        items.push_back(utf8_to_gbk(item));
    }
    return items;
}

std::vector<std::string> letter_items() {
    std::vector<std::string> items{GBK("全部游戏ALL")};
    for (char letter = 'A'; letter <= 'Z'; ++letter) {
        items.emplace_back(1, letter);
    }
    return items;
}

std::vector<ui::ReportColumn> figure_list_columns() {
    return {{"1", 50}};
}

// The deal list and its hidden copies differ only in the title of the game column.
std::vector<ui::ReportColumn> deal_columns(const char* game_column_title) {
    return gbk_columns({{"序号", 40},
                        {"商品名称", 250},
                        {game_column_title, 75},
                        {"商品类型", 65},
                        {"价格", 60},
                        {"单价", 60},
                        {"成交时间", 150},
                        {"交易地址", 200}});
}

// Ranking lists hold exactly ten rows from the start; loads only rewrite their texts.
void add_ten_rows(ReportListControl& list) {
    for (int row = 0; row < 10; ++row) {
        list.insert_row(-1, "");
    }
}

}  // namespace

DealTabControls::DealTabControls()
    : 字母分类(letter_items()),
      按钮_关键字(GBK("搜")),
      成交量(GBK("获取成交信息")),
      加入统计(GBK("添加统计信息")),
      成交信息(deal_columns("游戏区服")),
      成交信息复制(deal_columns("游戏/区/服")),
      成交信息复制1(deal_columns("游戏/区/服")),
      总合_隐(figure_list_columns()),
      单价_隐(figure_list_columns()),
      总合_隐3(figure_list_columns()),
      单价_隐3(figure_list_columns()),
      标签_最低价("-"),
      标签_最高价("-"),
      标签_最低单价("-"),
      标签_最高单价("-"),
      标签_平均单价("-"),
      标签_交易笔数("-"),
      标签_交易总金额("-"),
      按钮_查询指定日期(GBK("查找")),
      按钮_恢复查询数据(GBK("总成交量")),
      透明标签_排序(GBK("降")) {}

ComparisonTabControls::ComparisonTabControls()
    : 统计列表(gbk_columns({{"序号", 40},
                            {"游戏名/服/区", 200},
                            {"商品类型", 65},
                            {"最小金额", 65},
                            {"最大金额", 65},
                            {"最小单价", 65},
                            {"最大单价", 65},
                            {"平均单价", 65},
                            {"交易笔数", 65},
                            {"交易总金额", 80},
                            {"统计时间", 170}})),
      按钮_删除单条(GBK("删除选中统计数据")),
      按钮_清空统计(GBK("清空统计数据")) {}

MonitorTabControls::MonitorTabControls()
    : 字母分类1(letter_items()),
      按钮_关键字1(GBK("搜")),
      未交易信息(GBK("获取未交易信息")),
      成交信息1(gbk_columns({{"序号", 40},
                             {"方式", 40},
                             {"商品名称", 250},
                             {"商品类型", 65},
                             {"价格", 60},
                             {"单价", 120},
                             {"交易地址", 200}})),
      总合_隐1(figure_list_columns()),
      单价_隐1(figure_list_columns()),
      总合_隐2(figure_list_columns()),
      单价_隐2(figure_list_columns()),
      标签_最低价1("-"),
      标签_最高价1("-"),
      标签_最低单价1("-"),
      标签_最高单价1("-"),
      标签_平均单价1("-"),
      透明标签_排序1(GBK("降")),
      超级按钮_监控(GBK("开始监控")),
      组合框_监控时间(
          gbk_items({"间隔 5 秒监控", "间隔 10 秒监控", "间隔 15 秒监控", "间隔 20 秒监控",
                     "间隔 30 秒监控", "间隔 300 秒监控", "间隔 600 秒监控"})),
      组合框_报警模式(gbk_items({"弹窗报警", "音乐报警"})),
      编辑框_单价大于("0"),
      编辑框_价格小于("10000"),
      编辑框_价格大于("0") {}

RankingTabControls::RankingTabControls()
    : 超级按钮2(GBK("获取最近一周排行榜信息")),
      超级列表框_总交易额排行榜(gbk_columns({{"排名", 38}, {"游戏名称", 150}})),
      超级列表框_游戏币交易排行榜(
          gbk_columns({{"排名", 38}, {"游戏名称", 120}, {"游戏币价格", 100}})),
      超级列表框_装备交易排行榜(
          gbk_columns({{"排名", 38}, {"装备名称", 180}, {"人民币价格", 80}, {"游戏名称", 120}})),
      超级按钮_点击查看大图(GBK("点\n\n击\n\n查\n\n看\n\n大\n\n图")),
      超级按钮_打开Tovana交易行情(GBK("Tovana游戏币行情")),
      超级按钮_Ketzal交易(GBK("Ketzal新游戏交易量")),
      超级按钮_Tovana总排行(GBK("Tovana游戏总交易量")) {
    add_ten_rows(超级列表框_总交易额排行榜);
    add_ten_rows(超级列表框_游戏币交易排行榜);
    add_ten_rows(超级列表框_装备交易排行榜);
}

MessageTabControls::MessageTabControls()
    : 超级按钮_刷新留言(GBK("刷新留言")), 超级按钮_网站访问(GBK("Lumora网")) {}

UpdateTabControls::UpdateTabControls()
    : 按钮_检查更新(GBK("自动更新")),
      按钮_手动更新(GBK("手动更新")),
      标签40(GBK("换肤功能[移动滑块条]")),
      标签39(usage_notes_text()) {}

MainWindowControls::MainWindowControls() : 分组框2(GBK("正在导出Excel请稍后......"), false) {}

}  // namespace quvolo
