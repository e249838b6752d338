#pragma once

#include "calc/stock.h"

#include <QHash>
#include <vector>

// The saved stocks: a keyed list from a stock's ID to the shared Stock,
// iterated in the order the entries were added. Lookup, addition and removal
// by ID take constant time; removing entries while iterating is safe.
class StockCollection {
  public:
    struct Entry {
        qint32 id = 0;
        StockPtr stock; // empty for a removed entry, which iteration skips
    };

    class const_iterator {
      public:
        using value_type = Entry;
        using difference_type = std::ptrdiff_t;
        using pointer = const Entry*;
        using reference = const Entry&;
        using iterator_category = std::forward_iterator_tag;

        const_iterator() = default;
        const_iterator(const Entry* at, const Entry* end) : at_(at), end_(end) { skipRemoved(); }
        reference operator*() const { return *at_; }
        pointer operator->() const { return at_; }
        const_iterator& operator++() {
            ++at_;
            skipRemoved();
            return *this;
        }
        const_iterator operator++(int) {
            const_iterator before = *this;
            ++*this;
            return before;
        }
        bool operator==(const const_iterator& other) const { return at_ == other.at_; }

      private:
        void skipRemoved() {
            while (at_ != end_ && !at_->stock)
                ++at_;
        }
        const Entry* at_ = nullptr;
        const Entry* end_ = nullptr;
    };

    int Count() const { return int(index_.size()); }
    bool Contains(qint32 id) const { return index_.contains(id); }
    // The stock saved under `id`, or nothing.
    StockPtr Find(qint32 id) const;
    // The stock saved under `id`; raises Invalid procedure call (5) when there is none.
    StockPtr Item(qint32 id) const;
    // Raises error 457 when `id` is already in the list.
    void Add(qint32 id, StockPtr stock);
    // Raises Invalid procedure call (5) when `id` is not in the list.
    void Remove(qint32 id);
    void Clear();
    void Reserve(int count);

    const_iterator begin() const { return {entries_.data(), entries_.data() + entries_.size()}; }
    const_iterator end() const {
        const Entry* last = entries_.data() + entries_.size();
        return {last, last};
    }

  private:
    void compact();

    std::vector<Entry> entries_;
    QHash<qint32, qsizetype> index_;
};
