#pragma once

#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace quvolo::demo {

// All names below are GBK text.

enum class GoodsKind { currency, premium, item, material, account, card, service, other };

struct GoodsType {
    std::string id;
    std::string name;
    GoodsKind kind;
};

// Every goods type the marketplace knows, in the order its services list them.
const std::vector<GoodsType>& goods_type_table();

struct ServerInfo {
    std::string id;
    std::string name;
    double weight = 1;        // share of the area's trade
    double price_factor = 1;  // local currency price against the game's
};

struct AreaInfo {
    std::string id;
    std::string name;
    int operator_index = -1;  // web games group their areas by operator
    double weight = 1;
    std::vector<ServerInfo> servers;
};

struct OperatorInfo {
    std::string id;
    std::string name;
};

struct GameLayout {
    std::vector<AreaInfo> areas;
    std::vector<int> goods_types;  // indices into goods_type_table(), in table order
    std::vector<double> goods_type_weights;
    std::vector<std::string> camps;       // empty when the game has none
    std::vector<OperatorInfo> operators;  // empty when its pages offer no operator choice
    std::string currency_unit;            // "金", "万金", ...
    double currency_price = 0.01;         // yuan per currency unit
};

struct Game {
    int index = 0;
    std::string id;
    std::string name;
    std::string group;       // catalogue group: "A".."Z" or "0~9"
    int trade_rank = 0;      // 0 = the most traded game
    double deal_target = 0;  // expected number of recent deals over the whole game
    bool web_game = false;
};

struct AreaRef {
    const Game* game = nullptr;
    int area = 0;
};

struct ServerRef {
    const Game* game = nullptr;
    int area = 0;
    int server = 0;
};

// The games of the demo marketplace. The list is built at once; each game's areas,
// servers and goods types are built on first use and kept.
class GameWorld {
  public:
    GameWorld(std::uint64_t seed, double scale);

    std::uint64_t seed() const { return seed_; }
    double scale() const { return scale_; }
    const std::vector<Game>& games() const { return games_; }
    // Games in catalogue order: grouped by their group, groups in order.
    const std::vector<const Game*>& catalogue_order() const { return catalogue_order_; }
    const std::vector<std::string>& group_names() const { return group_names_; }
    // Games by trade, the most traded first.
    const std::vector<const Game*>& by_trade() const { return by_trade_; }

    const Game* find_game(std::string_view id) const;
    std::optional<AreaRef> find_area(std::string_view area_id) const;
    std::optional<ServerRef> find_server(std::string_view server_id) const;
    std::shared_ptr<const GameLayout> layout(const Game& game) const;

    // Position of a goods type of the game by its identifier, -1 when it has none such.
    static int goods_type_position(const GameLayout& layout, std::string_view type_id);

  private:
    std::uint64_t seed_;
    double scale_;
    std::vector<Game> games_;
    std::vector<const Game*> catalogue_order_;
    std::vector<const Game*> by_trade_;
    std::vector<std::string> group_names_;
    std::unordered_map<std::string, int> index_by_id_;
    mutable std::mutex layouts_mutex_;
    mutable std::vector<std::shared_ptr<const GameLayout>> layouts_;
};

}  // namespace quvolo::demo

namespace quvolo::demo {

// The part of a game's trade that falls on one server and goods type (all parts add up to 1).
double leaf_share(const GameLayout& layout, int area, int server, int type_position);

}  // namespace quvolo::demo
