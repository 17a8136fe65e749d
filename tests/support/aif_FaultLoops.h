// The fault loops of the golden-deck tests: the deck written again and again
// with the n-th file write, then the n-th allocation, failing, until a write
// goes through. Every failed write must leave no file and report what failed;
// the write that goes through must give the complete deck.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "BasMem/mem_Allocator.h"
#include "MSVCR90/rt_Runtime.h"
#include "QivBasicUtils/nex_Exception.h"
#include "aif/impl/core/aif_Builder.h"
#include "aif/impl/core/aif_Exception.h"
#include "support/aif_TestSupport.h"

namespace aif_test {

// Writes the model of `builder` (no job keywords) to `path` under both fault
// loops; `complete` is the deck a write without faults gives. Removes the
// file at the end.
inline void ExpectEveryFaultLeavesNoFile(aif_Builder& builder, const std::string& path,
                                         const std::string& complete) {
  for (long n = 1;; ++n) {
    rt_FailCall(rt_Call::Write, n, false);
    bool written = false;
    std::string error;
    try {
      written = builder.WriteInputFile(path, false, true);
    } catch (const aif_Exception& e) {
      error = e.Message().Str();
    }
    rt_ClearFaults();
    if (written) break;
    EXPECT_EQ("The input file " + path + " could not be written completely (the disk may be full).",
              error);
    EXPECT_FALSE(std::filesystem::exists(path)) << "write " << n;
    ASSERT_LT(n, 10) << "the write never completes";
  }
  EXPECT_EQ(complete, ReadFile(path));
  std::filesystem::remove(path);
  for (long n = 1;; ++n) {
    mem_FailAllocation(n, false);
    bool written = false;
    try {
      written = builder.WriteInputFile(path, false, true);
    } catch (const nex_OutOfMemoryException& e) {
      EXPECT_EQ("Out of memory.", e.UserReport().Str());
    }
    mem_ClearFault();
    if (written) break;
    EXPECT_FALSE(std::filesystem::exists(path)) << "allocation " << n;
    ASSERT_LT(n, 100000) << "the write never completes";
  }
  EXPECT_EQ(complete, ReadFile(path));
  std::filesystem::remove(path);
}

}  // namespace aif_test
