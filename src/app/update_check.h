#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

#include "app/hosts.h"
#include "ui/desktop.h"

namespace quvolo {

// What the check does with the version service's answer; report_latest is true when the user
// pressed the button (then an up-to-date or failed check is reported too). start_update runs
// when the user agrees to update; when it fails the user is told.
void handle_version_answer(std::string_view answer, bool report_latest, ui::Desktop& desktop,
                           const std::function<bool()>& start_update);

}  // namespace quvolo
