// The modelling-space code the distributed-load keywords take from the
// model's assembly.

#include "aif/impl/loads/aif_ModelSpace.h"

#include <gtest/gtest.h>

#include "HostModules/hst_ModelBuilder.h"
#include "aif/impl/core/aif_Job.h"
#include "aif/impl/core/aif_ModelInfo.h"

namespace {

int ModelSpaceOf(hst_ModelBuilder& b) {
  const bas_NewModel model = b.Model();
  aif_Job job("Job-1", b.Job(), model);
  aif_ModelInfo info(job);
  return aif_ModelSpaceCode(info);
}

TEST(aif_ModelSpaceTest, ThreeDimensionalPlanarAxisymmetricOrNone) {
  hst_ModelBuilder b;
  EXPECT_EQ(1, ModelSpaceOf(b));
  b.Assembly().SetSpace(2001);
  EXPECT_EQ(2, ModelSpaceOf(b));
  b.Assembly().SetSpace(2002);
  EXPECT_EQ(4, ModelSpaceOf(b));
  b.Assembly().SetSpace(2003);
  EXPECT_EQ(0, ModelSpaceOf(b));
  hst_ModelBuilder none;
  none.WithoutAssembly();
  EXPECT_EQ(0, ModelSpaceOf(none));
}

}  // namespace
