#pragma once

#include <cstdint>
#include <string_view>

#include "selection/deal_choice_lists.h"
#include "selection/write_turns.h"

namespace quvolo {

// Where one entry of a service's answer holds its shown name and its identifier.
struct EntryMarkers {
    std::string_view name_left, name_right;
    std::string_view id_left, id_right;
};

// Areas and servers: keys without quotes, values in single quotes, a comma before the name.
inline constexpr EntryMarkers kCatalogueEntryMarkers{",name:'", "'", "id:'", "'"};
// Goods types: keys and values in double quotes.
inline constexpr EntryMarkers kGoodsTypeEntryMarkers{"name\":\"", "\"", "id\":\"", "\""};

// Empties the pair and appends one name and one identifier per entry of body (the entries end
// with "}"), in order. An entry that lacks a marker adds an empty item, so the two lists keep
// the same length. Returns false, having stopped, once turn is no longer the newest.
bool fill_list_pair(std::string_view body, const ListPair& pair, const EntryMarkers& markers,
                    WriteTurns& turns, std::uint64_t turn);

}  // namespace quvolo
