#pragma once

#include <algorithm>
#include <cstddef>
#include <tuple>
#include <utility>
#include <vector>

namespace quvolo {

// A sequence that reads and inserts by position in logarithmic time plus a short move: the
// elements live in blocks of bounded length, and the first position of every block is kept,
// so a position is found by bisecting the block starts.
template <class T>
class RankedSequence {
  public:
    std::size_t size() const { return size_; }

    const T& at(std::size_t position) const {
        const auto [block, offset] = locate(position);
        return blocks_[block][offset];
    }
    const T& front() const { return blocks_.front().front(); }
    const T& back() const { return blocks_.back().back(); }

    // Inserts before the element now at position; position == size() appends.
    void insert(std::size_t position, T value) {
        if (blocks_.empty()) {
            blocks_.emplace_back();
            starts_.push_back(0);
        }
        std::size_t block = blocks_.size() - 1;
        std::size_t offset = position - starts_[block];
        if (position < size_) {
            std::tie(block, offset) = locate(position);
        }
        auto& items = blocks_[block];
        items.insert(items.begin() + static_cast<std::ptrdiff_t>(offset), std::move(value));
        for (std::size_t later = block + 1; later < starts_.size(); ++later) {
            ++starts_[later];
        }
        ++size_;
        if (items.size() > kBlockLimit) {
            split(block);
        }
    }

    template <class Visit>
    void for_each(Visit&& visit) const {
        for (const auto& items : blocks_) {
            for (const T& item : items) {
                visit(item);
            }
        }
    }

  private:
    static constexpr std::size_t kBlockLimit = 1024;

    std::pair<std::size_t, std::size_t> locate(std::size_t position) const {
        const auto after = std::upper_bound(starts_.begin(), starts_.end(), position);
        const auto block = static_cast<std::size_t>(after - starts_.begin()) - 1;
        return {block, position - starts_[block]};
    }

    void split(std::size_t block) {
        auto& items = blocks_[block];
        const std::size_t half = items.size() / 2;
        std::vector<T> upper(
            std::make_move_iterator(items.begin() + static_cast<std::ptrdiff_t>(half)),
            std::make_move_iterator(items.end()));
        items.resize(half);
        const std::size_t upper_start = starts_[block] + half;
        blocks_.insert(blocks_.begin() + static_cast<std::ptrdiff_t>(block) + 1, std::move(upper));
        starts_.insert(starts_.begin() + static_cast<std::ptrdiff_t>(block) + 1, upper_start);
    }

    std::vector<std::vector<T>> blocks_;
    std::vector<std::size_t> starts_;
    std::size_t size_ = 0;
};

}  // namespace quvolo
