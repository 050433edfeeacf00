#include "qt/widget_factory.h"

#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTreeView>
#include <QVBoxLayout>

namespace quvolo::qt {
namespace {

template <class Widget>
Widget* named(Widget* widget, const char* name) {
    widget->setObjectName(QString::fromUtf8(name));
    return widget;
}

class FocusWatcher : public QObject {
  public:
    FocusWatcher(QWidget* widget, std::function<void()> focused)
        : QObject(widget), focused_(std::move(focused)) {
        widget->installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::FocusIn) {
            focused_();
        }
        return false;
    }

  private:
    std::function<void()> focused_;
};

}  // namespace

QLabel* make_label(ui::MemoryLabel& store, const char* name, QWidget* parent) {
    auto* label = named(new QLabel(parent), name);
    new LabelView(store, *label);
    return label;
}

QLabel* make_static_label(const char* name, const char* text, QWidget* parent) {
    auto* label = named(new QLabel(parent), name);
    label->setTextFormat(Qt::PlainText);
    label->setText(QString::fromUtf8(text));
    return label;
}

QLabel* make_transparent_label(ui::MemoryLabel& store, const char* name, QWidget* parent) {
    QLabel* label = make_label(store, name, parent);
    label->setAttribute(Qt::WA_TranslucentBackground);
    label->setForegroundRole(QPalette::PlaceholderText);
    return label;
}

QLabel* make_figure_label(ui::MemoryLabel& store, const char* name, QWidget* parent) {
    QLabel* label = make_label(store, name, parent);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    label->setMinimumWidth(70);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    return label;
}

QPushButton* make_button(ui::MemoryButton& store, const char* name, QWidget* parent) {
    auto* button = named(new QPushButton(parent), name);
    button->setAutoDefault(false);
    new ButtonView(store, *button);
    return button;
}

QLineEdit* make_edit_box(ui::MemoryEditBox& store, const char* name, QWidget* parent) {
    auto* edit = named(new QLineEdit(parent), name);
    new EditBoxView(store, *edit);
    return edit;
}

QListWidget* make_list_box(ui::MemoryListBox& store, const char* name, QWidget* parent,
                           ListBoxView** view) {
    auto* list = named(new QListWidget(parent), name);
    auto* bound = new ListBoxView(store, *list);
    if (view != nullptr) {
        *view = bound;
    }
    return list;
}

QComboBox* make_drop_down(ui::MemoryListBox& store, const char* name, QWidget* parent,
                          DropDownView** view) {
    auto* box = named(new QComboBox(parent), name);
    auto* bound = new DropDownView(store, *box);
    if (view != nullptr) {
        *view = bound;
    }
    return box;
}

QTreeView* make_report_list(ui::MemoryReportList& store, const char* name, QWidget* parent,
                            ReportListView** view) {
    auto* tree = named(new QTreeView(parent), name);
    tree->setAlternatingRowColors(true);
    auto* bound = new ReportListView(store, *tree);
    if (view != nullptr) {
        *view = bound;
    }
    return tree;
}

QVBoxLayout* captioned_column(QLabel* caption) {
    auto* column = new QVBoxLayout();
    column->setSpacing(3);
    QFont font = caption->font();
    font.setBold(true);
    caption->setFont(font);
    column->addWidget(caption);
    return column;
}

QVBoxLayout* step_column(QLabel* caption, QWidget* list) {
    QVBoxLayout* column = captioned_column(caption);
    column->addWidget(list, 1);
    return column;
}

void on_focus_in(QWidget* widget, std::function<void()> focused) {
    new FocusWatcher(widget, std::move(focused));
}

QPushButton* action_button(ui::MemoryButton& store, const char* name, QWidget* parent,
                           std::function<void()> clicked) {
    QPushButton* button = make_button(store, name, parent);
    QObject::connect(button, &QPushButton::clicked, parent,
                     [clicked = std::move(clicked)] { clicked(); });
    return button;
}

}  // namespace quvolo::qt
