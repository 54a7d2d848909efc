#include "oci/RoundTrips.h"

#include <cstdlib>

namespace ocilite {

RoundTrips::RoundTrips() {
  const char* latency = std::getenv("OCILITE_LATENCY_MS");
  long ms = latency ? std::strtol(latency, nullptr, 10) : 0;
  latencyMs_ = ms > 0 ? static_cast<unsigned>(ms) : 0;
}

void RoundTrips::Make() {
  ++count_;
  if (latencyMs_ > 0) wake_.Wait(latencyMs_);
}

bool PrefetchedRows::TakeOne() {
  const bool trip = held_ == 0;
  if (trip) held_ = prefetch_ > 0 ? prefetch_ : 1;
  --held_;
  return trip;
}

}  // namespace ocilite
