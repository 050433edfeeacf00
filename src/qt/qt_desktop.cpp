#include "qt/qt_desktop.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDesktopServices>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QThread>
#include <QUrl>
#include <future>
#include <mutex>
#include <set>

#include "qt/gbk_qstring.h"
#include "ui/desktop.h"

namespace quvolo::qt {

struct QtDesktop::Waiting {
    struct Waiter {
        std::promise<Answer> promise;
        Answer cancelled;
    };

    void answer(const std::shared_ptr<Waiter>& waiter, Answer value) {
        std::lock_guard lock(mutex);
        if (waiters.erase(waiter) > 0) {
            waiter->promise.set_value(std::move(value));
        }
    }

    std::mutex mutex;
    std::set<std::shared_ptr<Waiter>> waiters;
    bool shut_down = false;
};

namespace {

bool on_window_thread() {
    return QThread::currentThread() == QCoreApplication::instance()->thread();
}

ui::MessageAnswer cancelled_answer(ui::MessageButtons buttons) {
    switch (buttons) {
        case ui::MessageButtons::ok_cancel:
            return ui::MessageAnswer::cancel;
        case ui::MessageButtons::yes_no:
            return ui::MessageAnswer::no;
        case ui::MessageButtons::ok:
            break;
    }
    return ui::MessageAnswer::ok;
}

QMessageBox::Icon box_icon(ui::MessageIcon icon) {
    switch (icon) {
        case ui::MessageIcon::information:
            return QMessageBox::Information;
        case ui::MessageIcon::exclamation:
            return QMessageBox::Warning;
        case ui::MessageIcon::question:
            return QMessageBox::Question;
        case ui::MessageIcon::error:
            return QMessageBox::Critical;
        case ui::MessageIcon::none:
            break;
    }
    return QMessageBox::NoIcon;
}

// A box without an owner window; it never keeps the program alive on its own.
QMessageBox* make_box(const ui::MessageBoxRequest& request) {
    auto* box = new QMessageBox();
    box->setAttribute(Qt::WA_QuitOnClose, false);
    box->setWindowTitle(
        to_qstring(request.title.empty() ? ui::default_box_title() : request.title));
    box->setTextFormat(Qt::PlainText);
    box->setText(to_qstring(request.text));
    box->setIcon(box_icon(request.icon));
    switch (request.buttons) {
        case ui::MessageButtons::ok:
            box->setStandardButtons(QMessageBox::Ok);
            box->setEscapeButton(QMessageBox::Ok);
            break;
        case ui::MessageButtons::ok_cancel:
            box->setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
            box->setEscapeButton(QMessageBox::Cancel);
            break;
        case ui::MessageButtons::yes_no:
            box->setStandardButtons(QMessageBox::Yes | QMessageBox::No);
            box->setEscapeButton(QMessageBox::No);
            break;
    }
    return box;
}

ui::MessageAnswer answer_of(QMessageBox& box, ui::MessageButtons buttons) {
    switch (box.standardButton(box.clickedButton())) {
        case QMessageBox::Ok:
            return ui::MessageAnswer::ok;
        case QMessageBox::Cancel:
            return ui::MessageAnswer::cancel;
        case QMessageBox::Yes:
            return ui::MessageAnswer::yes;
        case QMessageBox::No:
            return ui::MessageAnswer::no;
        default:
            return cancelled_answer(buttons);
    }
}

QFileDialog* make_save_dialog(const ui::SaveFileRequest& request) {
    auto* dialog = new QFileDialog(nullptr, to_qstring(request.title));
    dialog->setAttribute(Qt::WA_QuitOnClose, false);
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setFileMode(QFileDialog::AnyFile);
    dialog->setNameFilter(to_qstring(request.filter));
    dialog->setDefaultSuffix(to_qstring(request.default_extension));
    dialog->selectFile(to_qstring(request.preset_name));
    return dialog;
}

std::optional<std::string> chosen_path(const QFileDialog& dialog, int result) {
    const QStringList files = dialog.selectedFiles();
    if (result != QDialog::Accepted || files.isEmpty()) {
        return std::nullopt;
    }
    return QFile::encodeName(files.first()).toStdString();
}

}  // namespace

QtDesktop::QtDesktop() : waiting_(std::make_shared<Waiting>()) {}

QtDesktop::~QtDesktop() {
    shut_down();
}

void QtDesktop::shut_down() {
    std::lock_guard lock(waiting_->mutex);
    waiting_->shut_down = true;
    for (const auto& waiter : waiting_->waiters) {
        waiter->promise.set_value(waiter->cancelled);
    }
    waiting_->waiters.clear();
}

QtDesktop::Answer QtDesktop::ask_from_worker(std::function<void(Reply)> show, Answer cancelled) {
    auto waiter = std::make_shared<Waiting::Waiter>();
    waiter->cancelled = cancelled;
    auto answered = waiter->promise.get_future();
    {
        std::lock_guard lock(waiting_->mutex);
        if (waiting_->shut_down) {
            return cancelled;
        }
        waiting_->waiters.insert(waiter);
    }
    window_.post([show = std::move(show), waiting = waiting_, waiter] {
        show([waiting, waiter](Answer value) { waiting->answer(waiter, std::move(value)); });
    });
    return answered.get();
}

ui::MessageAnswer QtDesktop::message_box(const ui::MessageBoxRequest& request) {
    const ui::MessageButtons buttons = request.buttons;
    if (on_window_thread()) {
        std::unique_ptr<QMessageBox> box(make_box(request));
        box->setWindowModality(Qt::ApplicationModal);
        box->exec();
        return answer_of(*box, buttons);
    }
    const Answer answer = ask_from_worker(
        [request](const Reply& reply) {
            QMessageBox* box = make_box(request);
            box->setAttribute(Qt::WA_DeleteOnClose);
            QObject::connect(box, &QMessageBox::finished, box,
                             [box, reply, request] { reply(answer_of(*box, request.buttons)); });
            box->show();
        },
        cancelled_answer(buttons));
    return std::get<ui::MessageAnswer>(answer);
}

std::optional<std::string> QtDesktop::ask_save_file(const ui::SaveFileRequest& request) {
    if (on_window_thread()) {
        std::unique_ptr<QFileDialog> dialog(make_save_dialog(request));
        dialog->setWindowModality(Qt::ApplicationModal);
        return chosen_path(*dialog, dialog->exec());
    }
    const Answer answer = ask_from_worker(
        [request](const Reply& reply) {
            QFileDialog* dialog = make_save_dialog(request);
            dialog->setAttribute(Qt::WA_DeleteOnClose);
            QObject::connect(dialog, &QFileDialog::finished, dialog,
                             [dialog, reply](int result) { reply(chosen_path(*dialog, result)); });
            dialog->show();
        },
        std::optional<std::string>());
    return std::get<std::optional<std::string>>(answer);
}

bool QtDesktop::open_in_browser(std::string_view url) {
    if (!ui::is_web_address(url)) {
        return false;
    }
    const QUrl address(to_qstring(url));
    if (on_window_thread()) {
        return QDesktopServices::openUrl(address);
    }
    window_.post([address] { QDesktopServices::openUrl(address); });
    return true;
}

void QtDesktop::notify(std::string_view title, std::string_view text) {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        return;
    }
    QDBusMessage call = QDBusMessage::createMethodCall("org.freedesktop.Notifications",
                                                       "/org/freedesktop/Notifications",
                                                       "org.freedesktop.Notifications", "Notify");
    // The body may carry markup on some servers; network text is escaped to stay plain.
    call << QStringLiteral("Lumora Quvolo") << 0u << QString() << to_qstring(title)
         << to_qstring(text).toHtmlEscaped() << QStringList() << QVariantMap() << -1;
    bus.call(call, QDBus::NoBlock);
}

}  // namespace quvolo::qt
