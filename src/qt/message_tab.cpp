#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "qt/browser_view.h"
#include "qt/tabs.h"
#include "qt/widget_factory.h"

namespace quvolo::qt {

QWidget* build_message_tab(MessageTabControls& c, ShellHandlers& shell) {
    auto* page = new QWidget();
    auto* board = new QGroupBox(page);
    board->setObjectName(QStringLiteral("分组框3"));
    QWidget* browser = make_browser_box(c.超文本浏览框1, board);
    browser->setObjectName(QStringLiteral("超文本浏览框1"));
    auto* board_layout = new QVBoxLayout(board);
    board_layout->setContentsMargins(2, 2, 2, 2);
    board_layout->addWidget(browser);
    make_hidden_browser(c.超文本浏览框2, page)->setObjectName(QStringLiteral("超文本浏览框2"));

    QPushButton* refresh = make_button(CONTROL(c, 超级按钮_刷新留言), page);
    QPushButton* website = make_button(CONTROL(c, 超级按钮_网站访问), page);
    QObject::connect(refresh, &QPushButton::clicked, page,
                     [&shell] { shell.refresh_messages_clicked(); });
    QObject::connect(website, &QPushButton::clicked, page, [&shell] { shell.website_clicked(); });
    auto* buttons = new QHBoxLayout();
    buttons->addStretch(1);
    buttons->addWidget(refresh);
    buttons->addWidget(website);

    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(8, 8, 8, 6);
    layout->addWidget(board, 1);
    layout->addLayout(buttons);
    return page;
}

}  // namespace quvolo::qt
