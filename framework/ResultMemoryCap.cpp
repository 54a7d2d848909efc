#include "ResultMemoryCap.h"

#include <cstdlib>
#include <new>

namespace fw {
namespace {

struct Budget {
  std::size_t cap = ResultCapFrom(std::getenv(kResultCapVariable));
  std::size_t held = 0;    // by the list's rows
  std::size_t loaned = 0;  // by the steps running now
};

Budget& TheBudget() {
  static Budget budget;
  return budget;
}

void Count(std::size_t& counter, std::size_t bytes) {
  Budget& budget = TheBudget();
  if (budget.cap == 0) return;
  if (bytes > budget.cap - budget.held - budget.loaned) throw std::bad_alloc();
  counter += bytes;
}

}  // namespace

const char* const kResultCapVariable = "ZENQUILL_TEST_RESULT_BYTES";

std::size_t ResultCapFrom(const char* value) {
  if (!value || !*value) return 0;
  std::size_t cap = 0;
  for (const char* c = value; *c; ++c) {
    if (*c < '0' || *c > '9' || cap > (static_cast<std::size_t>(-1) - 9) / 10) return 0;
    cap = cap * 10 + static_cast<std::size_t>(*c - '0');
  }
  return cap;
}

void SetResultMemoryCap(std::size_t bytes) { TheBudget() = Budget{bytes, 0, 0}; }

void HoldResultMemory(std::size_t bytes) { Count(TheBudget().held, bytes); }

void ReleaseResultMemory() { TheBudget().held = 0; }

ResultMemoryLoan::~ResultMemoryLoan() {
  std::size_t& loaned = TheBudget().loaned;
  loaned = loaned > taken_ ? loaned - taken_ : 0;
}

void ResultMemoryLoan::Take(std::size_t bytes) {
  Count(TheBudget().loaned, bytes);
  taken_ += bytes;
}

}  // namespace fw
