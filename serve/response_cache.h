#pragma once
// The encoded answers to recent requests, by canonical request, bounded in bytes: when a
// new answer does not fit, the least recently used ones make room. Safe to share between
// threads.
#include <cstddef>
#include <list>
#include <memory>
#include <mutex>
#include <string>
#include <unordered_map>

namespace pelmoro {

class ResponseCache {
 public:
  using Body = std::shared_ptr<const std::string>;

  explicit ResponseCache(std::size_t capacityBytes) : capacity_(capacityBytes) {}

  // The answer kept for `key`, now the most recently used; null when there is none.
  Body Find(const std::string& key);
  // Keeps `body` for `key` unless it alone is larger than the whole cache.
  void Insert(const std::string& key, Body body);
  // What the kept answers and their keys take.
  std::size_t bytes() const;

 private:
  struct Entry {
    std::string key;
    Body body;
  };
  static std::size_t Cost(const std::string& key, const std::string& body) { return key.size() + body.size(); }
  void EvictFor(std::size_t cost);

  const std::size_t capacity_;
  std::size_t bytes_ = 0;
  std::list<Entry> recent_;  // most recently used first
  std::unordered_map<std::string, std::list<Entry>::iterator> index_;
  mutable std::mutex mutex_;
};

}  // namespace pelmoro
