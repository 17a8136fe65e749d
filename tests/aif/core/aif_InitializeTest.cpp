// Start and stop of the writer module and the library, and the writer's error
// type. The use counts are process-wide: every test here leaves them at zero.

#include "aif/impl/core/aif_Initialize.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>
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

Calls LibraryStartCalls() {
  Calls calls;
  for (const char* module : kHostModules)
    calls.push_back(std::string(module) + "_initialize");
  calls.push_back("chk_initialize");
  calls.push_back("aif_initialize");
  return calls;
}

Calls LibraryStopCalls() {
  Calls calls = {"aif_finalize", "kamK_formalize", "kadK_formalize", "kflK_formalize",
                 "chk_finalize"};
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

// Installs a translator that marks every translated text, for one test.
class MarkingTranslator {
 public:
  MarkingTranslator()
      : previous_(atr_SetTranslator([](const cow_String& text) { return "<" + text + ">"; })) {}
  ~MarkingTranslator() { atr_SetTranslator(previous_); }

 private:
  atr_Translator previous_;
};

TEST(aif_InitializeTest, LibraryStartsAndStopsEveryModuleOnceInOrder) {
  int counter = 0;

  EXPECT_EQ(LibraryStartCalls(), CallsOf([&] { InputFileWriter_initialize(counter); }));
  // The library, the model checks and the writer each count one user.
  EXPECT_EQ(3, counter);

  // A second start only counts: no module is started again.
  EXPECT_EQ(Calls(), CallsOf([&] { InputFileWriter_initialize(counter); }));
  EXPECT_EQ(3, counter);

  // The first stop only counts; the second stops everything in reverse order.
  EXPECT_EQ(Calls(), CallsOf([&] { InputFileWriter_finalize(counter); }));
  EXPECT_EQ(3, counter);
  EXPECT_EQ(LibraryStopCalls(), CallsOf([&] { InputFileWriter_finalize(counter); }));
  EXPECT_EQ(0, counter);

  // Stopped for good, the library starts again from scratch.
  EXPECT_EQ(LibraryStartCalls(), CallsOf([&] { InputFileWriter_initialize(counter); }));
  EXPECT_EQ(3, counter);
  EXPECT_EQ(LibraryStopCalls(), CallsOf([&] { InputFileWriter_finalize(counter); }));
  EXPECT_EQ(0, counter);
}

TEST(aif_InitializeTest, UnmatchedFinalizeChangesNothing) {
  int counter = 7;
  EXPECT_EQ(Calls(), CallsOf([&] { InputFileWriter_finalize(counter); }));
  EXPECT_EQ(Calls({"aif_finalize"}), CallsOf([&] { aif_finalize(counter); }));
  EXPECT_EQ(Calls({"chk_finalize"}), CallsOf([&] { chk_finalize(counter); }));
  EXPECT_EQ(7, counter);

  // The counts did not go below zero: one start is enough to start again, and
  // its stop is the last one.
  EXPECT_EQ(LibraryStartCalls(), CallsOf([&] { InputFileWriter_initialize(counter); }));
  EXPECT_EQ(10, counter);
  EXPECT_EQ(LibraryStopCalls(), CallsOf([&] { InputFileWriter_finalize(counter); }));
  EXPECT_EQ(7, counter);
}

TEST(aif_InitializeTest, WriterAndCheckModulesCountTheirOwnUsers) {
  int counter = 0;
  EXPECT_EQ(Calls({"aif_initialize", "aif_initialize"}), CallsOf([&] {
              aif_initialize(counter);
              aif_initialize(counter);
            }));
  EXPECT_EQ(1, counter);
  EXPECT_EQ(Calls({"aif_finalize"}), CallsOf([&] { aif_finalize(counter); }));
  EXPECT_EQ(1, counter);
  EXPECT_EQ(Calls({"aif_finalize", "kamK_formalize", "kadK_formalize", "kflK_formalize"}),
            CallsOf([&] { aif_finalize(counter); }));
  EXPECT_EQ(0, counter);

  EXPECT_EQ(Calls({"chk_initialize", "chk_initialize", "chk_finalize", "chk_finalize"}),
            CallsOf([&] {
              chk_initialize(counter);
              chk_initialize(counter);
              EXPECT_EQ(1, counter);
              chk_finalize(counter);
              EXPECT_EQ(1, counter);
              chk_finalize(counter);
            }));
  EXPECT_EQ(0, counter);
}

TEST(aif_InitializeTest, WriterStartedAloneOutlivesTheLibrary) {
  int counter = 0;
  aif_initialize(counter);
  EXPECT_EQ(1, counter);
  // The library finds the writer running: its own start counts the library and
  // the checks, the writer's start only counts.
  EXPECT_EQ(LibraryStartCalls(), CallsOf([&] { InputFileWriter_initialize(counter); }));
  EXPECT_EQ(3, counter);
  aif_SetNameRegistry::Instance().AddElset("Kept", false);

  // The library's stop is not the writer's last: the registry survives.
  Calls stop = LibraryStopCalls();
  stop.erase(stop.begin() + 1, stop.begin() + 4);  // no formalize calls
  EXPECT_EQ(stop, CallsOf([&] { InputFileWriter_finalize(counter); }));
  EXPECT_EQ(1, counter);
  EXPECT_FALSE(aif_SetNameRegistry::Instance().AddElset("Kept", false));

  EXPECT_EQ(Calls({"aif_finalize", "kamK_formalize", "kadK_formalize", "kflK_formalize"}),
            CallsOf([&] { aif_finalize(counter); }));
  EXPECT_EQ(0, counter);
  EXPECT_TRUE(aif_SetNameRegistry::Instance().AddElset("Kept", false));
  aif_SetNameRegistry::Destroy();
}

TEST(aif_InitializeTest, LastWriterStopDestroysTheSetNameRegistry) {
  int counter = 0;
  aif_initialize(counter);
  aif_initialize(counter);
  EXPECT_TRUE(aif_SetNameRegistry::Instance().AddElset("Set-1", false));
  EXPECT_TRUE(aif_SetNameRegistry::Instance().AddNset("Set-1", false));
  EXPECT_TRUE(aif_SetNameRegistry::Instance().AddSurface("Surf-1", false));

  aif_finalize(counter);
  EXPECT_TRUE(aif_SetNameRegistry::Instance().IsElset("SET-1"));
  EXPECT_FALSE(aif_SetNameRegistry::Instance().AddNset("set-1", false));

  aif_finalize(counter);
  EXPECT_EQ(0, counter);
  aif_SetNameRegistry& fresh = aif_SetNameRegistry::Instance();
  EXPECT_FALSE(fresh.IsElset("Set-1"));
  EXPECT_TRUE(fresh.AddElset("Set-1", false));
  EXPECT_TRUE(fresh.AddNset("Set-1", false));
  EXPECT_TRUE(fresh.AddSurface("Surf-1", false));

  // Through the library's stop as well.
  InputFileWriter_initialize(counter);
  EXPECT_FALSE(aif_SetNameRegistry::Instance().AddSurface("SURF-1", false));
  InputFileWriter_finalize(counter);
  EXPECT_EQ(0, counter);
  EXPECT_TRUE(aif_SetNameRegistry::Instance().AddSurface("SURF-1", false));
  aif_SetNameRegistry::Destroy();
}

TEST(aif_ExceptionTest, ReportTranslatesTheFormatButNotTheMessage) {
  aif_Exception plain("Unimplemented boundary condition in input file.");
  EXPECT_EQ(cow_String("Input File Writing error: Unimplemented boundary condition in input "
                       "file.\n\nThe input file was not generated."),
            plain.AsString());

  MarkingTranslator marking;
  aif_Exception e("x");
  EXPECT_EQ(cow_String("<Input File Writing error: x\n\nThe input file was not generated.>"),
            e.AsString());
  // A message that looks like a format is not expanded again.
  EXPECT_EQ(cow_String("<Input File Writing error: 100%s done\n\nThe input file was not "
                       "generated.>"),
            aif_Exception("100%s done").AsString());

  // The user report, what() and the message are the message alone.
  EXPECT_EQ(cow_String("x"), e.Message());
  EXPECT_EQ(cow_String("x"), e.Text());
  EXPECT_EQ(cow_String("x"), e.UserReport());
  EXPECT_STREQ("x", e.what());
  EXPECT_EQ(cow_String("x"), e.DeveloperReport());
}

TEST(aif_ExceptionTest, PropagateThrowsACopyOfTheDynamicType) {
  aif_Exception original("Unimplemented bc->statusKey conversion");
  const nex_Exception& base = original;

  try {
    base.Propagate();
    FAIL() << "Propagate returned";
  } catch (const aif_Exception& caught) {
    EXPECT_NE(&original, &caught);
    EXPECT_EQ(cow_String("Unimplemented bc->statusKey conversion"), caught.Message());
    EXPECT_EQ(original.AsString(), caught.AsString());
  }

  std::unique_ptr<nex_Exception> copy(base.Copy());
  ASSERT_NE(nullptr, dynamic_cast<aif_Exception*>(copy.get()));
  EXPECT_EQ(aif_Exception::kTypeId, copy->DynTypeId());
  EXPECT_NE(nex_TextException::kTypeId, copy->DynTypeId());
  EXPECT_EQ(original.AsString(), copy->AsString());
  EXPECT_STREQ("Unimplemented bc->statusKey conversion", copy->what());
}

TEST(aif_ExceptionTest, ThrowCarriesFileAndLine) {
  aif_Exception original("Missing .odb file /tmp/Job-0.odb");
  try {
    nex_Exception::Throw(original, "module/aif/impl/aif_JobKeywordsBuilder", 49);
    FAIL() << "Throw returned";
  } catch (const aif_Exception& caught) {
    EXPECT_STREQ("module/aif/impl/aif_JobKeywordsBuilder", caught.File());
    EXPECT_EQ(49, caught.Line());
    EXPECT_STREQ("Missing .odb file /tmp/Job-0.odb", caught.what());
    EXPECT_EQ(cow_String("Missing .odb file /tmp/Job-0.odb (module/aif/impl/"
                         "aif_JobKeywordsBuilder, line 49)"),
              caught.DeveloperReport());
    EXPECT_EQ(cow_String("Input File Writing error: Missing .odb file /tmp/Job-0.odb\n\nThe "
                         "input file was not generated."),
              caught.AsString());
  }
  // The thrown copy took the location; the original has none.
  EXPECT_STREQ("", original.File());
  EXPECT_EQ(0, original.Line());
}

}  // namespace
