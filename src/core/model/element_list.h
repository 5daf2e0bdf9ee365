#pragma once

#include <cassert>
#include <memory>
#include <vector>

namespace karumoa::model {

// An ordered list of shared records with 1-based positions. Records are
// appended at the end; removing position p moves every later record one
// position down. The records are shared: changing a record fetched from the
// list changes the room.
template <class T>
class ElementList {
public:
    using Ptr = std::shared_ptr<T>;

    int Count() const { return static_cast<int>(items_.size()); }
    bool empty() const { return items_.empty(); }

    // Record at 1-based position p (1 <= p <= Count()).
    const Ptr& Item(int p) const {
        assert(p >= 1 && p <= Count());
        return items_[static_cast<std::size_t>(p - 1)];
    }

    void Add(Ptr record) { items_.push_back(std::move(record)); }

    // Removes position p; positions outside 1..Count() are ignored.
    void Remove(int p) {
        if (p >= 1 && p <= Count()) {
            items_.erase(items_.begin() + (p - 1));
        }
    }

    void Clear() { items_.clear(); }

    auto begin() const { return items_.begin(); }
    auto end() const { return items_.end(); }

    // Equal when both hold equal records in the same order.
    bool operator==(const ElementList& other) const {
        if (items_.size() != other.items_.size()) {
            return false;
        }
        for (std::size_t i = 0; i < items_.size(); ++i) {
            if (!(*items_[i] == *other.items_[i])) {
                return false;
            }
        }
        return true;
    }

private:
    std::vector<Ptr> items_;
};

}  // namespace karumoa::model
