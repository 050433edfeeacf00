#pragma once

#include "ui/clock.h"
#include "ui/desktop.h"
#include "ui/pacer.h"
#include "ui/task_runner.h"
#include "ui/web_source.h"

namespace quvolo::ui {

// What a tab's or a window's handlers run their jobs on. A secondary window hands in a task
// runner of its own, so closing it stops its jobs.
struct JobServices {
    WebSource& web;
    Pacer& pacer;
    Clock& clock;
    Desktop& desktop;
    TaskRunner& tasks;
};

}  // namespace quvolo::ui
