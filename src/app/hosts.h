#pragma once

#include <string>

namespace quvolo {

// Base addresses ("http://host:port", no trailing slash) of the services the program reads.
struct Hosts {
    std::string catalogue;
    std::string trading;
    std::string search;
    std::string ranking;
    std::string portal;
    std::string portal_gift;
    std::string publisher;
};

// The host name of a base address: "http://www.example.com:8080" gives "www.example.com".
std::string host_name_of(const std::string& base_address);

// Every host at one address: the demo marketplace answers them all.
Hosts hosts_all_at(const std::string& base_address);

}  // namespace quvolo
