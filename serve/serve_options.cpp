#include "serve/serve_options.h"

#include <CLI/CLI.hpp>

#include "model/message_text.h"
#include "model/number_text.h"

namespace pelmoro {

namespace {

constexpr const char* kDescription =
    "pelmoro-serve: an avatar service over HTTP. Every face is a pure function of its URL:\n"
    "  /face/{seed}.{ext}        the random face of a seed (0 to 4294967295)\n"
    "  /face/name/{text}.{ext}   the face of a name, hashed into a seed (FNV-1a)\n"
    "  /healthz                  ok\n"
    "ext: png jpg bmp gif tif webp svg pdf plm. Query parameters: size=WIDTH (56 to\n"
    "3584), transparent=1, pose=E,M,B, animation=SECONDS (1 to 30, gif and webp) and\n"
    "any face parameter by name (glasses=2).";

constexpr std::int64_t kMaxThreads = 256;
constexpr std::int64_t kMaxConnections = 4096;
constexpr std::int64_t kMaxCacheMb = 65536;
constexpr std::int64_t kMaxRequestSeconds = 3600;

// "ADDRESS:PORT", the address in brackets when it is IPv6 ("[::1]:8080").
std::string ReadListen(const std::string& text, ServiceSettings& settings) {
  const std::size_t colon = text.rfind(':');
  const std::string problem = "--listen " + QuotedName(text) + " is not ADDRESS:PORT (127.0.0.1:8080, [::1]:8080)";
  if (colon == std::string::npos || colon == 0) return problem;
  std::string host = text.substr(0, colon);
  if (host.front() == '[') {
    if (host.size() < 3 || host.back() != ']') return problem;
    host = host.substr(1, host.size() - 2);
  }
  const auto port = ParseInteger(std::string_view(text).substr(colon + 1), 0, 65535);
  if (!port || text[colon + 1] == '-') return problem;
  settings.host = host;
  settings.port = static_cast<int>(*port);
  return {};
}

std::string ReadCount(const std::string& option, const std::string& text, std::int64_t max, std::int64_t& value) {
  const auto number = ParseInteger(text, 1, max);
  if (!number || text.front() == '-')
    return option + " " + QuotedName(text) + " is not a number from 1 to " + std::to_string(max);
  value = *number;
  return {};
}

struct CommandLine {
  CLI::App app{kDescription, "pelmoro-serve"};
  std::string listen = "127.0.0.1:8080", threads, connections = "128", cacheMb = "64", requestTimeout = "10";
  bool accessLog = false, help = false, version = false;

  CommandLine() {
    app.set_help_flag();
    app.add_option(
           "--listen", listen,
           "the address and port to serve on (default\n127.0.0.1:8080: this machine only; port 0:\nany free port)")
        ->type_name("ADDR:PORT");
    app.add_option("--threads", threads, "faces drawn at once (default: one per core)")->type_name("N");
    app.add_option("--connections", connections, "connections served at once (default 128); more wait")->type_name("N");
    app.add_option("--cache-mb", cacheMb, "memory for answers kept, least recently used out\nfirst (default 64)")
        ->type_name("MB");
    app.add_option("--request-timeout", requestTimeout,
                   "seconds a client has to send each request; slower\nclients are dropped (default 10)")
        ->type_name("S");
    app.add_flag("--access-log", accessLog, "one common-log-format line per request on\nstandard error");
    app.add_flag("-h,--help", help, "show this text");
    app.add_flag("--version", version, "show the version");
  }
};

}  // namespace

ServeOptions ParseServeArguments(const std::vector<std::string>& arguments, unsigned cores) {
  ServeOptions options;
  CommandLine line;
  std::vector<std::string> reversed(arguments.rbegin(), arguments.rend());
  try {
    line.app.parse(reversed);
  } catch (const CLI::ParseError& error) {
    options.error = EscapeControlBytes(error.what());
    return options;
  }
  if (line.help) options.command = ServeCommand::Help;
  if (line.version) options.command = ServeCommand::Version;
  if (options.command != ServeCommand::Serve) return options;
  ServiceSettings& settings = options.settings;
  std::int64_t threads = std::max(1u, cores), connections = 0, cacheMb = 0, requestSeconds = 0;
  options.error = ReadListen(line.listen, settings);
  if (options.error.empty() && !line.threads.empty())
    options.error = ReadCount("--threads", line.threads, kMaxThreads, threads);
  if (options.error.empty()) options.error = ReadCount("--connections", line.connections, kMaxConnections, connections);
  if (options.error.empty()) options.error = ReadCount("--cache-mb", line.cacheMb, kMaxCacheMb, cacheMb);
  if (options.error.empty())
    options.error = ReadCount("--request-timeout", line.requestTimeout, kMaxRequestSeconds, requestSeconds);
  settings.requestSeconds = static_cast<int>(requestSeconds);
  settings.drawingThreads = static_cast<unsigned>(threads);
  settings.connectionThreads = static_cast<unsigned>(connections);
  settings.cacheBytes = static_cast<std::size_t>(cacheMb) << 20;
  settings.accessLog = line.accessLog;
  return options;
}

std::string ServeUsageText() {
  CommandLine line;
  return line.app.help();
}

}  // namespace pelmoro
