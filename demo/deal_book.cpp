#include "demo/deal_book.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "demo/calendar.h"
#include "demo/rng.h"

namespace quvolo::demo {
namespace {

constexpr int kNoMatch = -2;
constexpr int kAny = -1;

bool means_all(const std::string& id) {
    return id.empty() || id == "-1";
}

// Trade through the day: quiet at night, busiest in the evening.
constexpr double kHourWeights[24] = {4, 3, 2, 1, 1, 1, 1, 2, 3,  4,  5, 5,
                                     6, 6, 6, 6, 6, 7, 8, 9, 10, 10, 9, 6};

int draw_hour(Random& rng) {
    static const std::vector<double> weights(std::begin(kHourWeights), std::end(kHourWeights));
    return static_cast<int>(rng.weighted(weights));
}

struct ResolvedFilter {
    int area = kAny, server = kAny, type = kAny, camp = kAny;
    bool impossible() const {
        return area == kNoMatch || server == kNoMatch || type == kNoMatch || camp == kNoMatch;
    }
    bool passes(const Deal& deal) const {
        return (area == kAny || deal.area == area) && (server == kAny || deal.server == server) &&
               (type == kAny || deal.type == type) && (camp == kAny || deal.camp == camp);
    }
};

ResolvedFilter resolve(const GameLayout& layout, const DealFilter& filter) {
    ResolvedFilter out;
    if (!means_all(filter.area)) {
        out.area = kNoMatch;
        for (std::size_t a = 0; a < layout.areas.size(); ++a) {
            if (layout.areas[a].id == filter.area)
                out.area = static_cast<int>(a);
        }
    }
    if (!means_all(filter.server)) {
        int server_area = kNoMatch;
        out.server = kNoMatch;
        for (std::size_t a = 0; a < layout.areas.size(); ++a) {
            for (std::size_t s = 0; s < layout.areas[a].servers.size(); ++s) {
                if (layout.areas[a].servers[s].id == filter.server) {
                    server_area = static_cast<int>(a);
                    out.server = static_cast<int>(s);
                }
            }
        }
        if (out.area == kAny)
            out.area = server_area;
        if (out.area != server_area)
            out.server = kNoMatch;
    }
    if (!means_all(filter.type)) {
        const int position = GameWorld::goods_type_position(layout, filter.type);
        out.type = position < 0 ? kNoMatch : position;
    }
    if (!means_all(filter.camp)) {
        out.camp = kNoMatch;
        for (std::size_t c = 0; c < layout.camps.size(); ++c) {
            if (filter.camp == std::to_string(c + 1))
                out.camp = static_cast<int>(c + 1);
        }
    }
    return out;
}

}  // namespace

DealBook::DealBook(const GameWorld& world, std::int64_t last_day, std::size_t games_kept)
    : world_(world), last_day_(last_day), games_kept_(std::max<std::size_t>(1, games_kept)) {}

std::shared_ptr<const GameDeals> DealBook::generate(const Game& game) const {
    auto result = std::make_shared<GameDeals>();
    const auto layout = world_.layout(game);
    if (game.deal_target <= 0)
        return result;
    result->deals.reserve(static_cast<std::size_t>(game.deal_target * 1.05) + 16);
    for (std::size_t a = 0; a < layout->areas.size(); ++a) {
        for (std::size_t s = 0; s < layout->areas[a].servers.size(); ++s) {
            for (std::size_t t = 0; t < layout->goods_types.size(); ++t) {
                const double expected =
                    game.deal_target * leaf_share(*layout, static_cast<int>(a), static_cast<int>(s),
                                                  static_cast<int>(t));
                Random rng(key_of({world_.seed(), hash_text("deals"),
                                   static_cast<std::uint64_t>(game.index), a, s, t}));
                const double whole = std::floor(expected);
                const int count = static_cast<int>(whole) + (rng.unit() < expected - whole ? 1 : 0);
                for (int j = 0; j < count; ++j) {
                    Deal deal;
                    const int days_back = static_cast<int>(kDaysKept * std::pow(rng.unit(), 1.25));
                    const int second_of_day = draw_hour(rng) * 3600 + rng.between(0, 3599);
                    deal.time = (last_day_ - days_back) * 86400 + second_of_day;
                    deal.seed = rng.next();
                    deal.area = static_cast<std::uint16_t>(a);
                    deal.server = static_cast<std::uint16_t>(s);
                    deal.type = static_cast<std::uint8_t>(t);
                    deal.camp =
                        layout->camps.empty()
                            ? 0
                            : static_cast<std::uint8_t>(1 + rng.below(layout->camps.size()));
                    result->deals.push_back(deal);
                }
            }
        }
    }
    std::sort(result->deals.begin(), result->deals.end(), [](const Deal& x, const Deal& y) {
        return x.time != y.time ? x.time > y.time : x.seed > y.seed;
    });
    return result;
}

std::shared_ptr<const GameDeals> DealBook::deals_of(const Game& game) const {
    {
        std::lock_guard lock(mutex_);
        const auto found = cache_.find(game.index);
        if (found != cache_.end()) {
            recent_.splice(recent_.begin(), recent_, found->second.second);
            return found->second.first;
        }
    }
    auto built = generate(game);
    std::lock_guard lock(mutex_);
    const auto found = cache_.find(game.index);
    if (found != cache_.end())
        return found->second.first;
    recent_.push_front(game.index);
    cache_.emplace(game.index, std::make_pair(built, recent_.begin()));
    while (cache_.size() > games_kept_) {
        cache_.erase(recent_.back());
        recent_.pop_back();
    }
    return built;
}

DealSlice DealBook::slice(const Game& game, const DealFilter& filter, int first, int count) const {
    DealSlice slice;
    const ResolvedFilter resolved = resolve(*world_.layout(game), filter);
    if (resolved.impossible())
        return slice;
    slice.keep = deals_of(game);
    for (const Deal& deal : slice.keep->deals) {
        if (!resolved.passes(deal))
            continue;
        if (slice.total >= first && slice.total - first < count)
            slice.rows.push_back(&deal);
        ++slice.total;
    }
    return slice;
}

std::string DealBook::order_number(const Deal& deal) {
    const CalendarDate date = date_of_day(deal.time / 86400);
    char text[40];
    std::snprintf(text, sizeof text, "%04d%02d%02d%010llu", date.year, date.month, date.day,
                  static_cast<unsigned long long>(deal.seed % 10000000000ULL));
    return text;
}

const Deal* DealBook::find_order(const Game& game, std::string_view order,
                                 std::shared_ptr<const GameDeals>& keep) const {
    keep = deals_of(game);
    if (order.size() != 18)
        return nullptr;
    std::uint64_t tail = 0;
    for (char c : order.substr(8)) {
        if (c < '0' || c > '9')
            return nullptr;
        tail = tail * 10 + static_cast<std::uint64_t>(c - '0');
    }
    for (const Deal& deal : keep->deals) {
        if (deal.seed % 10000000000ULL == tail && order_number(deal) == order)
            return &deal;
    }
    return nullptr;
}

}  // namespace quvolo::demo
