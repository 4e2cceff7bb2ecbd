#pragma once
// The parts of an absolute http or https URL that a request needs. A URL
// without a scheme is taken as http.

#include <string>
#include <string_view>

// The host, lower-cased, with or without its ":port".
std::string urlHost(std::string_view url, bool keepPort);
// The port: explicit, else 443 for https and 80 otherwise.
int urlPort(std::string_view url);
// The object path with its query string, in the URL's own letter case; "/"
// when there is none.
std::string urlPath(std::string_view url);
// True when the URL starts with "https://" in any letter case.
bool isSecureUrl(std::string_view url);
