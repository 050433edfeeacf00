#include "embedded.h"

QUVOLO_EMBEDDED_FILE(quvolo_updater, updater_program)
