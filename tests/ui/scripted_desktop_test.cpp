#include <gtest/gtest.h>

#include "text/gbk_literal.h"
#include "ui/scripted_desktop.h"

namespace quvolo::ui {
namespace {

TEST(ScriptedDesktop, UntitledBoxesGetTheDefaultTitleAndScriptedAnswersComeInOrder) {
    ScriptedDesktop desktop;
    desktop.answer_next_box(MessageAnswer::cancel);
    EXPECT_EQ(desktop.message_box({"first", "", MessageButtons::ok_cancel}), MessageAnswer::cancel);
    EXPECT_EQ(desktop.message_box({"second", "t", MessageButtons::ok_cancel}), MessageAnswer::ok);
    const auto boxes = desktop.boxes();
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[0].title, GBK("信息："));
    EXPECT_EQ(boxes[1].title, "t");
}

TEST(ScriptedDesktop, OnlyWebAddressesReachTheBrowser) {
    struct Case {
        const char* url;
        bool opened;
    };
    const Case cases[] = {
        {"http://a/b", true},           {"HTTPS://a", true},     {"file:///etc/passwd", false},
        {"javascript:alert(1)", false}, {"/list/x.aspx", false}, {"", false},
    };
    for (const auto& c : cases) {
        ScriptedDesktop desktop;
        EXPECT_EQ(desktop.open_in_browser(c.url), c.opened) << c.url;
        EXPECT_EQ(desktop.opened_urls().size(), c.opened ? 1u : 0u) << c.url;
    }
}

}  // namespace
}  // namespace quvolo::ui
