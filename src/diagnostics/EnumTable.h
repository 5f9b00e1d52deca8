// The check every vocabulary table makes at compile time: one record per
// enumerator, each at its enumerator's index (the field "id"), so a table
// is indexed by its enum without a search.
#pragma once

#include <cstddef>
#include <iterator>

namespace tbasic {

template <typename Table>
constexpr bool rowsFollowEnumOrder(const Table& table) {
    for (std::size_t i = 0; i < std::size(table); ++i)
        if (static_cast<std::size_t>(table[i].id) != i) return false;
    return true;
}

}  // namespace tbasic
