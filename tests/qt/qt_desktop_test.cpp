#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <future>
#include <thread>

#include "event_wait.h"
#include "qt/qt_desktop.h"
#include "text/gbk_literal.h"

namespace quvolo::qt {
namespace {

QMessageBox* shown_box() {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* box = qobject_cast<QMessageBox*>(widget); box != nullptr && box->isVisible()) {
            return box;
        }
    }
    return nullptr;
}

// A worker's box is answered on the window's thread while the window goes on running; only
// the worker waits, and it gets the button that was pressed.
TEST(QtDesktop, BoxFromAWorkerBlocksOnlyTheWorker) {
    struct Case {
        ui::MessageButtons buttons;
        QMessageBox::StandardButton press;
        ui::MessageAnswer expected;
    };
    const Case cases[] = {
        {ui::MessageButtons::yes_no, QMessageBox::No, ui::MessageAnswer::no},
        {ui::MessageButtons::yes_no, QMessageBox::Yes, ui::MessageAnswer::yes},
        {ui::MessageButtons::ok_cancel, QMessageBox::Cancel, ui::MessageAnswer::cancel},
        {ui::MessageButtons::ok, QMessageBox::Ok, ui::MessageAnswer::ok},
    };
    for (const auto& c : cases) {
        QtDesktop desktop;
        std::promise<ui::MessageAnswer> answered;
        auto answer = answered.get_future();
        std::jthread worker([&] {
            answered.set_value(desktop.message_box(
                {GBK("发现新订单 <b>9.5</b>"), "", c.buttons, ui::MessageIcon::exclamation}));
        });

        QMessageBox* box = nullptr;
        ASSERT_TRUE(process_events_until([&] { return (box = shown_box()) != nullptr; }));
        EXPECT_EQ(answer.wait_for(std::chrono::seconds(0)), std::future_status::timeout);
        EXPECT_EQ(box->windowTitle(), QStringLiteral("信息："));
        EXPECT_EQ(box->text(), QStringLiteral("发现新订单 <b>9.5</b>"));
        EXPECT_EQ(box->textFormat(), Qt::PlainText);
        EXPECT_EQ(box->icon(), QMessageBox::Warning);
        box->button(c.press)->click();

        ASSERT_TRUE(process_events_until(
            [&] { return answer.wait_for(std::chrono::seconds(0)) == std::future_status::ready; }));
        EXPECT_EQ(answer.get(), c.expected);
    }
}

TEST(QtDesktop, ShuttingDownReleasesAWaitingWorker) {
    QtDesktop desktop;
    std::promise<ui::MessageAnswer> answered;
    auto answer = answered.get_future();
    std::jthread worker([&] {
        answered.set_value(desktop.message_box({"?", "", ui::MessageButtons::yes_no}));
    });
    ASSERT_TRUE(process_events_until([] { return shown_box() != nullptr; }));

    desktop.shut_down();
    EXPECT_EQ(answer.get(), ui::MessageAnswer::no);
    shown_box()->close();

    std::future<ui::MessageAnswer> later = std::async(std::launch::async, [&] {
        return desktop.message_box({"later", "", ui::MessageButtons::ok_cancel});
    });
    EXPECT_EQ(later.get(), ui::MessageAnswer::cancel);
    EXPECT_EQ(shown_box(), nullptr);
}

}  // namespace
}  // namespace quvolo::qt
