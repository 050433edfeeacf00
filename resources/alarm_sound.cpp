#include "embedded.h"

extern "C" const char quvolo_alarm_mp3_begin[];
extern "C" const char quvolo_alarm_mp3_end[];

namespace quvolo {

std::string_view alarm_sound() {
    return {quvolo_alarm_mp3_begin,
            static_cast<std::size_t>(quvolo_alarm_mp3_end - quvolo_alarm_mp3_begin)};
}

}  // namespace quvolo
