// The host's allocator. Every class with virtual operations allocates through
// it (mem_AllocationOperators), and tests can make it fail the Nth call.
#pragma once

#include <cstddef>

// Memory for `size` bytes, or null when the allocator refuses.
void* mem_Malloc(std::size_t size);
void* mem_Realloc(void* block, std::size_t size);
void mem_Free(void* block);
// Memory for `size` bytes; throws std::bad_alloc when the allocator refuses.
void* mem_OperatorNewThrow(std::size_t size);

// Fault injection: the `nth` allocation from now on (1 = the next one) fails,
// and with `persistent` every one after it too. mem_ClearFault() ends it.
void mem_FailAllocation(long nth, bool persistent);
void mem_ClearFault();
// Allocations made through mem_Malloc and mem_OperatorNewThrow so far.
long mem_AllocationCount();

class mem_AllocationOperators {
 public:
  static void* operator new(std::size_t size) { return mem_OperatorNewThrow(size); }
  static void operator delete(void* block) noexcept { mem_Free(block); }

 protected:
  mem_AllocationOperators() = default;
  ~mem_AllocationOperators() = default;
};
