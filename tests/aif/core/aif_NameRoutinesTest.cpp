// The name routines: quoted names, splitting, printable and internal names,
// instance-qualified names, the lightweight-instance rule and the refusal of
// names the file cannot carry.

#include "aif/impl/core/aif_NameRoutines.h"

#include <gtest/gtest.h>

#include "HostModules/hst_ModelBuilder.h"
#include "QivBasicUtils/nex_Exception.h"
#include "aif/impl/core/aif_Exception.h"
#include "support/aif_TestSupport.h"

namespace {

TEST(aif_NameRoutinesTest, QuotedNamesAndUnquoting) {
  EXPECT_TRUE(aif_IsQuotedName("\"a\""));
  EXPECT_FALSE(aif_IsQuotedName("\"\"") || aif_IsQuotedName("\"ab"));

  EXPECT_EQ(aif_UnquoteName("\"My Set\""), "My Set");
  EXPECT_EQ(aif_UnquoteName("\"\""), "\"\"");
  EXPECT_EQ(aif_UnquoteName("Set-1"), "Set-1");
}

TEST(aif_NameRoutinesTest, SplitAppendsThePrefixAndReplacesTheLastComponent) {
  cow_String prefix = "X.", last = "old";
  aif_SplitQualifiedName("", prefix, last);  // leaves both untouched
  aif_SplitQualifiedName("Assembly.\"I.1\".S", prefix, last);
  EXPECT_EQ(prefix, "X.Assembly.\"I.1\".");  // split inside the quotes too
  EXPECT_EQ(last, "S");
  aif_SplitQualifiedName("T", prefix, last);
  EXPECT_EQ(prefix, "X.Assembly.\"I.1\".");
  EXPECT_EQ(last, "T");
}

TEST(aif_NameRoutinesTest, PrintableNameTreatsEachComponent) {
  EXPECT_EQ(aif_PrintableName("Part 1.\"My Set\""), "\"Part 1\".\"My Set\"");
  EXPECT_EQ(aif_PrintableName("Assembly.I-1.Set_2"), "Assembly.I-1.Set_2");
  EXPECT_EQ(aif_PrintableName("\"a.b c\""), "\"a.b c\"");
  EXPECT_EQ(aif_PrintableName(""), "");

  // A control character cannot hide inside quotes.
  try {
    aif_PrintableName("I.\"a\nb\"");
    FAIL() << "a line break inside a quoted component was accepted";
  } catch (const nex_TextException& e) {
    EXPECT_EQ(e.Text(),
              "The name \"\"a\\nb\"\" holds a line break or another control character and cannot "
              "be written to the input file.");
  }
}

// The reader splits a qualified name at its first dot outside quotes: a
// component holding a dot is quoted; names quoted already or holding quotes
// keep their form; blanks and commas are quoted as before.
TEST(aif_NameRoutinesTest, QualifiedNamesQuoteEachDottedComponent) {
  EXPECT_EQ(aif_QualifiedName({"A_b-c.d2", "A_b-c.d2-RefPt_"}), "\"A_b-c.d2\".\"A_b-c.d2-RefPt_\"");
  EXPECT_EQ(aif_QualifiedName({"Assembly", "I-1", "Set.3"}), "Assembly.I-1.\"Set.3\"");
  EXPECT_EQ(aif_QualifiedName({"I 1", "My Set"}), "\"I 1\".\"My Set\"");
  EXPECT_EQ(aif_QualifiedName({"I.1 x", "S,2"}), "\"I.1 x\".\"S,2\"");
  EXPECT_EQ(aif_QualifiedName({"\"I.1\"", "S"}), "\"I.1\".S");
  EXPECT_EQ(aif_QualifiedName({"I-1", "S"}), "I-1.S");
  EXPECT_EQ(aif_QualifiedPrefix("A.b"), "\"A.b\".");
  EXPECT_EQ(aif_QualifiedPrefix("Block-1"), "Block-1.");
  EXPECT_EQ(aif_PrintableComponent("a.b"), "\"a.b\"");
  EXPECT_THROW(aif_QualifiedName({"I.1", "a\tb"}), nex_TextException);
}

TEST(aif_NameRoutinesTest, NamesTheFileCannotCarryAreRefusedNamingTheObject) {
  auto refusal = [](const cow_String& name, const char* object) -> std::string {
    try {
      aif_CheckWritableName(name, object);
    } catch (const aif_Exception& e) {
      return e.Message().Str();
    }
    return "accepted";
  };
  EXPECT_EQ(
      "The part name P\"q holds an unpaired double quote and cannot be written to the "
      "input file.",
      refusal("P\"q", "part"));
  EXPECT_EQ(
      "The node set name \"a\"b\".S holds an unpaired double quote and cannot be written "
      "to the input file.",
      refusal("\"a\"b\".S", "node set"));
  EXPECT_EQ("The instance name is empty and cannot be written to the input file.",
            refusal("", "instance"));
  // An even number of quotes, but not around whole components.
  for (const char* name : {"a\"b\"c", "\"My part\"-1", "\"a\"\"b\"", "I.S\"1\""})
    EXPECT_EQ("The part name " + std::string(name) +
                  " holds double quotes that do not enclose a whole name and cannot be written "
                  "to the input file.",
              refusal(name, "part"));
  // Whole quoted components, and names without quotes, are written.
  for (const char* name : {"\"My part\"", "\"My Inst\".\"Set 1\"", "\"a.b\".S", "Part-1", "_"})
    EXPECT_EQ("accepted", refusal(name, "part")) << name;
}

TEST(aif_NameRoutinesTest, ComposedNamesAreMadePrintableOnce) {
  // Extended before quoting: the text goes inside the quotes.
  EXPECT_EQ(aif_ComposedName("\"My set\"", "MASS_"), "\"My setMASS_\"");
  EXPECT_EQ(aif_ComposedName("Set", "ROTI_"), "SetROTI_");
  // Qualifying dots become "_", quoted components are joined unquoted.
  EXPECT_EQ(aif_ComposedName("\"A b\".Set", ""), "\"A b_Set\"");
  EXPECT_EQ(aif_ComposedName("Inst._M_Set", "MASS_"), "Inst__M_SetMASS_");
  // A dot inside quotes stays and keeps the name quoted.
  EXPECT_EQ(aif_ComposedName("\"A.b\".S", ""), "\"A.b_S\"");
  EXPECT_EQ(aif_ComposedName("", "X"), "X");
  EXPECT_THROW(aif_ComposedName("A\nB", ""), nex_TextException);

  // Orientation names of engineering features.
  EXPECT_EQ(aif_FeatureOrientationName("Part-1-Csys", "Inst", true), "Part-1-Csys");
  EXPECT_EQ(aif_FeatureOrientationName("Part-1-Csys", "", false), "Part-1-Csys");
  EXPECT_EQ(aif_FeatureOrientationName("Part-1-Csys", "Inst", false), "Inst_Part-1-Csys");
  EXPECT_EQ(aif_FeatureOrientationName("Csys 2", "My inst", false), "\"My inst_Csys 2\"");
}

TEST(aif_NameRoutinesTest, InternalNames) {
  for (const char* name : {"I._S", "S_", "\"_a b\"", "I.\"a b_\"", "\"_\""})
    EXPECT_TRUE(aif_IsInternalName(name)) << name;
  // Only the last component counts; a dot inside quotes does not end one.
  for (const char* name : {"\"_Bolt.2_blel_\"", "I.\"_Bolt A.1_blrn_\"", "\"A.b\"._S"})
    EXPECT_TRUE(aif_IsInternalName(name)) << name;
  for (const char* name : {"", "I.", "_I.S", "\"a b\"", "\"_a.b\".S", "\"a._b\""})
    EXPECT_FALSE(aif_IsInternalName(name)) << name;
}

TEST(aif_NameRoutinesTest, InstanceQualifiedName) {
  EXPECT_EQ(aif_InstanceQualifiedName(rgnC_Region("S", {}), "S"), "");
  EXPECT_EQ(aif_InstanceQualifiedName(rgnC_Region("S", {"P"}), "T"), "T");
  EXPECT_EQ(aif_InstanceQualifiedName(rgnC_Region("S", {"Assembly", "I"}), "T"), "I.T");
  EXPECT_EQ(aif_InstanceQualifiedName(rgnC_Region("S", {"Assembly", "I", "X"}), "T"), "I.T");
}

TEST(aif_NameRoutinesTest, LightweightInstances) {
  hst_ModelBuilder b;
  b.AddPart("P", hst_GridMesh(1, 1, 1));
  b.AddPart("R", nullptr, ptoK_ANALYTIC_RIGID);
  const unsigned light = b.AddInstance("P-1", "P", {.lightweight = true});
  const unsigned full = b.AddInstance("P-2", "P");
  const unsigned rigid = b.AddInstance("R-1", "R", {.lightweight = true});
  const ftr_FeatureList& features = b.Assembly().ConstGetFeatureList();
  auto instance = [&](unsigned id) { return *asoF_Utils::ConstGetPartInstance(features, id); };

  EXPECT_TRUE(aif_IsLightweightInstance(instance(light), true));
  EXPECT_FALSE(aif_IsLightweightInstance(instance(light), false) ||
               aif_IsLightweightInstance(instance(full), true));
  EXPECT_FALSE(aif_IsLightweightInstance(instance(rigid), true));
}

TEST(aif_NameRoutinesTest, ResultsFileNamesLoseTheirFilEnding) {
  EXPECT_EQ(aif_ResultsFileName("run.fil"), "run");
  EXPECT_EQ(aif_ResultsFileName("RUN.FIL"), "RUN");
  EXPECT_EQ(aif_ResultsFileName("Run.FiL"), "Run");
  EXPECT_EQ(aif_ResultsFileName("a.fil.fil"), "a.fil");
  // Another ending, or a name no longer than the ending, is kept whole.
  EXPECT_EQ(aif_ResultsFileName("run.odb"), "run.odb");
  EXPECT_EQ(aif_ResultsFileName("runfil"), "runfil");
  EXPECT_EQ(aif_ResultsFileName(".fil"), ".fil");
  EXPECT_EQ(aif_ResultsFileName(".FIL"), ".FIL");
  // The file-name form: quoted when it holds a blank or a comma.
  EXPECT_EQ(aif_ResultsFileName("my run.fil"), "\"my run\"");
  EXPECT_EQ(aif_ResultsFileName("a,b"), "\"a,b\"");
  EXPECT_THROW(aif_ResultsFileName("a\nb.fil"), nex_TextException);
}

}  // namespace
