#include "BasShared/cow_Error.h"

#include <string>

void cow_ThrowOutOfRange(const char* container, long long index, long long size) {
  throw cow_OutOfRange(std::string(container) + ": index " + std::to_string(index) +
                       " out of range (size " + std::to_string(size) + ")");
}
