#include "embedded.h"

extern "C" const char quvolo_updater_begin[];
extern "C" const char quvolo_updater_end[];

namespace quvolo {

std::string_view updater_program() {
    return {quvolo_updater_begin,
            static_cast<std::size_t>(quvolo_updater_end - quvolo_updater_begin)};
}

}  // namespace quvolo
