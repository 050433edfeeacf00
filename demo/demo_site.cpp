#include "demo/demo_site.h"

#include "demo/catalogue_pages.h"
#include "demo/deal_pages.h"
#include "demo/offer_list.h"
#include "demo/portal_pages.h"
#include "demo/publisher_pages.h"
#include "demo/ranking_pages.h"
#include "demo/search_pages.h"

namespace quvolo::demo {
namespace {

// The marketplace's script paths answer in any letter case, as its server does.
std::string ascii_lower(std::string_view text) {
    std::string out(text);
    for (char& c : out) {
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c + 32);
    }
    return out;
}

}  // namespace

DemoSite::DemoSite(std::unique_ptr<DemoData> data, std::string version_answer)
    : data_(std::move(data)), version_answer_(std::move(version_answer)) {}

PageResponse DemoSite::respond(const PageRequest& request) const {
    const std::string_view path = request.path;
    const std::string lower = ascii_lower(path);
    if (lower == "/ajax.axd")
        return catalogue_service(*data_, request);
    if (lower == "/auction/gamegetbizoffertypehandler.ashx") {
        return goods_type_service(*data_, request);
    }
    if (lower == "/list/viewlastestdeallist.aspx")
        return deal_list_page(*data_, request);
    if (path.starts_with("/detail/"))
        return deal_detail_page(*data_, request);
    if (path.starts_with("/search/"))
        return search_page(*data_, request);
    if (path.starts_with("/buy/"))
        return offer_detail_page(*data_, request);
    if (path.starts_with("/ntgame/"))
        return ranking_page(*data_, request);
    if (path == "/testing-list.html")
        return test_list_page(*data_, request);
    if (path.starts_with("/game/") || path.starts_with("/sche/") || path.starts_with("/company/")) {
        return portal_page(*data_, request);
    }
    return publisher_page(*data_, request, version_answer());
}

void DemoSite::set_version_answer(std::string answer) {
    std::lock_guard lock(version_mutex_);
    version_answer_ = std::move(answer);
}

std::string DemoSite::version_answer() const {
    std::lock_guard lock(version_mutex_);
    return version_answer_;
}

}  // namespace quvolo::demo
