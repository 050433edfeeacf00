#include "selection/list_pair_fill.h"

#include "text/split.h"
#include "text/text_between.h"

namespace quvolo {

bool fill_list_pair(std::string_view body, const ListPair& pair, const EntryMarkers& markers,
                    WriteTurns& turns, std::uint64_t turn) {
    const auto entries = split_text(body, "}");
    const bool emptied = turns.write(turn, [&] {
        pair.shown.clear();
        pair.hidden.clear();
    });
    if (!emptied) {
        return false;
    }
    for (const std::string& entry : entries) {
        const bool written = turns.write(turn, [&] {
            pair.shown.append(text_between(entry, markers.name_left, markers.name_right));
            pair.hidden.append(text_between(entry, markers.id_left, markers.id_right));
        });
        if (!written) {
            return false;
        }
    }
    return true;
}

}  // namespace quvolo
