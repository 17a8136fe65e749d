// "*Enrichment Activation": the crack switched on or off in a step.
#include <gtest/gtest.h>

#include <string>

#include "OdbAttrEO/kinC_Interaction.h"
#include "aif/impl/interactions/aif_EnrichmentActivation.h"
#include "support/aif_TestSupport.h"

namespace {

std::string EnrichmentTestText(const kinC_XFEMCrackGrowth& growth, const char* step = "Step-1") {
  return aif_test::KeywordText(aif_EnrichmentActivation(growth, step));
}

TEST(aif_EnrichmentActivationTest, OnOrOffPerStep) {
  kinC_XFEMCrackGrowth growth;
  growth.SetCrackName("Crack-1");
  kinC_XFEMCrackGrowthState on;
  on.SetActive(true);
  growth.SetState("Step-1", 1, on);
  kinC_XFEMCrackGrowthState off;
  off.SetActive(false, 1);
  growth.SetState("Step-2", 3, off);
  EXPECT_EQ(EnrichmentTestText(growth), "*Enrichment Activation, name=Crack-1, activate=ON\n");
  EXPECT_EQ(EnrichmentTestText(growth, "Step-2"),
            "*Enrichment Activation, name=Crack-1, activate=OFF\n");
  // No state in the step: nothing.
  EXPECT_EQ(EnrichmentTestText(growth, "Step-3"), "");
  // The crack's name is written printable, each component on its own.
  growth.SetCrackName("Block-1.Crack 1");
  EXPECT_EQ(EnrichmentTestText(growth),
            "*Enrichment Activation, name=Block-1.\"Crack 1\", activate=ON\n");
}

}  // namespace
