#include "qt/query_tab_parts.h"

#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QVBoxLayout>

#include "qt/list_box_view.h"
#include "qt/report_list_view.h"
#include "qt/widget_factory.h"

namespace quvolo::qt {

QLayout* game_filter_column(QLabel* caption, const GameFilterWidgets& widgets, QueryTab tab,
                            GameFilterHandlers& filters) {
    QObject::connect(widgets.letter_view, &DropDownView::chosen, widgets.letters,
                     [&filters, tab] { filters.letter_chosen(tab); });
    QObject::connect(widgets.search, &QPushButton::clicked, widgets.search,
                     [&filters, tab] { filters.keyword_search_clicked(tab); });
    on_focus_in(widgets.keyword, [&filters, tab] { filters.keyword_box_focused(tab); });

    widgets.letters->setPlaceholderText(QStringLiteral("按字母选择"));
    widgets.search->setFixedWidth(36);
    widgets.keyword->setPlaceholderText(QStringLiteral("关键字"));
    auto* search_row = new QHBoxLayout();
    search_row->setSpacing(3);
    search_row->addWidget(widgets.keyword, 1);
    search_row->addWidget(widgets.search);

    QVBoxLayout* column = captioned_column(caption);
    column->addWidget(widgets.letters);
    column->addSpacing(8);
    column->addLayout(search_row);
    column->addStretch(1);
    return column;
}

QWidget* figures_panel(const std::vector<FigureRow>& figures, int per_row, QWidget* page) {
    auto* panel = new QFrame(page);
    panel->setFrameShape(QFrame::StyledPanel);
    auto* grid = new QGridLayout(panel);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(4);
    constexpr int kCellsPerFigure = 4;  // caption, value, holder, gap
    for (int index = 0; index < static_cast<int>(figures.size()); ++index) {
        const FigureRow& figure = figures[index];
        const int row = index / per_row;
        const int column = (index % per_row) * kCellsPerFigure;
        QLabel* caption = make_static_label(figure.caption_name, figure.caption, panel);
        caption->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        grid->addWidget(caption, row, column);
        grid->addWidget(make_figure_label(figure.value, figure.value_name, panel), row, column + 1);
        if (figure.holder != nullptr) {
            QLabel* holder = make_transparent_label(*figure.holder, figure.holder_name, panel);
            holder->setToolTip(QStringLiteral("全部成交"));
            grid->addWidget(holder, row, column + 2);
        }
    }
    for (int slot = 0; slot < per_row; ++slot) {
        grid->setColumnStretch(slot * kCellsPerFigure + 1, 1);
        grid->setColumnMinimumWidth(slot * kCellsPerFigure + 3, 12);
    }
    return panel;
}

QMenu* attach_context_menu(ReportListView& list, const char* name,
                           std::initializer_list<const char*> items, QWidget* parent) {
    auto* menu = new QMenu(QString::fromUtf8(name), parent);
    menu->setObjectName(QString::fromUtf8(name));
    for (const char* item : items) {
        menu->addAction(QString::fromUtf8(item))->setObjectName(QString::fromUtf8(item));
    }
    QObject::connect(&list, &ReportListView::context_menu_requested, menu,
                     [menu](const QPoint& where) { menu->popup(where); });
    return menu;
}

}  // namespace quvolo::qt
