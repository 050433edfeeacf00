#include <gtest/gtest.h>

#include <QComboBox>
#include <QCoreApplication>
#include <QListWidget>
#include <algorithm>
#include <map>
#include <string>

#include "event_wait.h"
#include "qt/gbk_qstring.h"
#include "window_on_demo.h"

namespace quvolo::qt {
namespace {

std::multimap<std::string, std::string> pairs_of(const ui::ListBox& names, const ui::ListBox& ids) {
    std::multimap<std::string, std::string> pairs;
    for (int index = 0; index < names.count(); ++index) {
        pairs.emplace(names.item(index), ids.item(index));
    }
    return pairs;
}

QStringList texts_of(const QListWidget& list) {
    QStringList texts;
    for (int row = 0; row < list.count(); ++row) {
        texts.append(list.item(row)->text());
    }
    return texts;
}

QStringList texts_of(const ui::ListBox& list) {
    QStringList texts;
    for (int index = 0; index < list.count(); ++index) {
        texts.append(to_qstring(list.item(index)));
    }
    return texts;
}

using MainWindowOnDemo = WindowOnDemo;

// The real window on the demo marketplace: the catalogue arrives from a worker, then a letter
// chosen in the letter box narrows the game list. Each shown name must still lead to its own
// identifier, and the widget must show exactly the stored names.
TEST_F(MainWindowOnDemo, LetterChoiceKeepsNamesAndIdentifiersPaired) {
    MainWindow& window = shown_->window;
    DealTabControls& deal = shown_->controls.deal;
    const int catalogue_size = deal.游戏列表_游戏名_隐.count();
    ASSERT_GT(catalogue_size, 0);
    const auto catalogue = pairs_of(deal.游戏列表_游戏名_隐, deal.游戏列表_游戏名_编号_隐);

    auto* letters = window.findChild<QComboBox*>(QStringLiteral("字母分类"));
    auto* games = window.findChild<QListWidget*>(QStringLiteral("游戏列表_游戏名_显"));
    ASSERT_NE(letters, nullptr);
    ASSERT_NE(games, nullptr);
    ASSERT_TRUE(process_events_until([&] { return games->count() == catalogue_size; }));

    int narrowing_letters = 0;
    for (int letter = 1; letter < letters->count(); ++letter) {
        letters->setCurrentIndex(letter);
        emit letters->activated(letter);
        QCoreApplication::processEvents();

        const ui::ListBox& names = deal.游戏列表_游戏名_显;
        const ui::ListBox& ids = deal.游戏列表_游戏名_编号;
        ASSERT_EQ(names.count(), ids.count()) << letters->itemText(letter).toStdString();
        for (int index = 0; index < names.count(); ++index) {
            const auto [first, last] = catalogue.equal_range(names.item(index));
            EXPECT_TRUE(std::any_of(
                first, last, [&](const auto& pair) { return pair.second == ids.item(index); }))
                << "game " << index << " under " << letters->itemText(letter).toStdString();
        }
        EXPECT_EQ(texts_of(*games), texts_of(names));
        if (names.count() > 0 && names.count() < catalogue_size) {
            ++narrowing_letters;
        }
    }
    EXPECT_GT(narrowing_letters, 0) << "no letter narrowed the demo catalogue";
}

}  // namespace
}  // namespace quvolo::qt
