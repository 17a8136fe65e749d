// The golden-deck tests and their fault loops: the deck written again and again
// with the n-th file write, then the n-th allocation, failing, until a write
// goes through. Every failed write must leave no file and report what failed;
// the write that goes through must give the complete deck.
#pragma once

#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "BasMem/mem_Allocator.h"
#include "HostModules/hst_ModelBuilder.h"
#include "MSVCR90/rt_Runtime.h"
#include "QivBasicUtils/nex_Exception.h"
#include "aif/impl/core/aif_Builder.h"
#include "aif/impl/core/aif_Exception.h"
#include "aif/impl/core/aif_Job.h"
#include "aif/impl/core/aif_ModelInfo.h"
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

namespace aif_test {

// A golden-deck test of one model written part-based and flat: the subclass
// gives the model; Deck() writes it (model data only) to a file of its own
// and reads it back; ExpectGoldenDecks compares both forms with their golden
// files, ExpectEveryFaultLeavesNoFileBothWays runs the fault loops on both.
class GoldenDeckFixture : public ::testing::Test {
 protected:
  virtual hst_ModelBuilder DeckModel() const = 0;

  void SetUp() override {
    path_ = (std::filesystem::temp_directory_path() /
             (::testing::UnitTest::GetInstance()->current_test_suite()->name() + std::string(".") +
              std::to_string(getpid()) + ".inp"))
                .string();
  }
  void TearDown() override {
    rt_ClearFaults();
    mem_ClearFault();
    std::filesystem::remove(path_);
  }

  hst_ModelBuilder Model(bool flat) const {
    hst_ModelBuilder b = DeckModel();
    b.Assembly().SetRequiresFlatInputFile(flat);
    return b;
  }

  std::string Deck(bool flat) {
    const hst_ModelBuilder b = Model(flat);
    const bas_NewModel model = b.Model();
    aif_Job job("Job-1", b.Job(), model);
    aif_ModelInfo info(job);
    aif_Builder builder(info);
    EXPECT_TRUE(builder.WriteInputFile(path_, false, true));
    const std::string deck = ReadFile(path_);
    std::filesystem::remove(path_);
    return deck;
  }

  void ExpectGoldenDecks(const std::string& partBased, const std::string& flat) {
    ExpectGolden(Deck(false), partBased);
    ExpectGolden(Deck(true), flat);
  }

  void ExpectEveryFaultLeavesNoFileBothWays() {
    for (bool flat : {false, true}) {
      SCOPED_TRACE(flat ? "flat" : "part-based");
      const std::string complete = Deck(flat);
      const hst_ModelBuilder b = Model(flat);
      const bas_NewModel model = b.Model();
      aif_Job job("Job-1", b.Job(), model);
      aif_ModelInfo info(job);
      aif_Builder builder(info);
      ExpectEveryFaultLeavesNoFile(builder, path_, complete);
    }
  }

  std::string path_;
};

}  // namespace aif_test

namespace aif_test {

// The message of the error that stops writing `b`'s model data to `path`
// through the driver; empty when the write goes through.
inline std::string DriverWriteError(const hst_ModelBuilder& b, const std::string& path) {
  const bas_NewModel model = b.Model();
  aif_Job job("Job-1", b.Job(), model);
  aif_ModelInfo info(job);
  aif_Builder builder(info);
  try {
    builder.WriteInputFile(path, false, true);
  } catch (const aif_Exception& e) {
    return e.Message().Str();
  }
  return std::string();
}

// `b` written through the driver to a deck named `deckName` in the temp
// folder stops with `error`: no file is left, a deck that stood at the path
// goes with it (the write replaces it), and a file the runtime reports
// read-only stays as it was.
inline void ExpectDriverRefuses(const hst_ModelBuilder& b, const std::string& error,
                                const std::string& deckName) {
  const std::string path = (std::filesystem::temp_directory_path() /
                            (deckName + "." + std::to_string(getpid()) + ".inp"))
                               .string();
  std::filesystem::remove(path);
  EXPECT_EQ(error, DriverWriteError(b, path));
  EXPECT_FALSE(std::filesystem::exists(path));
  { std::ofstream(path) << "old deck\n"; }
  EXPECT_EQ(error, DriverWriteError(b, path));
  EXPECT_FALSE(std::filesystem::exists(path));
  { std::ofstream(path) << "old deck\n"; }
  rt_FailCall(rt_Call::WriteAccess, 1, false);
  EXPECT_EQ("", DriverWriteError(b, path));
  rt_ClearFaults();
  EXPECT_EQ("old deck\n", ReadFile(path));
  std::filesystem::remove(path);
}

}  // namespace aif_test
