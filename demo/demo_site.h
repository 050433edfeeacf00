#pragma once

#include <memory>
#include <mutex>
#include <string>

#include "demo/demo_data.h"
#include "demo/page_types.h"

namespace quvolo::demo {

// Every page of every host the demo stands in for, without the network: one request in,
// one page out. Paths of the different hosts never collide, so one site answers them all.
class DemoSite {
  public:
    explicit DemoSite(std::unique_ptr<DemoData> data, std::string version_answer);

    PageResponse respond(const PageRequest& request) const;

    void set_version_answer(std::string answer);
    std::string version_answer() const;
    const DemoData& data() const { return *data_; }

  private:
    std::unique_ptr<DemoData> data_;
    mutable std::mutex version_mutex_;
    std::string version_answer_;
};

}  // namespace quvolo::demo
