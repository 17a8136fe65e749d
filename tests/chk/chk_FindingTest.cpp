#include "chk/impl/chk_Finding.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "BasShared/atr_String.h"
#include "HostModules/hst_ModelBuilder.h"
#include "chk/impl/chk_PhysicalConstantsCheck.h"

namespace {

std::string FindingTextOf(const chk_Finding& finding) {
  cow_List<atr_String> list;
  finding.AppendTo(list);
  EXPECT_EQ(1u, list.Length());
  return list.IsEmpty() ? std::string() : list[0].Str();
}

}  // namespace

// Each line form whole: the header, the lines in the order added, the advice
// after the list.
TEST(chk_FindingTest, EachLineFormWhole) {
  chk_Finding indented("The following steps are invalid:\n", chk_LineForm::kIndented,
                       "\nPlease review the steps.");
  indented.Add("Step-2");
  indented.Add("Step 1");
  EXPECT_EQ("The following steps are invalid:\n    Step-2\n    Step 1\n\nPlease review the steps.",
            FindingTextOf(indented));

  chk_Finding blank("The following field output requests are applied to fasteners\n",
                    chk_LineForm::kIndentedBlank);
  blank.Add("F-Output-1");
  blank.Add("F-Output-2");
  EXPECT_EQ(
      "The following field output requests are applied to fasteners\n    F-Output-1 \n    "
      "F-Output-2 \n",
      FindingTextOf(blank));

  chk_Finding inStep("Modify the following output requests or the step parameters:\n",
                     chk_LineForm::kInStep);
  inStep.Add("F-Output-1", "Step-1");
  inStep.Add("F-Output-1", "Step-2");
  EXPECT_EQ(
      "Modify the following output requests or the step parameters:\nF-Output-1 in step Step-1 "
      "\nF-Output-1 in step Step-2 \n",
      FindingTextOf(inStep));

  chk_Finding joined("will not be written out:\n%s", chk_LineForm::kJoined);
  joined.Add("Load-1 (Load)");
  joined.Add("BC-2 (BC)");
  EXPECT_EQ("will not be written out:\nLoad-1 (Load), BC-2 (BC)", FindingTextOf(joined));

  chk_Finding single("Only one:\n%s", chk_LineForm::kJoined, "\nAdvice.");
  single.Add("Load-1 (Load)");
  EXPECT_EQ("Only one:\nLoad-1 (Load)\nAdvice.", FindingTextOf(single));
}

// Nothing collected, nothing appended: the list keeps what it had.
TEST(chk_FindingTest, EmptyCollectionAppendsNothing) {
  cow_List<atr_String> list{atr_String("earlier")};
  for (chk_LineForm form : {chk_LineForm::kIndented, chk_LineForm::kIndentedBlank,
                            chk_LineForm::kInStep, chk_LineForm::kJoined}) {
    chk_Finding finding("Header:\n%s", form, "\nAdvice.");
    EXPECT_TRUE(finding.IsEmpty());
    EXPECT_FALSE(finding.AppendTo(list));
  }
  ASSERT_EQ(1u, list.Length());
  EXPECT_EQ("earlier", list[0].Str());
}

// Header, every line piece and the advice each pass through the translation
// on their own; the names themselves are not translated.
TEST(chk_FindingTest, PiecesAreTranslatedOneByOne) {
  atr_Translator before =
      atr_SetTranslator([](const cow_String& t) { return "<" + t.Str() + ">"; });
  chk_Finding inStep("Header:\n", chk_LineForm::kInStep, "\nAdvice.");
  inStep.Add("R-1", "S-1");
  chk_Finding indented("H:\n", chk_LineForm::kIndented);
  indented.Add("N");
  chk_Finding joined("J: %s", chk_LineForm::kJoined);
  joined.Add("a");
  joined.Add("b");
  std::string inStepText = FindingTextOf(inStep);
  std::string indentedText = FindingTextOf(indented);
  std::string joinedText = FindingTextOf(joined);
  atr_SetTranslator(before);
  EXPECT_EQ("<Header:\n><R-1 in step ><S-1 \n><\nAdvice.>", inStepText);
  EXPECT_EQ("<H:\n><    N\n>", indentedText);
  EXPECT_EQ("<J: a, b>", joinedText);
}

// A clone is a complete copy: model, name and the texts its source had
// collected; later findings of the source do not reach the clone.
TEST(chk_OwnCheckTest, CloneCarriesCollectedTexts) {
  hst_ModelBuilder b("Model-1");
  chk_PhysicalConstantsCheck check(b.Model(), "Model-1");
  check.ErrorList().Append(atr_String("First error.\n"));
  check.WarningList().Append(atr_String("A warning.\n"));
  std::unique_ptr<kut_Check> clone(check.Clone());
  check.ErrorList().Append(atr_String("Later error.\n"));
  ASSERT_NE(nullptr, dynamic_cast<chk_PhysicalConstantsCheck*>(clone.get()));
  EXPECT_EQ("Model-1", clone->ModelName().Str());
  EXPECT_EQ("Model-1", clone->Model().Name().Str());
  ASSERT_EQ(1u, clone->Errors().Length());
  EXPECT_EQ("First error.\n", clone->Errors()[0].Str());
  ASSERT_EQ(1u, clone->Warnings().Length());
  EXPECT_EQ("A warning.\n", clone->Warnings()[0].Str());
  clone->Run();
  EXPECT_EQ(1u, clone->Errors().Length());
  EXPECT_EQ(1u, clone->Warnings().Length());
}
