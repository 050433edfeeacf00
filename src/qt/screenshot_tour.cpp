#include "qt/screenshot_tour.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTabWidget>
#include <QTimer>

#include "qt/main_window.h"

namespace quvolo::qt {
namespace {

constexpr int kPollMs = 200;
constexpr int kCatalogueDeadlineMs = 20000;
// Time for a tab's pages (the message board's browser) to draw before the picture is taken.
constexpr int kSettleMs = 1500;

void shoot_tab(MainWindow* window, QString directory, int tab) {
    if (tab >= window->tabs().count()) {
        QApplication::quit();
        return;
    }
    window->tabs().setCurrentIndex(tab);
    QTimer::singleShot(kSettleMs, window, [window, directory, tab] {
        window->grab().save(QDir(directory).filePath(QStringLiteral("tab%1.png").arg(tab)));
        shoot_tab(window, directory, tab + 1);
    });
}

}  // namespace

void start_screenshot_tour(MainWindow& window, const ui::ListBox& games, const QString& directory) {
    QDir().mkpath(directory);
    auto* poll = new QTimer(&window);
    auto* waited = new QElapsedTimer();
    waited->start();
    QObject::connect(poll, &QTimer::timeout, &window, [&window, &games, directory, poll, waited] {
        if (games.count() == 0 && waited->elapsed() < kCatalogueDeadlineMs) {
            return;
        }
        poll->stop();
        delete waited;
        shoot_tab(&window, directory, 0);
    });
    poll->start(kPollMs);
}

}  // namespace quvolo::qt
