// Option keywords written one after another through one stream, as a
// material writes its behaviours: every keyword starts on a line of its own,
// the bytes do not depend on the buffer, and a failing sink is reported at
// close.
#include <gtest/gtest.h>

#include <string>

#include "OdbAttrEO/kinC_ContactProperty.h"
#include "OdbAttrEO/kmaC_SubOptions.h"
#include "aif/impl/materials/aif_CapHardening.h"
#include "aif/impl/materials/aif_DamageEvolution.h"
#include "aif/impl/materials/aif_DamageInitiation.h"
#include "aif/impl/materials/aif_DamageStabilization.h"
#include "aif/impl/materials/aif_FailStress.h"
#include "aif/impl/materials/aif_Potential.h"
#include "support/aif_MaterialTestSupport.h"

namespace {

using aif_test::Option;

akw_KeywordList HarnessKeywords() {
  kmaC_DamageInitiation initiation = Option<kmaC_DamageInitiation>({{0.1, 2.0}}, 1);
  initiation.evolution = aif_test::Handle(Option<kmaC_DamageEvolution>({{0.5}}));
  kmaC_DamageStabilizationCohesive cohesive;
  cohesive.coefficient = 0.01;
  // A contact property without evolution: its evolution keyword writes
  // nothing and must not disturb the lines around it.
  cow_COW<kinC_InteractionProperty> contact(new kinC_ContactProperty);
  akw_KeywordList list;
  list.Append(akw_KeywordHandle(new aif_FailStress(Option<kmaC_FailStress>({{1, 2}}))));
  list.Append(akw_KeywordHandle(new aif_DamageInitiation(initiation, 0)));
  list.Append(akw_KeywordHandle(new aif_DamageEvolution(contact)));
  list.Append(akw_KeywordHandle(new aif_Potential(Option<kmaC_Potential>({{1, 1, 1, 1, 1, 1}}))));
  list.Append(akw_KeywordHandle(new aif_DamageStabilization(cohesive)));
  list.Append(
      akw_KeywordHandle(new aif_CapHardening(Option<kmaC_CapHardening>({{3, 0.5}}, 0, true))));
  return list;
}

const std::string kHarnessDeck =
    "*Fail Stress\n"
    " 1., 2.\n"
    "*Damage Initiation, criterion=DUCTILE, dependencies=1\n"
    " 0.1, , 2.\n"
    "*Damage Evolution, type=DISPLACEMENT\n"
    " 0.5,\n"
    "*Potential\n"
    " 1., 1., 1., 1., 1., 1.\n"
    "*Damage Stabilization\n"
    "0.01\n"
    "*Cap Hardening\n"
    " 3., 0.5\n";

TEST(aif_MaterialOptionHarness, KeywordsFollowOneAnotherOnLinesOfTheirOwn) {
  const akw_KeywordList list = HarnessKeywords();
  // Also written with a one-byte buffer.
  EXPECT_EQ(aif_test::WrittenText([&](utl_Stream& s) { akw_WriteKeywords(s, list); }),
            kHarnessDeck);
}

TEST(aif_MaterialOptionHarness, FailingSinkIsReportedAtClose) {
  const akw_KeywordList list = HarnessKeywords();
  // The sink fails after `capacity` bytes: the write goes on without an
  // error, the bytes before the failure are those of the deck, and close
  // reports the failure.
  for (std::size_t capacity = 0; capacity <= kHarnessDeck.size(); ++capacity) {
    aio_FailingSink sink(capacity);
    {
      utl_Stream stream(sink, aif_test::kBreakColumn, aif_test::kDoublePrecision,
                        aif_test::kFloatPrecision, 16);
      akw_WriteKeywords(stream, list);
      stream.Flush();
      ASSERT_EQ(stream.Good(), capacity == kHarnessDeck.size()) << capacity;
    }
    ASSERT_EQ(sink.text(), kHarnessDeck.substr(0, capacity));
    ASSERT_EQ(sink.close(), capacity == kHarnessDeck.size()) << capacity;
  }
}

}  // namespace
