#pragma once
// Serving a file with byte ranges, validators and injected faults.

#include "scenario.h"

#include <httplib.h>

void serveFile(const httplib::Request& request, httplib::Response& response, const FileEntry& file);
