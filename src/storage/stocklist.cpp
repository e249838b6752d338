#include "storage/stocklist.h"

#include "platform/errors.h"

namespace {
constexpr int kKeyAlreadyAssociated = 457;

[[noreturn]] void raiseNoSuchKey() {
    RaiseError(ErrorNumbers::InvalidProcedureCall,
               QStringLiteral("Invalid procedure call or argument"));
}
} // namespace

StockPtr StockCollection::Find(qint32 id) const {
    const auto found = index_.constFind(id);
    return found == index_.cend() ? StockPtr() : entries_[found.value()].stock;
}

StockPtr StockCollection::Item(qint32 id) const {
    const auto found = index_.constFind(id);
    if (found == index_.cend())
        raiseNoSuchKey();
    return entries_[found.value()].stock;
}

void StockCollection::Add(qint32 id, StockPtr stock) {
    if (index_.contains(id))
        RaiseError(
            kKeyAlreadyAssociated,
            QStringLiteral("This key is already associated with an element of this collection"));
    if (!stock)
        RaiseError(ErrorNumbers::ObjectRequired, QStringLiteral("Object required"));
    // Removed entries are dropped only here, never while a caller may be
    // iterating and removing.
    if (entries_.size() >= 64 && entries_.size() > 2 * std::size_t(index_.size()))
        compact();
    index_.insert(id, qsizetype(entries_.size()));
    entries_.push_back({id, std::move(stock)});
}

void StockCollection::Remove(qint32 id) {
    const auto found = index_.constFind(id);
    if (found == index_.cend())
        raiseNoSuchKey();
    entries_[found.value()].stock.reset();
    index_.erase(found);
}

void StockCollection::Clear() {
    entries_.clear();
    index_.clear();
}

void StockCollection::Reserve(int count) {
    entries_.reserve(std::size_t(count));
    index_.reserve(count);
}

void StockCollection::compact() {
    std::vector<Entry> kept;
    kept.reserve(index_.size());
    for (Entry& entry : entries_) {
        if (!entry.stock)
            continue;
        index_[entry.id] = qsizetype(kept.size());
        kept.push_back(std::move(entry));
    }
    entries_ = std::move(kept);
}
