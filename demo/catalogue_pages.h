#pragma once

#include "demo/demo_data.h"
#include "demo/page_types.h"

namespace quvolo::demo {

// "/ajax.axd?methodName=GETALLGAMESDATAv31...": every game in groups;
// "/ajax.axd?methodName=gamesV31&gameType=GameAreas|GameServers&id=...": areas or servers.
// The answer is wrapped in the callback that "jsoncallback" names.
PageResponse catalogue_service(const DemoData& data, const PageRequest& request);

// "/auction/GameGetBizOfferTypeHandler.ashx?jsoncallback=..&gm=..": a game's goods types.
// A repeated "jsoncallback" names the callback with all its values joined by commas.
PageResponse goods_type_service(const DemoData& data, const PageRequest& request);

}  // namespace quvolo::demo
