#pragma once

#include <QPixmap>
#include <vector>

namespace quvolo::qt {

// Small pictures of the places 1 to `count`; the first three stand out.
std::vector<QPixmap> rank_badges(int count);

}  // namespace quvolo::qt
