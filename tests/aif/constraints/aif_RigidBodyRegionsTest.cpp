#include "aif/impl/constraints/aif_RigidBodyRegions.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<std::string> RigidBodyRegionNames(const kcoC_RigidBody& body) {
  std::vector<std::string> names;
  for (const rgnC_Region& region : aif_RigidBodyRegions(body))
    names.push_back(region.Name().Str());
  return names;
}

}  // namespace

TEST(aif_RigidBodyRegionsTest, FourRolesInOrderAndNoneForASuppressedBody) {
  kcoC_RigidBody body;
  // Set out of order: the routine orders them, not the setter calls.
  body.SetRegion(kcoC_RigidBody::kTie, rgnC_Region("Tied", {"Assembly"}));
  body.SetRegion(kcoC_RigidBody::kBody, rgnC_Region("Elements", {"Assembly"}));
  body.SetRegion(kcoC_RigidBody::kPin, rgnC_Region("Pinned", {"Assembly"}));
  body.SetRegion(kcoC_RigidBody::kRefPoint, rgnC_Region("RP", {"Assembly"}));
  // The analytical surface names no covered instance.
  body.SetAnalyticalSurface(rgnC_Region("Surf", {"Assembly"}));
  EXPECT_EQ((std::vector<std::string>{"RP", "Elements", "Pinned", "Tied"}),
            RigidBodyRegionNames(body));

  // Roles not given stay in their places as empty regions.
  kcoC_RigidBody pinOnly;
  pinOnly.SetRegion(kcoC_RigidBody::kPin, rgnC_Region("Pinned", {"Assembly"}));
  EXPECT_EQ((std::vector<std::string>{"", "", "Pinned", ""}), RigidBodyRegionNames(pinOnly));

  body.SetSuppressed(true);
  EXPECT_TRUE(RigidBodyRegionNames(body).empty());
}
