#include "qt/main_window.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

#include "qt/qt_desktop.h"
#include "qt/qt_task_runner.h"
#include "qt/status_views.h"
#include "qt/tabs.h"
#include "qt/widget_factory.h"

namespace quvolo::qt {

MainWindow::MainWindow(MainWindowControls& controls, MainWindowHandlers& handlers,
                       QtTaskRunner& tasks, QtDesktop& desktop)
    : handlers_(handlers), tasks_(tasks), desktop_(desktop), tabs_(new QTabWidget()) {
    setWindowTitle(QStringLiteral("Lumora Quvolo v1.101"));
    resize(1000, 640);

    auto* central = new QWidget(this);
    tabs_->setParent(central);
    tabs_->setObjectName(QStringLiteral("选择夹1"));
    tabs_->addTab(build_deal_tab(controls.deal, handlers.filters, handlers.deals),
                  QStringLiteral("Tovana成交量查询"));
    tabs_->addTab(build_comparison_tab(controls.comparison, handlers.deals),
                  QStringLiteral("Tovana成交量统计"));
    tabs_->addTab(build_monitor_tab(controls.monitor, handlers.filters, handlers.monitor),
                  QStringLiteral("Tovana价格监控"));
    tabs_->addTab(build_ranking_tab(controls.rankings, handlers.rankings),
                  QStringLiteral("游戏币装备 排行榜 交易行情"));
    tabs_->addTab(build_message_tab(controls.messages, handlers.shell), QStringLiteral("留言口水"));
    tabs_->addTab(build_update_tab(controls.update, handlers.shell),
                  QStringLiteral("检查更新说明"));

    QLabel* activity = make_transparent_label(CONTROL(controls, 状态), tabs_);
    activity->setForegroundRole(QPalette::WindowText);
    activity->setContentsMargins(0, 0, 8, 0);
    tabs_->setCornerWidget(activity, Qt::TopRightCorner);

    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(4, 4, 4, 0);
    layout->addWidget(tabs_);
    setCentralWidget(central);
    build_export_progress(controls, central);
    build_status_bar(controls);
}

void MainWindow::build_status_bar(MainWindowControls& controls) {
    QStatusBar* bar = statusBar();
    bar->setObjectName(QStringLiteral("状态条1"));
    StatusBarView::Parts parts{};
    const int stretches[] = {3, 4, 2};
    for (int index = 0; index < static_cast<int>(parts.size()); ++index) {
        parts[index] = new QLabel(bar);
        parts[index]->setMinimumWidth(60);
        bar->addWidget(parts[index], stretches[index]);
    }
    new StatusBarView(controls.状态条1, parts, bar);
}

void MainWindow::build_export_progress(MainWindowControls& controls, QWidget* central) {
    auto* box = new QGroupBox(central);
    box->setObjectName(QStringLiteral("分组框2"));
    box->setMinimumWidth(340);
    auto* progress = new QProgressBar(box);
    progress->setObjectName(QStringLiteral("进度条1"));
    new ProgressBarView(controls.进度条1, *progress);
    auto* layout = new QVBoxLayout(box);
    layout->addWidget(progress);
    box->setAutoFillBackground(true);
    new FloatingGroupBoxView(controls.分组框2, *box);
}

void MainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (created_) {
        return;
    }
    created_ = true;
    // After the first paint, so the window is on screen before anything starts.
    QTimer::singleShot(0, this, [this] {
        handlers_.window_created();
        if (auto* letters = findChild<QComboBox*>(QStringLiteral("字母分类"))) {
            letters->setFocus();
        }
    });
}

void MainWindow::closeEvent(QCloseEvent* event) {
    emit closing();
    // Workers waiting for a box are answered first, so each of them can see its stop and end.
    desktop_.shut_down();
    tasks_.stop_all();
    event->accept();
}

void MainWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        for (QPushButton* button : findChildren<QPushButton*>()) {
            if (button->isDefault() && button->isVisible() && button->isEnabled()) {
                button->click();
                return;
            }
        }
    }
    QMainWindow::keyPressEvent(event);
}

}  // namespace quvolo::qt
