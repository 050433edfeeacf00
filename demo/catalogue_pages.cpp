#include "demo/catalogue_pages.h"

namespace quvolo::demo {
namespace {

// Callback names are echoed; anything but a plain identifier list is dropped.
std::string callback_name(const PageRequest& request) {
    std::string name = request.joined_param("jsoncallback");
    for (char c : name) {
        const bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
                           (c >= '0' && c <= '9') || c == '_' || c == ',' || c == '.' || c == '$';
        if (!plain)
            return "callback";
    }
    return name;
}

std::string all_games(const GameWorld& world) {
    std::string out;
    out.reserve(world.games().size() * 40 + 1024);
    bool first_group = true;
    std::size_t next = 0;
    const auto& order = world.catalogue_order();
    for (const std::string& group : world.group_names()) {
        if (!first_group)
            out += ',';
        first_group = false;
        out += "{name:'" + group + "',list:[";
        bool first_game = true;
        for (; next < order.size() && order[next]->group == group; ++next) {
            if (!first_game)
                out += ',';
            first_game = false;
            out += "{id:'" + order[next]->id + "',name:'" + order[next]->name + "'}";
        }
        out += "]}";
    }
    // Web games have a group of their own on the site, kept empty in this list.
    out += ",{name:'WEBG',list:[]}";
    return out;
}

template <class Items>
std::string id_name_list(const Items& items) {
    std::string out;
    for (const auto& item : items) {
        if (!out.empty())
            out += ',';
        out += "{id:'" + item.id + "',name:'" + item.name + "'}";
    }
    return out;
}

}  // namespace

PageResponse catalogue_service(const DemoData& data, const PageRequest& request) {
    const std::string method = request.param("methodName");
    std::string list;
    if (method == "GETALLGAMESDATAv31") {
        list = all_games(data.world);
    } else if (method == "gamesV31") {
        const std::string kind = request.param("gameType");
        const std::string id = request.param("id");
        if (kind == "GameAreas") {
            if (const Game* game = data.world.find_game(id)) {
                list = id_name_list(data.world.layout(*game)->areas);
            }
        } else if (kind == "GameServers") {
            if (const auto area = data.world.find_area(id)) {
                list = id_name_list(data.world.layout(*area->game)->areas[area->area].servers);
            }
        }
    }
    return page_ok(kGbkScript, callback_name(request) + "([" + list + "])");
}

PageResponse goods_type_service(const DemoData& data, const PageRequest& request) {
    std::string list;
    if (const Game* game = data.world.find_game(request.param("gm"))) {
        for (int index : data.world.layout(*game)->goods_types) {
            const GoodsType& type = goods_type_table()[index];
            if (!list.empty())
                list += ',';
            list += "{\"id\":\"" + type.id + "\",\"name\":\"" + type.name + "\"}";
        }
    }
    return page_ok(kGbkScript, callback_name(request) + "([" + list + "])");
}

}  // namespace quvolo::demo
