// "*Modal Damping" for each of the seven damping kinds: the keyword line of
// the kind and its data lines by mode range or by frequency.
#include "aif/impl/steps/aif_ModalDamping.h"

#include "support/aif_TestSupport.h"

namespace {

using aif_test::KeywordText;

template <class Damping>
Damping ModalDampingTable() {
  kprC_ModalDampingEntry low, high;
  low.SetFirst(1);
  low.SetLast(5);
  low.SetFrequency(0.5);
  low.SetFraction(0.02);
  low.SetAlpha(0.1);
  low.SetBeta(0.001);
  low.SetFactor(0.04);
  high.SetFirst(6);
  high.SetLast(20);
  high.SetFrequency(100.0);
  high.SetFraction(0.05);
  high.SetAlpha(0.2);
  high.SetBeta(0.002);
  high.SetFactor(0.08);
  Damping damping;
  damping.SetEntries({low, high});
  return damping;
}

TEST(aif_ModalDampingTest, EveryKind) {
  const auto composite = ModalDampingTable<kprC_CompositeDamping>();
  EXPECT_EQ(KeywordText(aif_ModalDamping(&composite)),
            "*Modal Damping, modal=COMPOSITE\n1, 5\n6, 20\n");
  const auto direct = ModalDampingTable<kprC_DirectDamping>();
  EXPECT_EQ(KeywordText(aif_ModalDamping(&direct)), "*Modal Damping\n1, 5, 0.02\n6, 20, 0.05\n");
  const auto rayleigh = ModalDampingTable<kprC_RayleighDamping>();
  EXPECT_EQ(KeywordText(aif_ModalDamping(&rayleigh)),
            "*Modal Damping, rayleigh\n1, 5, 0.1, 0.001\n6, 20, 0.2, 0.002\n");
  const auto structural = ModalDampingTable<kprC_StructuralDamping>();
  EXPECT_EQ(KeywordText(aif_ModalDamping(&structural)),
            "*Modal Damping, structural\n1, 5, 0.04\n6, 20, 0.08\n");
  const auto directByFrequency = ModalDampingTable<kprC_DirectDampingByFrequency>();
  EXPECT_EQ(KeywordText(aif_ModalDamping(&directByFrequency)),
            "*Modal Damping, definition=FREQUENCY RANGE\n0.5, 0.02\n100., 0.05\n");
  const auto rayleighByFrequency = ModalDampingTable<kprC_RayleighDampingByFrequency>();
  EXPECT_EQ(KeywordText(aif_ModalDamping(&rayleighByFrequency)),
            "*Modal Damping, rayleigh, definition=FREQUENCY RANGE\n"
            "0.5, 0.1, 0.001\n100., 0.2, 0.002\n");
  const auto structuralByFrequency = ModalDampingTable<kprC_StructuralDampingByFrequency>();
  EXPECT_EQ(KeywordText(aif_ModalDamping(&structuralByFrequency)),
            "*Modal Damping, structural, definition=FREQUENCY RANGE\n0.5, 0.04\n100., 0.08\n");

  // A table without entries still opens the keyword; a clone writes the same.
  const kprC_RayleighDamping none;
  const aif_ModalDamping empty(&none);
  EXPECT_FALSE(empty.IsEmpty());
  EXPECT_EQ(KeywordText(empty), "*Modal Damping, rayleigh\n");
  const std::unique_ptr<akw_Keyword> clone(aif_ModalDamping(&structural).Clone());
  EXPECT_EQ(KeywordText(*clone), "*Modal Damping, structural\n1, 5, 0.04\n6, 20, 0.08\n");
}

TEST(aif_ModalDampingTest, MissingDefinitionWritesNothing) {
  const aif_ModalDamping keyword(static_cast<const kprC_DirectDamping*>(nullptr));
  EXPECT_TRUE(keyword.IsEmpty());
  EXPECT_EQ(KeywordText(keyword), "");
}

}  // namespace
