#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QSlider>
#include <QVBoxLayout>

#include "qt/tabs.h"
#include "qt/timer_view.h"
#include "qt/widget_factory.h"

namespace quvolo::qt {
namespace {

QSlider* skin_slider(const char* name, int maximum, QWidget* parent) {
    auto* slider = new QSlider(Qt::Horizontal, parent);
    slider->setObjectName(QString::fromUtf8(name));
    slider->setRange(0, maximum);
    return slider;
}

QLayout* controls_column(UpdateTabControls& c, ShellHandlers& shell, QWidget* page) {
    QPushButton* check = make_button(CONTROL(c, 按钮_检查更新), page);
    QPushButton* manual = make_button(CONTROL(c, 按钮_手动更新), page);
    QObject::connect(check, &QPushButton::clicked, page,
                     [&shell] { shell.check_update_clicked(); });
    QObject::connect(manual, &QPushButton::clicked, page,
                     [&shell] { shell.manual_update_clicked(); });

    QSlider* hue_up = skin_slider("滑块条1", 90, page);
    QSlider* hue_down = skin_slider("滑块条2", 99, page);
    QObject::connect(hue_up, &QSlider::valueChanged, page,
                     [&shell](int position) { shell.slider1_moved(position); });
    QObject::connect(hue_down, &QSlider::valueChanged, page,
                     [&shell](int position) { shell.slider2_moved(position); });

    auto* column = new QVBoxLayout();
    column->setSpacing(8);
    column->addWidget(check);
    column->addWidget(manual);
    column->addSpacing(16);
    column->addWidget(make_label(CONTROL(c, 标签40), page));
    column->addWidget(hue_up);
    column->addWidget(hue_down);
    QLabel* note = make_label(CONTROL(c, 标签37), page);
    note->setWordWrap(true);
    column->addWidget(note);
    column->addStretch(1);
    return column;
}

QLabel* text_block(QLabel* label) {
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

}  // namespace

QWidget* build_update_tab(UpdateTabControls& c, ShellHandlers& shell) {
    auto* page = new QWidget();
    auto* timer = new TimerView(c.时钟1, page);
    timer->setObjectName(QStringLiteral("时钟1"));
    QObject::connect(timer, &TimerView::fired, page, [&shell] { shell.update_timer_fired(); });

    auto* texts = new QWidget();
    auto* texts_layout = new QVBoxLayout(texts);
    texts_layout->addWidget(text_block(make_label(CONTROL(c, 标签39), texts)));
    texts_layout->addSpacing(12);
    texts_layout->addWidget(text_block(make_label(CONTROL(c, 标签38), texts)));
    texts_layout->addStretch(1);
    auto* scroll = new QScrollArea(page);
    scroll->setWidget(texts);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);

    auto* controls = new QWidget(page);
    controls->setFixedWidth(300);
    controls->setLayout(controls_column(c, shell, controls));

    auto* layout = new QHBoxLayout(page);
    layout->setContentsMargins(12, 12, 12, 8);
    layout->addWidget(controls);
    layout->addSpacing(20);
    layout->addWidget(scroll, 1);
    return page;
}

}  // namespace quvolo::qt
