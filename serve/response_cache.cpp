#include "serve/response_cache.h"

namespace pelmoro {

ResponseCache::Body ResponseCache::Find(const std::string& key) {
  const std::lock_guard lock(mutex_);
  const auto found = index_.find(key);
  if (found == index_.end()) return nullptr;
  recent_.splice(recent_.begin(), recent_, found->second);
  return found->second->body;
}

void ResponseCache::Insert(const std::string& key, Body body) {
  if (!body) return;
  const std::size_t cost = Cost(key, *body);
  if (cost > capacity_) return;
  const std::lock_guard lock(mutex_);
  if (const auto found = index_.find(key); found != index_.end()) {
    bytes_ -= Cost(key, *found->second->body);
    recent_.erase(found->second);
    index_.erase(found);
  }
  EvictFor(cost);
  recent_.push_front({key, std::move(body)});
  index_.emplace(key, recent_.begin());
  bytes_ += cost;
}

std::size_t ResponseCache::bytes() const {
  const std::lock_guard lock(mutex_);
  return bytes_;
}

void ResponseCache::EvictFor(std::size_t cost) {
  while (!recent_.empty() && bytes_ + cost > capacity_) {
    const Entry& oldest = recent_.back();
    bytes_ -= Cost(oldest.key, *oldest.body);
    index_.erase(oldest.key);
    recent_.pop_back();
  }
}

}  // namespace pelmoro
