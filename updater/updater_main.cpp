// The updater: started by the program without arguments, it compares the installed version in
// config.ini beside it with the publisher's version service and tells the user the outcome.
#include <QApplication>
#include <QDesktopServices>
#include <QMessageBox>
#include <QUrl>

#include <cstdlib>

#include "app/host_config.h"
#include "app/ini_file.h"
#include "app/publisher_pages.h"
#include "app/version_answer.h"
#include "net/fetch.h"

namespace {

std::string publisher_address(const quvolo::IniFile& config) {
    // The program hands over the address it uses, which may be its own demo marketplace.
    if (const char* handed_over = std::getenv("QUVOLO_PUBLISHER"); handed_over && *handed_over) {
        return handed_over;
    }
    const auto hosts = quvolo::configured_hosts(config);
    return hosts ? hosts->publisher : std::string();
}

QString utf8(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The answer comes from the network: shown as plain text, never as markup.
QMessageBox::StandardButton show_box(QMessageBox::Icon icon, const QString& text,
                                     QMessageBox::StandardButtons buttons = QMessageBox::Ok) {
    QMessageBox box(icon, QStringLiteral("Lumora自动更新"), text, buttons);
    box.setTextFormat(Qt::PlainText);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

}  // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    const auto directory = QCoreApplication::applicationDirPath().toStdString();
    const auto config = quvolo::IniFile::read(std::filesystem::path(directory) / "config.ini");
    const std::string installed =
        config.value("基本配置", "版本号").value_or(std::string(quvolo::kInstalledVersion));
    const std::string publisher = publisher_address(config);

    const std::string answer = publisher.empty()
                                   ? std::string()
                                   : quvolo::fetch_page(quvolo::version_service_address(publisher));
    switch (quvolo::classify_version_answer(answer, installed)) {
        case quvolo::VersionAnswer::unreachable:
            show_box(QMessageBox::Warning,
                     QStringLiteral("无法连接更新服务器，请检查网络后再试。"));
            break;
        case quvolo::VersionAnswer::same:
            show_box(QMessageBox::Information,
                     QStringLiteral("当前版本 %1 已是最新版本。").arg(utf8(installed)));
            break;
        case quvolo::VersionAnswer::different: {
            const QString latest = utf8(answer).trimmed().left(32);
            const auto choice =
                show_box(QMessageBox::Question,
                         QStringLiteral("发现新版本 %1（当前版本 %2）。\n是否打开更新页面下载？")
                             .arg(latest, utf8(installed)),
                         QMessageBox::Yes | QMessageBox::No);
            if (choice == QMessageBox::Yes) {
                QDesktopServices::openUrl(QUrl(utf8(quvolo::manual_update_address(publisher))));
            }
            break;
        }
    }
    return 0;
}
