#pragma once

#include <cstdint>
#include <initializer_list>
#include <string_view>
#include <vector>

namespace quvolo::demo {

// Own small generators instead of <random> distributions: their output differs between
// standard libraries, and the demo must give the same bytes everywhere for one seed.

inline constexpr std::uint64_t mix64(std::uint64_t z) {
    z += 0x9E3779B97F4A7C15ULL;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

inline constexpr std::uint64_t hash_text(std::string_view text) {
    std::uint64_t h = 0xCBF29CE484222325ULL;
    for (unsigned char c : text) {
        h = (h ^ c) * 0x100000001B3ULL;
    }
    return mix64(h);
}

// One key from several parts, order counting: key({seed, game, area}).
inline constexpr std::uint64_t key_of(std::initializer_list<std::uint64_t> parts) {
    std::uint64_t h = 0x2545F4914F6CDD1DULL;
    for (std::uint64_t part : parts) {
        h = mix64(h ^ mix64(part));
    }
    return h;
}

class Random {
  public:
    explicit constexpr Random(std::uint64_t seed) : state_(seed) {}

    constexpr std::uint64_t next() {
        state_ += 0x9E3779B97F4A7C15ULL;
        return mix64(state_);
    }
    // 0 .. bound-1; bound 0 gives 0.
    constexpr std::uint64_t below(std::uint64_t bound) {
        return bound == 0 ? 0
                          : static_cast<std::uint64_t>(
                                (static_cast<unsigned __int128>(next()) * bound) >> 64);
    }
    // lo .. hi inclusive.
    constexpr int between(int lo, int hi) {
        return hi <= lo ? lo
                        : lo + static_cast<int>(below(static_cast<std::uint64_t>(hi - lo) + 1));
    }
    // [0, 1)
    constexpr double unit() { return static_cast<double>(next() >> 11) * 0x1.0p-53; }
    constexpr double between_real(double lo, double hi) { return lo + (hi - lo) * unit(); }
    constexpr bool chance(double probability) { return unit() < probability; }

    template <class T>
    const T& pick(const std::vector<T>& items) {
        return items[below(items.size())];
    }
    // Index drawn with the given weights (all >= 0, not all 0).
    std::size_t weighted(const std::vector<double>& weights) {
        double total = 0;
        for (double w : weights)
            total += w;
        double r = unit() * total;
        for (std::size_t i = 0; i < weights.size(); ++i) {
            if (r < weights[i])
                return i;
            r -= weights[i];
        }
        return weights.empty() ? 0 : weights.size() - 1;
    }

  private:
    std::uint64_t state_;
};

}  // namespace quvolo::demo
