// Start and stop of the writer module and the library, and the writer's error
// type. The use counts are process-wide: every test here leaves them at zero.

#include "aif/impl/core/aif_Initialize.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "BasShared/atr_String.h"
#include "HostModules/hst_Modules.h"
#include "QivBasicUtils/nex_Exception.h"
#include "aif/impl/core/aif_Exception.h"
#include "aif/impl/core/aif_SetNameRegistry.h"
#include "chk/impl/chk_Initialize.h"

namespace {

using Calls = std::vector<std::string>;

// The host modules the library stands on, in the order they are started.
const char* const kHostModules[] = {
    "VZLBasAlloc",        "VZLBasCoreUtils",  "VZLBasShared", "VZLQivBasicUtils",
    "VZLQivGeom",         "VZLRomCore",       "VZLRomDiagEx", "VZLAspDiagExtractor",
    "VZLShpCore",         "VZLOdbCoreGeom",   "VZLOdbAttrEO", "VZLOdbCore",
    "AFCInputFileWriter", "PyUtils",          "VwrCmd",       "AttributesGuiCommon",
    "ModelDatabase",      "VwrKer",           "VwrModKer",    "CaeModuleGeom",
    "CaeModule",          "CaeModKerGeomLow", "CaeModKerLow", "AttributesNoRegionIntObj",
    "AttributesIntObj",
};

// What the writer's last stop calls.
const Calls kWriterStop = {"aif_finalize", "kamK_formalize", "kadK_formalize", "kflK_formalize"};

Calls LibraryStartCalls() {
  Calls calls;
  for (const char* module : kHostModules)
    calls.push_back(std::string(module) + "_initialize");
  calls.insert(calls.end(), {"chk_initialize", "aif_initialize"});
  return calls;
}

// The library's last stop; `writerStops` when it is the writer's last too.
Calls LibraryStopCalls(bool writerStops = true) {
  Calls calls = writerStops ? kWriterStop : Calls{"aif_finalize"};
  calls.push_back("chk_finalize");
  for (auto m = std::rbegin(kHostModules); m != std::rend(kHostModules); ++m)
    calls.push_back(std::string(*m) + "_finalize");
  return calls;
}

// The calls logged by `action`, the log cleared before.
template <class Action>
Calls CallsOf(Action&& action) {
  hst_CallLog::Clear();
  action();
  Calls calls = hst_CallLog::Calls();
  hst_CallLog::Clear();
  return calls;
}

TEST(aif_InitializeTest, LibraryStartsAndStopsEveryModuleOnceInOrder) {
  int counter = 0;
  for (int round = 0; round < 2; ++round) {  // stopped for good, it starts from scratch
    EXPECT_EQ(LibraryStartCalls(), CallsOf([&] { InputFileWriter_initialize(counter); }));
    // The library, the model checks and the writer each count one user.
    EXPECT_EQ(3, counter);
    // A second start only counts; so does the first stop.
    EXPECT_EQ(Calls(), CallsOf([&] { InputFileWriter_initialize(counter); }));
    EXPECT_EQ(Calls(), CallsOf([&] { InputFileWriter_finalize(counter); }));
    EXPECT_EQ(3, counter);
    // The last stop stops everything in reverse order.
    EXPECT_EQ(LibraryStopCalls(), CallsOf([&] { InputFileWriter_finalize(counter); }));
    EXPECT_EQ(0, counter);
  }
}

TEST(aif_InitializeTest, UnmatchedStopsChangeNothing) {
  int counter = 7;
  EXPECT_EQ(Calls({"aif_finalize", "chk_finalize"}), CallsOf([&] {
              InputFileWriter_finalize(counter);
              aif_finalize(counter);
              chk_finalize(counter);
            }));
  EXPECT_EQ(7, counter);
  // The counts did not go below zero: one start is enough to start again, and
  // its stop is the last one.
  EXPECT_EQ(LibraryStartCalls(), CallsOf([&] { InputFileWriter_initialize(counter); }));
  EXPECT_EQ(LibraryStopCalls(), CallsOf([&] { InputFileWriter_finalize(counter); }));
  EXPECT_EQ(7, counter);
}

TEST(aif_InitializeTest, CheckModuleCountsItsOwnUsers) {
  int counter = 0;
  chk_initialize(counter);
  chk_initialize(counter);
  chk_finalize(counter);
  EXPECT_EQ(1, counter);
  chk_finalize(counter);
  EXPECT_EQ(0, counter);
}

TEST(aif_InitializeTest, LastWriterStopDestroysTheSetNameRegistry) {
  int counter = 0;
  aif_initialize(counter);
  // The library finds the writer running: the writer's start only counts.
  EXPECT_EQ(LibraryStartCalls(), CallsOf([&] { InputFileWriter_initialize(counter); }));
  EXPECT_EQ(3, counter);
  aif_SetNameRegistry::Instance().AddElset("Kept", false);

  // The library's stop is not the writer's last: the registry survives.
  EXPECT_EQ(LibraryStopCalls(false), CallsOf([&] { InputFileWriter_finalize(counter); }));
  EXPECT_EQ(1, counter);
  EXPECT_TRUE(aif_SetNameRegistry::Instance().IsElset("KEPT"));

  EXPECT_EQ(kWriterStop, CallsOf([&] { aif_finalize(counter); }));
  EXPECT_EQ(0, counter);
  EXPECT_FALSE(aif_SetNameRegistry::Instance().IsElset("Kept"));
  aif_SetNameRegistry::Destroy();
}

TEST(aif_ExceptionTest, ReportTranslatesTheFormatButNotTheMessage) {
  EXPECT_EQ(cow_String("Input File Writing error: Unimplemented boundary condition in input "
                       "file.\n\nThe input file was not generated."),
            aif_Exception("Unimplemented boundary condition in input file.").AsString());

  atr_Translator previous =
      atr_SetTranslator([](const cow_String& text) { return "<" + text + ">"; });
  // A message that looks like a format is not expanded again.
  aif_Exception e("100%s done");
  EXPECT_EQ(cow_String("<Input File Writing error: 100%s done\n\nThe input file was not "
                       "generated.>"),
            e.AsString());
  atr_SetTranslator(previous);
  // The user sees the message alone everywhere else.
  EXPECT_STREQ("100%s done", e.what());
  EXPECT_EQ(cow_String("100%s done"), e.UserReport());
}

TEST(aif_ExceptionTest, ThrowKeepsTheTypeAndCarriesFileAndLine) {
  aif_Exception original("Missing .odb file /tmp/Job-0.odb");
  const nex_Exception& base = original;
  try {
    nex_Exception::Throw(base, "module/aif/impl/aif_JobKeywordsBuilder", 49);
    FAIL() << "Throw returned";
  } catch (const aif_Exception& caught) {
    EXPECT_EQ(cow_String("Missing .odb file /tmp/Job-0.odb (module/aif/impl/"
                         "aif_JobKeywordsBuilder, line 49)"),
              caught.DeveloperReport());
    EXPECT_EQ(original.AsString(), caught.AsString());
  }
  // The thrown copy took the location; the original has none.
  EXPECT_EQ(cow_String("Missing .odb file /tmp/Job-0.odb"), original.DeveloperReport());
}

}  // namespace
