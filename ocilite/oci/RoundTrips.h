// The network between client and server, which an embedded database does not have: each
// round trip is counted for the session's statistics and lasts OCILITE_LATENCY_MS
// milliseconds (0 when unset), so a program can be measured as if the server were far away.
#ifndef ZENQUILL_OCILITE_ROUNDTRIPS_H
#define ZENQUILL_OCILITE_ROUNDTRIPS_H

#include <atomic>
#include <cstdint>

#include "storage/Platform.h"

namespace ocilite {

// A break (OCIBreak, from any thread) cuts the wait of the trip under way short and holds
// until it is reset (OCIReset), so that every call it catches can answer ORA-01013.
class RoundTrips {
 public:
  RoundTrips();
  void Make();
  uint64_t Count() const { return count_; }

  void Break() {
    broken_ = true;
    wake_.Raise();
  }
  void Reset() {
    broken_ = false;
    wake_.Lower();
  }
  // Cheap enough to ask between any two steps of SQLite's work.
  bool Broken() const { return broken_; }

 private:
  uint64_t count_ = 0;
  unsigned latencyMs_ = 0;
  std::atomic<bool> broken_{false};
  Alarm wake_;
};

// What the client holds of a query's rows, as Oracle's client keeps them: the execute's
// round trip brings the first `prefetch` rows, a fetch they satisfy costs nothing, and one
// they do not is a round trip that brings max(1, prefetch) rows.
class PrefetchedRows {
 public:
  explicit PrefetchedRows(uint32_t prefetch = 1) : prefetch_(prefetch), held_(prefetch) {}
  // Takes one row; true when that needed a round trip.
  bool TakeOne();

 private:
  uint32_t prefetch_;
  uint32_t held_;
};

}  // namespace ocilite

#endif
