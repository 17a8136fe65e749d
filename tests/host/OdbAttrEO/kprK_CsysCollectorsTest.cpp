// The collectors of objects applied in a datum coordinate system: what each
// gathers, in name order, with the step it is created in.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "HostModules/hst_ModelBuilder.h"
#include "OdbAttrEO/kbcC_BC.h"
#include "OdbAttrEO/kbcK_CollectBCCsysRegionAndStep.h"
#include "OdbAttrEO/kloC_Load.h"
#include "OdbAttrEO/kloK_CollectLoadCsysRegionAndStep.h"
#include "OdbAttrEO/kprC_AdptMeshCons.h"
#include "OdbAttrEO/kprC_AnalysisSteps.h"
#include "OdbAttrEO/kprK_CollectAMCCsysRegionAndStep.h"

namespace {

// One line per collected entry: "name region datum step".
struct CsysCollected {
  cow_List<rgnC_Region> regions;
  cow_List<dtmC_DatumRef> datums;
  cow_List<cow_String> names, steps;
  std::vector<std::string> Lines() const {
    std::vector<std::string> lines;
    for (std::size_t i = 0; i < names.Length(); ++i)
      lines.push_back(names[i].Str() + " " + regions[i].Name().Str() + " " + datums[i].name.Str() +
                      " " + steps[i].Str());
    return lines;
  }
};

}  // namespace

TEST(kprK_CsysCollectors, ObjectsInADatumSystemWithTheirCreatingStep) {
  hst_ModelBuilder b("Csys-Model");
  b.AddStep("Step-1", kprC_StaticStep());
  b.AddStep("Step-2", kprC_StaticStep());
  const dtmC_DatumRef csys{{}, "Csys-1"};

  kbcC_DisplacementBC held;  // created in Step-2 by its status
  held.SetRegion(rgnC_Region("Base", {"Assembly"}));
  held.SetLocalCsys(csys);
  held.SetState("Step-2", 1, kbcC_DisplacementBCState());
  b.AddBoundaryCondition("B-Held", held);
  kbcC_DisplacementBC named = held;  // the step it names
  named.SetCreatedStepName("Step-1");
  b.AddBoundaryCondition("A-Named", named);
  kbcC_DisplacementBC global;  // no system
  global.SetRegion(rgnC_Region("Top", {"Assembly"}));
  b.AddBoundaryCondition("C-Global", global);
  kbcC_DisplacementBC off = held;
  off.SetSuppressed(true);
  b.AddBoundaryCondition("D-Off", off);

  kprC_DispAdptMeshCons mesh;
  mesh.SetRegion(rgnC_Region("Skin", {"Assembly"}));
  mesh.SetLocalCsys(csys);
  b.AddAdaptiveMeshConstraint("Mesh", mesh);

  kloC_Moment moment;
  moment.SetRegion(rgnC_Region("Tip", {"Assembly"}));
  moment.SetLocalCsys(csys);
  moment.SetStatus("Step-1", 1);
  b.AddLoad("Moment", moment);
  kloC_Pressure pressure;  // carries its system in its own keyword
  pressure.SetRegion(rgnC_Region("Face", {"Assembly"}));
  pressure.SetLocalCsys(csys);
  b.AddLoad("Pressure", pressure);
  b.Model();  // registered in the model database

  CsysCollected c;
  kbcK_CollectBCCsysRegionAndStep("Csys-Model", c.regions, c.datums, c.names, c.steps);
  kprK_CollectAMCCsysRegionAndStep("Csys-Model", c.regions, c.datums, c.names, c.steps);
  kloK_CollectLoadCsysRegionAndStep("Csys-Model", c.regions, c.datums, c.names, c.steps);
  EXPECT_EQ(c.Lines(),
            (std::vector<std::string>{"A-Named Base Csys-1 Step-1", "B-Held Base Csys-1 Step-2",
                                      "Mesh Skin Csys-1 ", "Moment Tip Csys-1 Step-1"}));

  // A model the database does not hold adds nothing.
  CsysCollected none;
  kbcK_CollectBCCsysRegionAndStep("Other", none.regions, none.datums, none.names, none.steps);
  EXPECT_TRUE(none.Lines().empty());
}
