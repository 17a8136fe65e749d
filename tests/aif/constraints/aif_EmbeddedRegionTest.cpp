// "*Embedded Element": host option, tolerances by method, embedded region.
#include "aif/impl/constraints/aif_EmbeddedRegion.h"

#include <gtest/gtest.h>

#include "OdbAttrEO/kcoC_EmbeddedRegion.h"
#include "OdbAttrEO/kcoC_Tie.h"
#include "aif/model/aif_MeshTestSupport.h"
#include "aif_TwoInstanceContext.h"

using aif_test::KeywordText;
using aif_test::ThrownText;

namespace {

using EmbeddedContext = aif_TwoInstanceContext;

kcoC_EmbeddedRegion RebarInHost(int method, double absolute, double fractional) {
  kcoC_EmbeddedRegion embedded(rgnC_Region("Host", {"Assembly", "Part-1-1"}),
                               rgnC_Region("Rebar", {"Assembly", "Part-1-2"}));
  embedded.SetExteriorTolerance(method, absolute, fractional);
  return embedded;
}

}  // namespace

TEST(aif_EmbeddedRegion, TolerancesByMethod) {
  EmbeddedContext parts(false);
  const auto text = [&](const kcoC_EmbeddedRegion& embedded) {
    return KeywordText(aif_EmbeddedRegion("Emb-1", embedded, parts.Info()));
  };
  // Defaults: no tolerance, whatever the method.
  const std::string plain = "*Embedded Element, host elset=Part-1-1.Host\nPart-1-2.Rebar\n";
  EXPECT_EQ(text(kcoC_EmbeddedRegion(rgnC_Region("Host", {"Assembly", "Part-1-1"}),
                                     rgnC_Region("Rebar", {"Assembly", "Part-1-2"}))),
            plain);
  EXPECT_EQ(text(RebarInHost(kcoC_EmbeddedRegion::kBoth, 0.0, 0.05)), plain);
  // Each method writes its own tolerance only.
  EXPECT_EQ(text(RebarInHost(kcoC_EmbeddedRegion::kAbsolute, 0.1, 0.2)),
            "*Embedded Element, host elset=Part-1-1.Host, absolute exterior tolerance=0.1\n"
            "Part-1-2.Rebar\n");
  EXPECT_EQ(text(RebarInHost(kcoC_EmbeddedRegion::kFractional, 0.1, 0.2)),
            "*Embedded Element, host elset=Part-1-1.Host, exterior tolerance=0.2\n"
            "Part-1-2.Rebar\n");
  kcoC_EmbeddedRegion both = RebarInHost(kcoC_EmbeddedRegion::kBoth, 0.1, 0.2);
  both.SetRoundoffTolerance(1e-05);
  EXPECT_EQ(text(both),
            "*Embedded Element, host elset=Part-1-1.Host, absolute exterior tolerance=0.1, "
            "exterior tolerance=0.2, roundoff tolerance=1.e-05\nPart-1-2.Rebar\n");

  // Without a host region the whole model hosts; a flat file joins with "_".
  const kcoC_EmbeddedRegion anywhere(rgnC_Region(), rgnC_Region("Rebar", {"Assembly", "Part-1-2"}));
  EXPECT_EQ(text(anywhere), "*Embedded Element\nPart-1-2.Rebar\n");
  EmbeddedContext flat(true);
  EXPECT_EQ(KeywordText(aif_EmbeddedRegion("Emb-1", RebarInHost(1, 0.0, 0.05), flat.Info())),
            "*Embedded Element, host elset=Part-1-1_Host\nPart-1-2_Rebar\n");

  EXPECT_EQ(ThrownText(aif_EmbeddedRegion("Emb-1", kcoC_Tie(), parts.Info()))
                .rfind("Type test failed: the object is not a kcoC_EmbeddedRegion", 0),
            0u);
}
