#include "embedded.h"

QUVOLO_EMBEDDED_FILE(quvolo_alarm_mp3, alarm_sound)
