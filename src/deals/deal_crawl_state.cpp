#include "deals/deal_crawl_state.h"

#include "text/gbk_literal.h"

namespace quvolo {

bool refuse_while_crawling(const DealCrawlState& state, ui::Desktop& desktop) {
    if (!state.busy.load()) {
        return false;
    }
    desktop.message_box({GBK("正在获取交易量中"), GBK("警告"), ui::MessageButtons::ok,
                         ui::MessageIcon::exclamation});
    return true;
}

}  // namespace quvolo
