// A cap on what the result list, and the steps that work over all of its rows (the sort and
// the XML export), may allocate: for the end-to-end tests only, which cannot run the machine
// out of memory but must see what the program does then. The environment variable
// ZENQUILL_TEST_RESULT_BYTES, a plain decimal number of bytes, sets the cap; without it there
// is none. Going past the cap throws std::bad_alloc, exactly as a real shortage does.
#ifndef ZENQUILL_FRAMEWORK_RESULTMEMORYCAP_H
#define ZENQUILL_FRAMEWORK_RESULTMEMORYCAP_H

#include <cstddef>

namespace fw {

extern const char* const kResultCapVariable;

// The cap from the environment variable's value: 0 (no cap) unless it is a plain decimal number.
std::size_t ResultCapFrom(const char* value);

// Replaces the cap read from the environment; 0 lifts it. Forgets what was counted.
void SetResultMemoryCap(std::size_t bytes);

// The rows of the list hold `bytes` more until the list is emptied.
void HoldResultMemory(std::size_t bytes);
void ReleaseResultMemory();

// A step's own memory, counted on top of the rows' until the loan ends.
class ResultMemoryLoan {
 public:
  ResultMemoryLoan() = default;
  ~ResultMemoryLoan();
  ResultMemoryLoan(const ResultMemoryLoan&) = delete;
  ResultMemoryLoan& operator=(const ResultMemoryLoan&) = delete;

  void Take(std::size_t bytes);

 private:
  std::size_t taken_ = 0;
};

}  // namespace fw

#endif
