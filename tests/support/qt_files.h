#pragma once
#include <QString>
#include <cstdint>
#include <string>
#include <vector>

namespace pelmoro {

// The path as the file system spells it.
std::string NativePath(const QString& path);

// A whole file as bytes (none when it cannot be read), and a file written with the bytes
// (a failure fails the test).
std::vector<std::uint8_t> ReadBytes(const QString& path);
void WriteBytes(const QString& path, const std::vector<std::uint8_t>& bytes);

}  // namespace pelmoro
