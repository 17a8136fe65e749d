// Base of the writer's model adapter: the model being written, by name.
#pragma once

#include "BasMem/mem_Allocator.h"
#include "BasShared/cow_String.h"

class akw_Model : public mem_AllocationOperators {
 public:
  explicit akw_Model(cow_String name) : name_(std::move(name)) {}
  virtual ~akw_Model() = default;
  // A new copy of this model adapter, owned by the caller.
  virtual akw_Model* Clone() const = 0;

  const cow_String& Name() const { return name_; }

 protected:
  akw_Model(const akw_Model&) = default;

 private:
  cow_String name_;
};
