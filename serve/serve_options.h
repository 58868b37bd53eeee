#pragma once
// The command line of pelmoro-serve.
#include <string>
#include <vector>

#include "serve/face_service.h"

namespace pelmoro {

enum class ServeCommand { Serve, Help, Version };

struct ServeOptions {
  ServeCommand command = ServeCommand::Serve;
  ServiceSettings settings;
  std::string error;  // what is wrong with the command line; empty when nothing is
};

// Reads the arguments that follow the program name; `cores` is the default --threads.
ServeOptions ParseServeArguments(const std::vector<std::string>& arguments, unsigned cores);

// The text --help prints.
std::string ServeUsageText();

}  // namespace pelmoro
