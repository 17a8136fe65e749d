// Actuators and sensors as user elements: the "*User Element" and its
// one-node element where the region's instance is written (its part for a
// lightweight instance of a part-based file), the "_AS_" node and element
// sets in the assembly under the name "*Uel Property" uses; nothing in
// Explicit; a region without nodes stops the write.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "HostModules/hst_ModelBuilder.h"
#include "OdbAttrEO/kinC_ActuatorSensorProp.h"
#include "OdbAttrEO/kinC_Interaction.h"
#include "OdbAttrEO/kprC_AnalysisSteps.h"
#include "aif/impl/interactions/aif_InteractionBuilder.h"
#include "support/aif_BuilderRun.h"
#include "support/aif_FaultLoops.h"
#include "support/aif_TestSupport.h"

namespace {

using AspRun = aif_test::BuilderRun<aif_InteractionBuilder>;

// Two bricks placed twice (Block-1, Block-2), both lightweight when asked;
// one static step.
hst_ModelBuilder AspModel(bool lightweight = false) {
  hst_ModelBuilder b;
  b.AddPart("Block", hst_GridMesh(1, 1, 2));
  hst_ModelBuilder::InstanceOptions options;
  options.lightweight = lightweight;
  b.AddInstance("Block-1", "Block", options);
  b.AddInstance("Block-2", "Block", options);
  b.AddStep("Step-1", kprC_StaticStep());
  return b;
}

// The region `name` of instance `instance` (feature id 1 or 2) over the
// nodes `indices`.
rgnC_Region AspRegion(const char* name, unsigned instance, std::initializer_list<int> indices) {
  rgnC_Region region(name, {"Assembly", instance == 1 ? "Block-1" : "Block-2"});
  region.SetKernelInstanceIds({instance});
  if (indices.size() != 0) region.SetKernelNodeIndices(static_cast<int>(instance), indices);
  return region;
}

kinC_ActuatorSensor AspActuator(const rgnC_Region& region, const char* property = "") {
  kinC_ActuatorSensor actuator;
  actuator.SetRegion(region);
  actuator.SetElementType("U1");
  actuator.SetCoordinateCount(3);
  actuator.SetDofLine("1, 2, 3");
  actuator.SetPropertyName(property);
  return actuator;
}

}  // namespace

// The element stands on the first node of the region's first instance; the
// sets name the region with "_AS_", quoted as a whole where needed, the
// same name "*Uel Property" carries.
TEST(aif_ActuatorSensorPass, UserElementElementAndSets) {
  hst_ModelBuilder b = AspModel();
  kinC_ActuatorSensorProp property;
  property.SetRealValues({1.5, 2.5});
  property.SetIntegerValues({4});
  b.AddInteractionProperty("Gain", property);
  b.AddInteraction("Act-1", AspActuator(AspRegion("Tip zone", 2, {6, 2}), "Gain"));
  const AspRun run(b);
  EXPECT_EQ(
      "** Interaction = Act-1, Type: Actuator/Sensor\n"
      "*User Element, type=U1, nodes=1, coordinates=3, properties=2, i properties=1, "
      "variables=0\n"
      "1, 2, 3\n"
      "*Element, type=U1\n"
      "3, 7\n",
      AspRun::Text(run.builder.InstanceDefinition("Block-2")));
  EXPECT_EQ("", AspRun::Text(run.builder.InstanceDefinition("Block-1")));
  EXPECT_EQ(
      "*Nset, nset=Block-2.\"Tip zone_AS_\", internal, instance=Block-2\n 3, 7\n"
      "*Elset, elset=Block-2.\"Tip zone_AS_\", internal, instance=Block-2\n 3,\n",
      AspRun::Text(run.builder.AssemblyDefinition()));
  EXPECT_NE(std::string::npos,
            run.Definition().find("** Interaction property: Gain, Type: Actuator/Sensor\n"
                                  "*Uel Property, elset=Block-2.\"Tip zone_AS_\"\n"));
}

// Lightweight instances of a part-based file have their keywords in the
// part; the sets stay in the assembly.
TEST(aif_ActuatorSensorPass, LightweightInstanceWritesInThePart) {
  hst_ModelBuilder b = AspModel(true);
  b.AddInteraction("Act-1", AspActuator(AspRegion("Tip", 2, {5})));
  const AspRun run(b);
  EXPECT_EQ(
      "** Interaction = Act-1, Type: Actuator/Sensor\n"
      "*User Element, type=U1, nodes=1, coordinates=3, properties=0, i properties=0, "
      "variables=0\n"
      "1, 2, 3\n"
      "*Element, type=U1\n"
      "3, 6\n",
      AspRun::Text(run.builder.PartDefinition("Block")));
  EXPECT_EQ("", AspRun::Text(run.builder.InstanceDefinition("Block-2")));
  EXPECT_NE(std::string::npos,
            AspRun::Text(run.builder.AssemblyDefinition()).find("*Nset, nset=Block-2.Tip_AS_"));
}

// Explicit writes no actuator or sensor; a suppressed one or one on a region
// the kernel no longer resolves writes nothing either.
TEST(aif_ActuatorSensorPass, NothingInExplicitOrForLostRegions) {
  hst_ModelBuilder b = AspModel();
  rgnC_Region lost = AspRegion("Lost", 1, {0});
  lost.SetKernelValid(false);
  b.AddInteraction("Act-1", AspActuator(lost));
  kinC_ActuatorSensor off = AspActuator(AspRegion("Tip", 1, {0}));
  off.SetSuppressed(true);
  b.AddInteraction("Act-2", off);
  {
    const AspRun run(b);
    EXPECT_EQ("", AspRun::Text(run.builder.InstanceDefinition("Block-1")));
    EXPECT_EQ("", AspRun::Text(run.builder.AssemblyDefinition()));
  }
  b.AddInteraction("Act-3", AspActuator(AspRegion("Tip", 1, {0})));
  b.Steps().SetAnalysisProduct(kprC_EXPLICIT);
  const AspRun run(b);
  EXPECT_EQ("", AspRun::Text(run.builder.InstanceDefinition("Block-1")));
  EXPECT_EQ("", AspRun::Text(run.builder.AssemblyDefinition()));
  EXPECT_EQ("", run.Definition());
}

// A region without nodes cannot carry the element: the write stops and no
// file is left, whether or not one was there before.
TEST(aif_ActuatorSensorPass, RegionWithoutNodesStopsTheWrite) {
  hst_ModelBuilder b = AspModel();
  b.AddInteraction("Act-1", AspActuator(AspRegion("Empty", 1, {})));
  const std::string path =
      (std::filesystem::temp_directory_path() / "aif_ActuatorSensorPass.inp").string();
  std::filesystem::remove(path);
  EXPECT_EQ(
      "The actuator/sensor Act-1 has no node in its region; its user element cannot be "
      "written.",
      aif_test::DriverWriteError(b, path));
  EXPECT_FALSE(std::filesystem::exists(path));
  std::ofstream(path) << "kept\n";
  EXPECT_EQ(
      "The actuator/sensor Act-1 has no node in its region; its user element cannot be "
      "written.",
      aif_test::DriverWriteError(b, path));
  EXPECT_FALSE(std::filesystem::exists(path));
}

// On the assembly's own nodes the user element and its element (labelled
// after the assembly's own element) stand in the assembly; two actuators or sensors on one region
// would define one
// "_AS_" set twice and stop the write, naming both.
TEST(aif_ActuatorSensorPass, AssemblyNodesAndSharedRegions) {
  hst_ModelBuilder b = AspModel();
  b.AddAssemblyNodes(hst_Mesh({0, 0, 0, 1, 0, 0}, "T3D2", 2, {0, 1}), 0);
  rgnC_Region own("Own", {"Assembly"});
  own.SetKernelInstanceIds({1000u});
  own.SetKernelNodeIndices(1000, {1});
  b.AddInteraction("Act-1", AspActuator(own));
  {
    const AspRun run(b);
    EXPECT_EQ(
        "** Interaction = Act-1, Type: Actuator/Sensor\n"
        "*User Element, type=U1, nodes=1, coordinates=3, properties=0, i properties=0, "
        "variables=0\n"
        "1, 2, 3\n"
        "*Nset, nset=Own_AS_, internal\n 2,\n"
        "*Element, type=U1\n"
        "2, 2\n"
        "*Elset, elset=Own_AS_, internal\n 2,\n",
        AspRun::Text(run.builder.AssemblyDefinition()));
    EXPECT_EQ("", AspRun::Text(run.builder.InstanceDefinition("Block-1")));
  }
  b.AddInteraction("Act-2", AspActuator(own));
  const std::string path =
      (std::filesystem::temp_directory_path() / "aif_ActuatorSensorShared.inp").string();
  EXPECT_EQ(
      "The actuators/sensors Act-1 and Act-2 share the region Own_AS_; each needs a region of "
      "its own.",
      aif_test::DriverWriteError(b, path));
  EXPECT_FALSE(std::filesystem::exists(path));
}
