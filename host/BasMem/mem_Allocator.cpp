#include "BasMem/mem_Allocator.h"

#include <cstdlib>
#include <new>

namespace {

long g_count = 0;
long g_failAt = 0;  // 0: no fault planned
bool g_persistent = false;

bool Refuse() {
  ++g_count;
  if (g_failAt == 0 || g_count < g_failAt) return false;
  if (!g_persistent && g_count > g_failAt) return false;
  return true;
}

}  // namespace

void* mem_Malloc(std::size_t size) {
  if (Refuse()) return nullptr;
  return std::malloc(size ? size : 1);
}

void* mem_Realloc(void* block, std::size_t size) {
  if (Refuse()) return nullptr;
  return std::realloc(block, size ? size : 1);
}

void mem_Free(void* block) {
  std::free(block);
}

void* mem_OperatorNewThrow(std::size_t size) {
  void* p = mem_Malloc(size);
  if (!p) throw std::bad_alloc();
  return p;
}

void mem_FailAllocation(long nth, bool persistent) {
  g_failAt = nth > 0 ? g_count + nth : 0;
  g_persistent = persistent;
}

void mem_ClearFault() {
  g_failAt = 0;
  g_persistent = false;
}

long mem_AllocationCount() {
  return g_count;
}
