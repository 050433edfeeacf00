#include "app/update_check.h"

#include "app/version_answer.h"
#include "text/gbk_literal.h"

namespace quvolo {

void handle_version_answer(std::string_view answer, bool report_latest, ui::Desktop& desktop,
                           const std::function<bool()>& start_update) {
    switch (classify_version_answer(answer)) {
        case VersionAnswer::different: {
            const auto choice = desktop.message_box({GBK("系统检测有新的版本程序已发布,是否更新？"),
                                                     GBK("友情提示"), ui::MessageButtons::ok_cancel,
                                                     ui::MessageIcon::question});
            if (choice == ui::MessageAnswer::ok && !start_update()) {
                desktop.message_box(
                    {GBK("无法写出或启动更新程序，请检查程序所在的文件夹是否可写。"),
                     GBK("友情提示"), ui::MessageButtons::ok, ui::MessageIcon::exclamation});
            }
            return;
        }
        case VersionAnswer::same:
            if (report_latest) {
                desktop.message_box({GBK("当前版本已是最新版本"), GBK("友情提示"),
                                     ui::MessageButtons::ok, ui::MessageIcon::information});
            }
            return;
        case VersionAnswer::unreachable:
            // The timed check stays silent: a missing network should not greet the user.
            if (report_latest) {
                desktop.message_box({GBK("检查更新失败：无法连接更新服务器，请稍后再试。"),
                                     GBK("友情提示"), ui::MessageButtons::ok,
                                     ui::MessageIcon::exclamation});
            }
            return;
    }
}

}  // namespace quvolo
