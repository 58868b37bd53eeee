#include "model/document.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "model/message_text.h"
#include "model/path_io.h"
#include "model/safe_file.h"

namespace pelmoro {

namespace {

constexpr std::int32_t kFormatWord = 1000;

void PutWord(std::uint8_t* out, std::uint32_t value) {
  for (int i = 0; i < 4; ++i) out[i] = static_cast<std::uint8_t>(value >> (8 * i));
}

std::uint32_t GetWord(const std::uint8_t* in) {
  return static_cast<std::uint32_t>(in[0]) | static_cast<std::uint32_t>(in[1]) << 8 |
         static_cast<std::uint32_t>(in[2]) << 16 | static_cast<std::uint32_t>(in[3]) << 24;
}

// Reads the document word by word and stops at the first word the data does not hold
// completely, like an archive that reaches the end of its file.
class WordReader {
 public:
  WordReader(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
  bool Next(std::uint32_t* value) {
    if (offset_ + 4 > size_) return false;
    *value = GetWord(data_ + offset_);
    offset_ += 4;
    return true;
  }

 private:
  const std::uint8_t* data_;
  std::size_t size_;
  std::size_t offset_ = 0;
};

// The face part: format word and 25 parameters. A parameter out of range is kept and
// fails the load; an early end fails it and leaves the fields not reached as they were.
bool ReadFacePart(WordReader& reader, CFace& face, LoadReport& report) {
  face.loadFailed = false;
  std::uint32_t word = 0;
  if (!reader.Next(&word)) return false;
  face.formatVersion = static_cast<std::int32_t>(word);
  for (int i = 0; i < CFace::kParameterCount; ++i) {
    if (!reader.Next(&word)) return false;
    const std::int32_t value = static_cast<std::int32_t>(word);
    face.DocumentParameter(i) = value;
    if (value < 0 || value > CFace::DocumentParameterMax(i)) {
      face.loadFailed = true;
      if (report.badField < 0) {
        report.badField = i;
        report.badValue = value;
      }
    }
  }
  return true;
}

bool ReadFillPart(WordReader& reader, FillSettings& fill) {
  std::uint32_t word = 0;
  if (!reader.Next(&word)) return false;
  fill.m_nFillType = word != 0 ? FillGradient : FillSolid;
  Color* colors[] = {&fill.m_crBackground, &fill.m_crGradientFrom, &fill.m_crGradientTo};
  for (Color* color : colors) {
    if (!reader.Next(&word)) return false;
    *color = word;
  }
  std::int32_t* flags[] = {&fill.m_bVertical, &fill.m_bHorizontal, &fill.m_bForwardDiagonal, &fill.m_bBackwardDiagonal};
  for (std::int32_t* flag : flags) {
    if (!reader.Next(&word)) return false;
    *flag = static_cast<std::int32_t>(word);
  }
  return true;
}

Status OpenError(const std::string& path, const std::string& reason) {
  return Status::Error("Cannot open " + QuotedName(path) + ": " + reason);
}

Status ReadError(const std::string& path, int error) {
  return Status::Error("Cannot read " + QuotedName(path) + ": " + std::strerror(error));
}

// Reads up to `size` bytes, fewer only where the file ends; -1 with errno on a read error.
ssize_t ReadUpTo(int fd, std::uint8_t* buffer, std::size_t size) {
  std::size_t done = 0;
  while (done < size) {
    const ssize_t got = read(fd, buffer + done, size - done);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) return -1;
    if (got == 0) break;
    done += static_cast<std::size_t>(got);
  }
  return static_cast<ssize_t>(done);
}

}  // namespace

std::string LoadReport::Describe() const {
  if (badField >= 0) {
    return std::string(CFace::DocumentParameterName(badField)) + " is " + std::to_string(badValue) + ", outside 0 to " +
           std::to_string(CFace::DocumentParameterMax(badField));
  }
  if (LoadError())
    return "the file ends after " + std::to_string(bytesRead) + " of " + std::to_string(kDocumentSize) + " bytes";
  return {};
}

std::array<std::uint8_t, kDocumentSize> EncodeDocument(const CFace& face, const FillSettings& fill) {
  std::array<std::uint8_t, kDocumentSize> bytes{};
  std::uint8_t* out = bytes.data();
  auto put = [&out](std::uint32_t value) {
    PutWord(out, value);
    out += 4;
  };
  put(kFormatWord);
  CFace copy = face;
  for (int i = 0; i < CFace::kParameterCount; ++i) put(static_cast<std::uint32_t>(copy.DocumentParameter(i)));
  put(fill.m_nFillType != 0 ? 1 : 0);
  put(fill.m_crBackground);
  put(fill.m_crGradientFrom);
  put(fill.m_crGradientTo);
  put(static_cast<std::uint32_t>(fill.m_bVertical));
  put(static_cast<std::uint32_t>(fill.m_bHorizontal));
  put(static_cast<std::uint32_t>(fill.m_bForwardDiagonal));
  put(static_cast<std::uint32_t>(fill.m_bBackwardDiagonal));
  return bytes;
}

LoadReport DecodeDocument(const std::uint8_t* data, std::size_t size, CFace& face, FillSettings& fill) {
  LoadReport report;
  report.bytesRead = size < kDocumentSize ? size : kDocumentSize;
  report.endedEarly = size < kDocumentSize;
  WordReader reader(data, report.bytesRead);
  if (!ReadFacePart(reader, face, report)) {
    // The archive is at its end: the fill part cannot be read either.
    face.loadFailed = true;
    report.faceFailed = true;
    report.fillFailed = true;
    return report;
  }
  report.faceFailed = face.loadFailed;
  report.fillFailed = !ReadFillPart(reader, fill);
  return report;
}

Status SaveDocument(const std::string& path, const CFace& face, const FillSettings& fill) {
  const auto bytes = EncodeDocument(face, fill);
  return WriteFileAtomically(path, bytes.data(), bytes.size());
}

Status LoadDocument(const std::string& path, CFace& face, FillSettings& fill, LoadReport& report) {
  int error = 0;
  const int fd = OpenForReading(path, &error);
  if (fd < 0) return OpenError(path, std::strerror(error));
  struct stat info {};
  if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
    const bool folder = S_ISDIR(info.st_mode);
    close(fd);
    return OpenError(path, folder ? std::strerror(EISDIR) : "not a regular file");
  }
  const Status read = ReadDocument(fd, path, face, fill, report);
  close(fd);
  return read;
}

Status ReadDocument(int fd, const std::string& name, CFace& face, FillSettings& fill, LoadReport& report) {
  // Only the first 136 bytes matter; a longer stream is not read further. A read error is
  // reported as such and changes nothing; only the end of the stream makes a short document.
  std::uint8_t buffer[kDocumentSize];
  const ssize_t size = ReadUpTo(fd, buffer, kDocumentSize);
  if (size < 0) return ReadError(name, errno);
  report = DecodeDocument(buffer, static_cast<std::size_t>(size), face, fill);
  return Status::Ok();
}

}  // namespace pelmoro
