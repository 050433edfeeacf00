#include <unistd.h>

#include <QApplication>
#include <QFile>
#include <QFontDatabase>
#include <filesystem>
#include <iostream>

#include "app/start_up.h"
#include "qt/screenshot_tour.h"
#include "qt/window_program.h"
#include "text/codepage.h"

namespace {

// Chinese captions need a font that has them; the toolkit's default often has none.
void use_chinese_font() {
    const QString family = QStringLiteral("WenQuanYi Micro Hei");
    if (QFontDatabase::families().contains(family)) {
        QFont font = QApplication::font();
        font.setFamilies({family, font.family()});
        QApplication::setFont(font);
    }
}

// The browser engine refuses to start its sandbox as root; run as root it must do without.
void let_browser_run_as_root() {
    if (geteuid() == 0 && qEnvironmentVariableIsEmpty("QTWEBENGINE_DISABLE_SANDBOX")) {
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    }
}

std::filesystem::path program_directory() {
    return std::filesystem::path(
        QFile::encodeName(QCoreApplication::applicationDirPath()).toStdString());
}

}  // namespace

int main(int argc, char** argv) {
    using namespace quvolo;
    let_browser_run_as_root();
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    use_chinese_font();

    const std::filesystem::path program_dir = program_directory();
    HostSetup setup = set_up_hosts(choose_config_path(program_dir, std::nullopt));
    if (!setup.note.empty()) {
        std::cerr << setup.note << '\n';
    }

    qt::WindowProgram program(setup.hosts, program_dir, 1.0);
    MainWindowControls& controls = program.controls;
    if (!setup.note.empty()) {
        // The status bar's activity part changes at once; its target part keeps the note until
        // the first query, and the update tab keeps it for good.
        controls.状态条1.set_part(0, utf8_to_gbk(setup.note));
        controls.update.标签37.set_caption(utf8_to_gbk(setup.note));
    }

    qt::MainWindow& window = program.window;
    window.show();
    if (const QString shots = qEnvironmentVariable("QUVOLO_SCREENSHOT_DIR"); !shots.isEmpty()) {
        qt::start_screenshot_tour(window, controls.deal.游戏列表_游戏名_显, shots);
    }
    return QApplication::exec();
}
