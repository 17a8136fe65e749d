#include <gtest/gtest.h>

#include <memory>

#include "OdbAttrEO/kprC_StepRequests.h"
#include "aif/impl/steps/aif_DiagnosticPrint.h"
#include "support/aif_TestSupport.h"

namespace {

using aif_test::KeywordText;
using aif_test::ThrownText;

// What "*Print" writes for the step's print `print` with `inForce` in force
// before the step.
std::string DiagnosticPrintLines(const kprC_DiagnosticPrint& print,
                                 const kprC_DiagnosticPrint& inForce) {
  return KeywordText(aif_DiagnosticPrint(cow_COW<kprC_DiagnosticPrint>(print),
                                         cow_COW<kprC_DiagnosticPrint>(inForce)));
}

// A print that claims the standard kind without being a standard print.
class PrintClaimingStandard : public kprC_DiagnosticPrint {
 public:
  PrintClaimingStandard* Clone() const override { return new PrintClaimingStandard(*this); }
  bool IsStandard() const override { return true; }
  bool Equals(const kprC_DiagnosticPrint& other) const override { return &other == this; }
};

TEST(DiagnosticPrintTest, StandardPrintsWriteWhatDiffersFromThePrintInForce) {
  const kprC_StandardDiagnosticPrint defaults;
  // Identical prints in consecutive steps: no line.
  EXPECT_EQ(DiagnosticPrintLines(defaults, defaults), "");

  kprC_StandardDiagnosticPrint contact;
  contact.SetContact(true);
  EXPECT_EQ(DiagnosticPrintLines(contact, defaults), "*Print, contact=YES\n");
  EXPECT_EQ(DiagnosticPrintLines(contact, contact), "");
  // Back to the defaults: the switch is written against the print in force.
  EXPECT_EQ(DiagnosticPrintLines(defaults, contact), "*Print, contact=NO\n");

  // Every value, in order, against the defaults.
  kprC_StandardDiagnosticPrint all;
  all.SetContact(true);
  all.SetFrequency(3);
  all.SetModelChange(true);
  all.SetPlasticity(true);
  all.SetResidual(false);
  all.SetSolve(true);
  EXPECT_EQ(DiagnosticPrintLines(all, defaults),
            "*Print, contact=YES, frequency=3, model change=YES, plasticity=YES, residual=NO, "
            "solve=YES\n");
  // Against another standard print only what differs from it.
  kprC_StandardDiagnosticPrint plasticity = all;
  plasticity.SetPlasticity(false);
  EXPECT_EQ(DiagnosticPrintLines(plasticity, all), "*Print, plasticity=NO\n");

  // After an explicit print the standard defaults are the reference.
  const kprC_ExplicitDiagnosticPrint explicitDefaults;
  EXPECT_EQ(DiagnosticPrintLines(contact, explicitDefaults), "*Print, contact=YES\n");
  EXPECT_EQ(DiagnosticPrintLines(defaults, explicitDefaults), "*Print\n");
}

TEST(DiagnosticPrintTest, ExplicitPrintsWriteEachSwitchThatDiffers) {
  const kprC_ExplicitDiagnosticPrint defaults;
  EXPECT_EQ(DiagnosticPrintLines(defaults, defaults), "");

  kprC_ExplicitDiagnosticPrint all;
  all.SetAllke(false);
  all.SetCriticalElement(true);
  all.SetEtotal(true);
  all.SetDmass(true);
  EXPECT_EQ(DiagnosticPrintLines(all, defaults),
            "*Print, allke=NO, critical element=YES, etotal=YES, dmass=YES\n");
  kprC_ExplicitDiagnosticPrint dmass = all;
  dmass.SetDmass(false);
  EXPECT_EQ(DiagnosticPrintLines(dmass, all), "*Print, dmass=NO\n");
  // In force a standard print: compared with the explicit defaults, and the
  // keyword stands alone when nothing differs from them.
  EXPECT_EQ(DiagnosticPrintLines(dmass, kprC_StandardDiagnosticPrint()),
            "*Print, allke=NO, critical element=YES, etotal=YES\n");
  EXPECT_EQ(DiagnosticPrintLines(defaults, kprC_StandardDiagnosticPrint()), "*Print\n");
}

TEST(DiagnosticPrintTest, PerturbationPrintsAfterAStandardPrint) {
  kprC_StandardDiagnosticPrint general;
  general.SetContact(true);
  kprC_PerturbationDiagnosticPrint perturbation;
  // Same frequency and solve switch as the general print in force: no line,
  // whatever the general print's other switches.
  EXPECT_EQ(DiagnosticPrintLines(perturbation, general), "");

  perturbation.SetSolve(true);
  EXPECT_EQ(DiagnosticPrintLines(perturbation, general), "*Print, solve=YES\n");
  perturbation.SetFrequency(4);
  EXPECT_EQ(DiagnosticPrintLines(perturbation, general), "*Print, frequency=4, solve=YES\n");

  // Written against the perturbation defaults, not the print in force: the
  // general print's frequency 4 is not left out.
  general.SetFrequency(4);
  EXPECT_EQ(DiagnosticPrintLines(perturbation, general), "*Print, frequency=4, solve=YES\n");
  general.SetSolve(true);
  EXPECT_EQ(DiagnosticPrintLines(perturbation, general), "");
  // Back to the defaults after a general print that differs: "*Print" alone.
  EXPECT_EQ(DiagnosticPrintLines(kprC_PerturbationDiagnosticPrint(), general), "*Print\n");

  // In force another perturbation or an explicit print: no comparison.
  EXPECT_EQ(
      DiagnosticPrintLines(kprC_PerturbationDiagnosticPrint(), kprC_PerturbationDiagnosticPrint()),
      "*Print\n");
  EXPECT_EQ(DiagnosticPrintLines(perturbation, kprC_ExplicitDiagnosticPrint()),
            "*Print, frequency=4, solve=YES\n");
}

TEST(DiagnosticPrintTest, NothingWithoutBothPrintsAndTheTypeTestComesFirst) {
  const cow_COW<kprC_DiagnosticPrint> standard{kprC_StandardDiagnosticPrint()};
  kprC_StandardDiagnosticPrint contact;
  contact.SetContact(true);
  const cow_COW<kprC_DiagnosticPrint> request{contact};
  EXPECT_EQ(KeywordText(aif_DiagnosticPrint(request, cow_COW<kprC_DiagnosticPrint>())), "");
  EXPECT_EQ(KeywordText(aif_DiagnosticPrint(cow_COW<kprC_DiagnosticPrint>(), standard)), "");
  // A copy writes the same.
  const aif_DiagnosticPrint keyword(request, standard);
  std::unique_ptr<akw_Keyword> copy(keyword.Clone());
  EXPECT_EQ(KeywordText(*copy), "*Print, contact=YES\n");

  // A print in force that claims the standard kind fails the type test
  // before anything is written.
  const std::string error = ThrownText(
      aif_DiagnosticPrint(request, cow_COW<kprC_DiagnosticPrint>(new PrintClaimingStandard())));
  EXPECT_EQ(error.rfind("Type test failed: the object is not a kprC_StandardDiagnosticPrint", 0),
            0u)
      << error;
}

}  // namespace
