#include "RoundTrips.h"

#include <chrono>
#include <cstdlib>

namespace ocilite {

RoundTrips::RoundTrips() {
  const char* latency = std::getenv("OCILITE_LATENCY_MS");
  long ms = latency ? std::strtol(latency, nullptr, 10) : 0;
  latencyMs_ = ms > 0 ? static_cast<unsigned>(ms) : 0;
}

void RoundTrips::Make() {
  ++count_;
  if (latencyMs_ == 0) return;
  std::unique_lock<std::mutex> guard(lock_);
  woken_.wait_for(guard, std::chrono::milliseconds(latencyMs_), [this] { return broken_; });
}

void RoundTrips::Break() {
  {
    std::lock_guard<std::mutex> guard(lock_);
    broken_ = true;
  }
  woken_.notify_all();
}

void RoundTrips::Reset() {
  std::lock_guard<std::mutex> guard(lock_);
  broken_ = false;
}

bool RoundTrips::Broken() {
  std::lock_guard<std::mutex> guard(lock_);
  return broken_;
}

bool PrefetchedRows::TakeOne() {
  const bool trip = held_ == 0;
  if (trip) held_ = prefetch_ > 0 ? prefetch_ : 1;
  --held_;
  return trip;
}

}  // namespace ocilite
