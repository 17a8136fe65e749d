// Base of every keyword class: an object that holds what it writes and writes
// its keyword line, options and data lines through Write. Builders keep
// keywords in ordered lists of copy-on-write handles.
#pragma once

#include "BasMem/mem_Allocator.h"
#include "BasShared/cow_COW.h"
#include "BasShared/cow_List.h"

class utl_Stream;

class akw_Keyword : public mem_AllocationOperators {
 public:
  virtual ~akw_Keyword() = default;
  // A new copy of this keyword, owned by the caller.
  virtual akw_Keyword* Clone() const = 0;
  virtual void Write(utl_Stream& stream) const = 0;
  virtual bool IsEmpty() const { return false; }

 protected:
  akw_Keyword() = default;
  akw_Keyword(const akw_Keyword&) = default;
  akw_Keyword& operator=(const akw_Keyword&) = default;
};

using akw_KeywordHandle = cow_ArrayCOW<akw_Keyword>;
using akw_KeywordList = cow_List<akw_KeywordHandle>;

// Writes every keyword of `list`, in order.
void akw_WriteKeywords(utl_Stream& stream, const akw_KeywordList& list);
