// Test platform server: answers the platform's two endpoints from a scenario
// file, serves files with byte ranges and faults, and records every request.
// Listens on 127.0.0.1 only.
//
// Usage: platform_server --port N --scenario FILE [--cert PEM --key PEM] [--ready FILE]
//
// Control endpoints (not recorded):
//   GET  /_control/requests        the recorded requests as JSON
//   POST /_control/reset           forget them
//   POST /_control/file?path=P     add or replace the file at P (JSON body, as in the scenario)
//   POST /_control/scenario        replace top-level scenario members (JSON body; null removes)
//   POST /_control/restore         read the scenario file again, forgetting every change
#include "file_response.h"
#include "request_log.h"
#include "scenario.h"

#include <httplib.h>

#include <cstdio>
#include <fstream>
#include <iostream>
#include <memory>

namespace {

struct Options {
    int port = 0;
    std::string scenario, cert, key, ready;
};

Options parseOptions(int argc, char** argv)
{
    Options o;
    for (int i = 1; i + 1 < argc; i += 2) {
        std::string name = argv[i], value = argv[i + 1];
        if (name == "--port")
            o.port = std::stoi(value);
        else if (name == "--scenario")
            o.scenario = value;
        else if (name == "--cert")
            o.cert = value;
        else if (name == "--key")
            o.key = value;
        else if (name == "--ready")
            o.ready = value;
        else
            throw std::runtime_error("unknown option " + name);
    }
    if (o.port <= 0 || o.scenario.empty())
        throw std::runtime_error("usage: platform_server --port N --scenario FILE [--cert PEM --key PEM] [--ready FILE]");
    return o;
}

// The raw query string of a request target.
std::string rawQuery(const std::string& target)
{
    size_t q = target.find('?');
    return q == std::string::npos ? std::string() : target.substr(q + 1);
}

}  // namespace

int main(int argc, char** argv)
try {
    Options options = parseOptions(argc, argv);
    bool https = !options.cert.empty();
    std::string base = std::string(https ? "https" : "http") + "://127.0.0.1:" + std::to_string(options.port);
    Scenario scenario(options.scenario, base);
    RequestLog log;

    std::unique_ptr<httplib::Server> server;
    if (https)
        server = std::make_unique<httplib::SSLServer>(options.cert.c_str(), options.key.c_str());
    else
        server = std::make_unique<httplib::Server>();
    if (!server->is_valid())
        throw std::runtime_error("cannot set up the server (certificate?)");

    // Recorded once the body has been read and before the answer is sent, so
    // a test that got its answer finds its request in the log.
    server->set_post_routing_handler([&](const httplib::Request& request, httplib::Response&) {
        if (request.path.rfind("/_control/", 0) != 0)
            log.record(request);
    });
    server->Get("/app_api/getapp_1", [&](const httplib::Request& request, httplib::Response& response) {
        response.set_content(scenario.applicationAnswer(rawQuery(request.target)), "application/json");
    });
    server->Get("/app_api/getLzyUrl", [&](const httplib::Request& request, httplib::Response& response) {
        // The link is everything after "url=", "&" and "?" included: the
        // installer sends it without encoding.
        std::string query = rawQuery(request.target);
        std::string link = query.rfind("url=", 0) == 0 ? query.substr(4) : std::string();
        response.set_content(scenario.shareLinkAnswer(link), "application/json");
    });
    server->Get("/_control/requests", [&](const httplib::Request&, httplib::Response& response) {
        // Bodies are bytes, not always UTF-8.
        response.set_content(log.all().dump(-1, ' ', false, nlohmann::json::error_handler_t::replace),
                             "application/json");
    });
    server->Post("/_control/reset", [&](const httplib::Request&, httplib::Response& response) {
        log.clear();
        response.set_content("ok", "text/plain");
    });
    server->Post("/_control/file", [&](const httplib::Request& request, httplib::Response& response) {
        scenario.setFile(request.get_param_value("path"), nlohmann::json::parse(request.body));
        response.set_content("ok", "text/plain");
    });
    server->Post("/_control/scenario", [&](const httplib::Request& request, httplib::Response& response) {
        scenario.update(nlohmann::json::parse(request.body));
        response.set_content("ok", "text/plain");
    });
    server->Post("/_control/restore", [&](const httplib::Request&, httplib::Response& response) {
        scenario.restore();
        response.set_content("ok", "text/plain");
    });
    auto files = [&](const httplib::Request& request, httplib::Response& response) {
        if (auto file = scenario.file(request.path))
            serveFile(request, response, *file);
        else
            response.status = 404;
    };
    server->Get(".*", files);
    server->Post(".*", files);

    if (!server->bind_to_port("127.0.0.1", options.port))
        throw std::runtime_error("cannot listen on 127.0.0.1:" + std::to_string(options.port));
    if (!options.ready.empty())
        std::ofstream(options.ready) << base << "\n";
    std::cout << "platform_server listening on " << base << std::endl;
    server->listen_after_bind();
    return 0;
} catch (const std::exception& e) {
    std::cerr << "platform_server: " << e.what() << "\n";
    return 1;
}
