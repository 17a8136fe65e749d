// The one error the base containers raise: an index, key or handle that does
// not designate an element.
#pragma once

#include <stdexcept>
#include <string>

class cow_OutOfRange : public std::out_of_range {
 public:
  explicit cow_OutOfRange(const std::string& what) : std::out_of_range(what) {}
};

// Throws cow_OutOfRange naming the container and the offending index.
[[noreturn]] void cow_ThrowOutOfRange(const char* container, long long index, long long size);
