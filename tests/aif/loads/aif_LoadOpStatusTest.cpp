// Which load keywords carry ", op=NEW" in which step: the category of every
// load kind and form, the steps where a load is removed or a bolt changes its
// method, and the kinds whose loads overlap.

#include "aif/impl/loads/aif_LoadOpStatus.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "HostModules/hst_ModelBuilder.h"
#include "OdbAttrEO/kloC_Load.h"
#include "aif/impl/core/aif_Exception.h"
#include "aif/impl/core/aif_Job.h"
#include "aif/impl/core/aif_ModelInfo.h"

namespace {

// The categories flagged in each step, "Step: c c ..." (or "-") per step, one
// step per line.
std::string LoadOpFlags(const aif_LoadOpStatus& status) {
  std::string text;
  for (const cow_String& step : status.Steps()) {
    std::string flagged;
    for (int category = 0; category < aif_LoadOpStatus::kCategoryCount; ++category)
      if (status.CategoryNeedsNewOp(category, step)) {
        if (!flagged.empty()) flagged += ' ';
        flagged += std::to_string(category);
      }
    text += step.Str() + ": " + (flagged.empty() ? "-" : flagged) + "\n";
  }
  return text;
}

// A model of one brick instance "Block-1" and the static steps "Step-1" to
// "Step-<steps>", with the loads `addLoads` gives it; runs `check` with the
// op status built over the initial step and the first `builtSteps` steps.
void WithLoadOpStatus(const std::function<void(hst_ModelBuilder&)>& addLoads, int steps,
                      int builtSteps,
                      const std::function<void(const aif_LoadOpStatus&, const aif_Model&)>& check) {
  hst_ModelBuilder b;
  b.AddPart("Block", hst_GridMesh(2, 1, 1));
  b.AddInstance("Block-1", "Block");
  cow_List<cow_String> names;
  names.Append("Initial");
  for (int i = 1; i <= steps; ++i) {
    const cow_String name = ("Step-" + std::to_string(i)).c_str();
    b.AddStep(name, kprC_StaticStep());
    if (i <= builtSteps) names.Append(name);
  }
  addLoads(b);
  const bas_NewModel model = b.Model();
  aif_Job job("Job-1", b.Job(), model);
  aif_ModelInfo info(job);
  aif_LoadOpStatus status;
  status.BuildLoadOpStatus(info.ModelAdapter().Loads(), names, info);
  check(status, info.ModelAdapter());
}

// A region of instance "Block-1" named `name` holding the nodes `nodes`.
rgnC_Region LoadOpRegion(const char* name, std::initializer_list<int> nodes = {}) {
  rgnC_Region region(name, {"Assembly", "Block-1"});
  region.SetKernelValid(true);
  region.SetKernelInstanceIds({1});
  if (nodes.size() != 0) region.SetKernelNodeIndices(1, nodes);
  return region;
}

// `load` on `region` with status `statuses[i]` in step i + 1 (0: no status).
template <class Load>
Load LoadOpLoad(const rgnC_Region& region, std::initializer_list<int> statuses) {
  Load load;
  load.SetRegion(region);
  int step = 1;
  for (int status : statuses) {
    if (status != 0)
      load.SetState(("Step-" + std::to_string(step)).c_str(), status,
                    kloC_LoadState(status, {1.0}));
    ++step;
  }
  return load;
}

template <class Load>
Load FieldLoad(const rgnC_Region& region, std::initializer_list<int> statuses) {
  Load load = LoadOpLoad<Load>(region, statuses);
  load.SetFieldName("AnalyticalField-1");
  load.SetDistribution(2);
  return load;
}

TEST(aif_LoadOpStatusTest, EveryLoadKindHasItsCategoryByItsFieldSelector) {
  struct Kind {
    const char* name;
    unsigned typeId;
  };
  const std::vector<Kind> kinds = {
      {"ConcentratedForce", kloC_ConcentratedForce::TypeId()},
      {"Moment", kloC_Moment::TypeId()},
      {"PEGLoad", kloC_PEGLoad::TypeId()},
      {"ConcentratedPoreFluid", kloC_ConcentratedPoreFluid::TypeId()},
      {"InwardVolAccel", kloC_InwardVolAccel::TypeId()},
      {"ReferencePressure", kloC_ReferencePressure::TypeId()},
      {"BoltLoad", kloC_BoltLoad::TypeId()},
      {"Pressure", kloC_Pressure::TypeId()},
      {"SurfaceTraction", kloC_SurfaceTraction::TypeId()},
      {"ShellEdgeLoad", kloC_ShellEdgeLoad::TypeId()},
      {"BodyForce", kloC_BodyForce::TypeId()},
      {"LineLoad", kloC_LineLoad::TypeId()},
      {"Gravity", kloC_Gravity::TypeId()},
      {"RotationalBodyForce", kloC_RotationalBodyForce::TypeId()},
      {"CoriolisForce", kloC_CoriolisForce::TypeId()},
      {"PipePressure", kloC_PipePressure::TypeId()},
      {"SubmodelStressBased", kloC_SubmodelStressBased::TypeId()},
      {"ConcentratedHeatFlux", kloC_ConcentratedHeatFlux::TypeId()},
      {"ConcentratedConcentrationFlux", kloC_ConcentratedConcentrationFlux::TypeId()},
      {"BodyHeatFlux", kloC_BodyHeatFlux::TypeId()},
      {"SurfaceHeatFlux", kloC_SurfaceHeatFlux::TypeId()},
      {"BodyConcentrationFlux", kloC_BodyConcentrationFlux::TypeId()},
      {"SurfaceConcentrationFlux", kloC_SurfaceConcentrationFlux::TypeId()},
      {"SurfacePoreFluid", kloC_SurfacePoreFluid::TypeId()},
      {"HydroFluidFlow", kloC_HydroFluidFlow::TypeId()},
      {"OtherLoad", kloC_OtherLoad::TypeId()},
      {"ConcentratedCharge", kloC_ConcentratedCharge::TypeId()},
      {"SurfaceCharge", kloC_SurfaceCharge::TypeId()},
      {"BodyCharge", kloC_BodyCharge::TypeId()},
      {"ConcentratedCurrent", kloC_ConcentratedCurrent::TypeId()},
      {"SurfaceCurrent", kloC_SurfaceCurrent::TypeId()},
      {"BodyCurrent", kloC_BodyCurrent::TypeId()},
      {"ConnectorForce", kloC_ConnectorForce::TypeId()},
      {"ConnectorMoment", kloC_ConnectorMoment::TypeId()},
      {"InertiaRelief", kloC_InertiaRelief::TypeId()},
      {"SubstructureLoad", kloC_SubstructureLoad::TypeId()},
      // Not kinds of load of their own.
      {"Load", kloC_Load::TypeId()},
      {"Distributed", kloC_Distributed::TypeId()},
      {"Traction", kloC_Traction::TypeId()},
      {"LoadState", kloC_LoadState::TypeId()},
  };
  // "name: uniform field", each the category with the selector clear and set,
  // or the error.
  const aif_LoadOpStatus status;
  std::string table;
  for (const Kind& kind : kinds) {
    table.append(kind.name).append(":");
    for (bool field : {false, true}) {
      table.append(" ");
      try {
        bool selector = field;
        table.append(std::to_string(status.StatusKey(kind.typeId, selector)));
      } catch (const aif_Exception& e) {
        table.append(e.Message().Str());
      }
    }
    table.append("\n");
  }
  const char* const kUnknown = "Unimplemented load->OP status conversion";
  EXPECT_EQ(std::string("ConcentratedForce: 0 0\n"
                        "Moment: 0 0\n"
                        "PEGLoad: 0 0\n"
                        "ConcentratedPoreFluid: 0 0\n"
                        "InwardVolAccel: 0 0\n"
                        "ReferencePressure: 0 0\n"
                        "BoltLoad: 0 0\n"
                        "Pressure: 2 1\n"
                        "SurfaceTraction: 2 1\n"
                        "ShellEdgeLoad: 2 1\n"
                        "BodyForce: 1 1\n"
                        "LineLoad: 1 1\n"
                        "Gravity: 1 1\n"
                        "RotationalBodyForce: 1 1\n"
                        "CoriolisForce: 1 1\n"
                        "PipePressure: 1 1\n"
                        "SubmodelStressBased: 2 2\n"
                        "ConcentratedHeatFlux: 3 3\n"
                        "ConcentratedConcentrationFlux: 3 3\n"
                        "BodyHeatFlux: 4 4\n"
                        "SurfaceHeatFlux: 5 4\n"
                        "BodyConcentrationFlux: 4 4\n"
                        "SurfaceConcentrationFlux: 4 4\n"
                        "SurfacePoreFluid: 6 17\n"
                        "HydroFluidFlow: 7 7\n"
                        "OtherLoad: 8 8\n"
                        "ConcentratedCharge: 9 9\n"
                        "SurfaceCharge: 11 10\n"
                        "BodyCharge: 10 10\n"
                        "ConcentratedCurrent: 12 12\n"
                        "SurfaceCurrent: 14 13\n"
                        "BodyCurrent: 13 13\n"
                        "ConnectorForce: 15 15\n"
                        "ConnectorMoment: 15 15\n"
                        "InertiaRelief: 16 16\n"
                        "SubstructureLoad: 18 18\n") +
                "Load: " + kUnknown + " " + kUnknown + "\n" + "Distributed: " + kUnknown + " " +
                kUnknown + "\n" + "Traction: " + kUnknown + " " + kUnknown + "\n" +
                "LoadState: " + kUnknown + " " + kUnknown + "\n",
            table);
}

TEST(aif_LoadOpStatusTest, ARemovedLoadOrAChangedBoltMethodFlagsItsCategoryInThatStep) {
  WithLoadOpStatus(
      [](hst_ModelBuilder& b) {
        // Uniform pressure removed in step 2: category 2 there.
        b.AddLoad("Pressure-1", LoadOpLoad<kloC_Pressure>(LoadOpRegion("Surf-1"), {1, 4, 0}));
        b.AddLoad("Pressure-2", LoadOpLoad<kloC_Pressure>(LoadOpRegion("Surf-2"), {1, 2, 2}));
        // Field pressure removed in step 3: category 1 there.
        b.AddLoad("Pressure-3", FieldLoad<kloC_Pressure>(LoadOpRegion("Surf-3"), {1, 2, 4}));
        // A suppressed load flags nothing; nor does an inactive one (11).
        kloC_ConcentratedHeatFlux suppressed =
            LoadOpLoad<kloC_ConcentratedHeatFlux>(LoadOpRegion("Set-1"), {1, 4, 0});
        suppressed.SetSuppressed(true);
        b.AddLoad("Flux-1", suppressed);
        b.AddLoad("Flux-2",
                  LoadOpLoad<kloC_ConcentratedHeatFlux>(LoadOpRegion("Set-2"), {1, 11, 11}));
        // A bolt whose method changes in step 2: category 0 there; the same
        // bolt modified in step 3 without a method change flags nothing.
        kloC_BoltLoad bolt = LoadOpLoad<kloC_BoltLoad>(LoadOpRegion("Cut"), {1});
        kloC_LoadState changed(3, {1.0});
        changed.SetMethod(kloC_FIX_LENGTH, 1, true);
        bolt.SetState("Step-2", 3, changed);
        kloC_LoadState unchanged(3, {2.0});
        unchanged.SetMethod(kloC_FIX_LENGTH, 2, false);
        bolt.SetState("Step-3", 3, unchanged);
        b.AddLoad("Bolt-1", bolt);
        // A bolt removed is not flagged as a bolt (the boundary-condition
        // side writes its removal).
        b.AddLoad("Bolt-2", LoadOpLoad<kloC_BoltLoad>(LoadOpRegion("Cut-2"), {1, 1, 4}));
      },
      3, 3,
      [](const aif_LoadOpStatus& status, const aif_Model& model) {
        EXPECT_EQ("Initial: -\nStep-1: -\nStep-2: 0 2\nStep-3: 1\n", LoadOpFlags(status));
        // The other uniform pressure is restated in step 2; the field one is
        // not.
        const auto& loads = model.Loads();
        EXPECT_TRUE(status.LoadNeedsNewOp(loads.ConstGet("Pressure-2"), "Step-2"));
        EXPECT_FALSE(status.LoadNeedsNewOp(loads.ConstGet("Pressure-3"), "Step-2"));
        EXPECT_FALSE(status.LoadNeedsNewOp(loads.ConstGet("Pressure-2"), "Step-3"));
        EXPECT_TRUE(status.LoadNeedsNewOp(loads.ConstGet("Pressure-3"), "Step-3"));
        EXPECT_TRUE(status.LoadNeedsNewOp(loads.ConstGet("Bolt-2"), "Step-2"));
        EXPECT_THROW(status.LoadNeedsNewOp(loads.ConstGet("Pressure-2"), "Step-4"), cow_OutOfRange);
      });
}

TEST(aif_LoadOpStatusTest, LoadsWrittenByTheSameKeywordShareTheirRestatement) {
  // A body heat flux removed in step 2 restates the surface concentration
  // flux, also written as "*Dflux", but not the uniform surface heat flux
  // ("*Dsflux").
  WithLoadOpStatus(
      [](hst_ModelBuilder& b) {
        b.AddLoad("Body", LoadOpLoad<kloC_BodyHeatFlux>(LoadOpRegion("Set-1"), {1, 4}));
        b.AddLoad("Concentration",
                  LoadOpLoad<kloC_SurfaceConcentrationFlux>(LoadOpRegion("Surf-1"), {1, 2}));
        b.AddLoad("Surface", LoadOpLoad<kloC_SurfaceHeatFlux>(LoadOpRegion("Surf-2"), {1, 2}));
      },
      2, 2,
      [](const aif_LoadOpStatus& status, const aif_Model& model) {
        EXPECT_EQ("Initial: -\nStep-1: -\nStep-2: 4\n", LoadOpFlags(status));
        EXPECT_TRUE(status.LoadNeedsNewOp(model.Loads().ConstGet("Concentration"), "Step-2"));
        EXPECT_FALSE(status.LoadNeedsNewOp(model.Loads().ConstGet("Surface"), "Step-2"));
      });
  // And the other way round.
  WithLoadOpStatus(
      [](hst_ModelBuilder& b) {
        b.AddLoad("Body", LoadOpLoad<kloC_BodyHeatFlux>(LoadOpRegion("Set-1"), {1, 2}));
        b.AddLoad("Concentration",
                  LoadOpLoad<kloC_SurfaceConcentrationFlux>(LoadOpRegion("Surf-1"), {1, 4}));
      },
      2, 2,
      [](const aif_LoadOpStatus& status, const aif_Model& model) {
        EXPECT_EQ("Initial: -\nStep-1: -\nStep-2: 4\n", LoadOpFlags(status));
        EXPECT_TRUE(status.LoadNeedsNewOp(model.Loads().ConstGet("Body"), "Step-2"));
      });

  // A body charge removed in step 2 restates the field-given surface charge
  // ("*Decharge" both), not the uniform one ("*Dsecharge"); likewise for
  // currents, and a field traction restates with the field pressures.
  WithLoadOpStatus(
      [](hst_ModelBuilder& b) {
        b.AddLoad("Charge-Body", LoadOpLoad<kloC_BodyCharge>(LoadOpRegion("Set-1"), {1, 4}));
        b.AddLoad("Charge-Field", FieldLoad<kloC_SurfaceCharge>(LoadOpRegion("Surf-1"), {1, 2}));
        b.AddLoad("Charge-Uniform", LoadOpLoad<kloC_SurfaceCharge>(LoadOpRegion("Surf-2"), {1, 2}));
        b.AddLoad("Current-Field", FieldLoad<kloC_SurfaceCurrent>(LoadOpRegion("Surf-3"), {1, 4}));
        b.AddLoad("Current-Body", LoadOpLoad<kloC_BodyCurrent>(LoadOpRegion("Set-2"), {1, 2}));
        b.AddLoad("Current-Uniform",
                  LoadOpLoad<kloC_SurfaceCurrent>(LoadOpRegion("Surf-4"), {1, 2}));
        b.AddLoad("Traction", FieldLoad<kloC_SurfaceTraction>(LoadOpRegion("Surf-5"), {1, 4}));
        b.AddLoad("Pressure", FieldLoad<kloC_Pressure>(LoadOpRegion("Surf-6"), {1, 2}));
      },
      2, 2,
      [](const aif_LoadOpStatus& status, const aif_Model& model) {
        EXPECT_EQ("Initial: -\nStep-1: -\nStep-2: 1 10 13\n", LoadOpFlags(status));
        const auto& loads = model.Loads();
        EXPECT_TRUE(status.LoadNeedsNewOp(loads.ConstGet("Charge-Field"), "Step-2"));
        EXPECT_FALSE(status.LoadNeedsNewOp(loads.ConstGet("Charge-Uniform"), "Step-2"));
        EXPECT_TRUE(status.LoadNeedsNewOp(loads.ConstGet("Current-Body"), "Step-2"));
        EXPECT_FALSE(status.LoadNeedsNewOp(loads.ConstGet("Current-Uniform"), "Step-2"));
        EXPECT_TRUE(status.LoadNeedsNewOp(loads.ConstGet("Pressure"), "Step-2"));
      });
}

TEST(aif_LoadOpStatusTest, OverlappingLoadsFlagTheirCategoryInEveryAnalysisStep) {
  auto addLoads = [](hst_ModelBuilder& b) {
    // Two forces on one set: category 0.
    b.AddLoad("Force-1", LoadOpLoad<kloC_ConcentratedForce>(LoadOpRegion("Set-1"), {1}));
    b.AddLoad("Force-2", LoadOpLoad<kloC_ConcentratedForce>(LoadOpRegion("Set-1"), {1}));
    // Two field pressures on surfaces sharing node 1: category 1.
    b.AddLoad("Field-1", FieldLoad<kloC_Pressure>(LoadOpRegion("Surf-1", {0, 1}), {1}));
    b.AddLoad("Field-2", FieldLoad<kloC_Pressure>(LoadOpRegion("Surf-2", {1, 2}), {1}));
    // Two uniform pressures sharing node 1 never overlap.
    b.AddLoad("Uniform-1", LoadOpLoad<kloC_Pressure>(LoadOpRegion("Surf-3", {0, 1}), {1}));
    b.AddLoad("Uniform-2", LoadOpLoad<kloC_Pressure>(LoadOpRegion("Surf-4", {1, 2}), {1}));
    // Field body fluxes on disjoint nodes do not either.
    b.AddLoad("Flux-1", FieldLoad<kloC_BodyHeatFlux>(LoadOpRegion("Set-2", {0, 1}), {1}));
    b.AddLoad("Flux-2", FieldLoad<kloC_BodyHeatFlux>(LoadOpRegion("Set-3", {2, 3}), {1}));
    b.AddLoad("Flux-3", FieldLoad<kloC_BodyHeatFlux>(LoadOpRegion("Set-4", {4, 5}), {1}));
  };
  WithLoadOpStatus(addLoads, 2, 2, [](const aif_LoadOpStatus& status, const aif_Model&) {
    EXPECT_EQ("Initial: -\nStep-1: 0 1\nStep-2: 0 1\n", LoadOpFlags(status));
  });
  // With only the initial step nothing is flagged.
  WithLoadOpStatus(addLoads, 2, 0, [](const aif_LoadOpStatus& status, const aif_Model&) {
    EXPECT_EQ("Initial: -\n", LoadOpFlags(status));
  });

  // A suppressed load does not overlap; a field flux on nodes another one
  // already holds (after a disjoint one) does.
  WithLoadOpStatus(
      [](hst_ModelBuilder& b) {
        kloC_ConcentratedForce suppressed =
            LoadOpLoad<kloC_ConcentratedForce>(LoadOpRegion("Set-1"), {1});
        suppressed.SetSuppressed(true);
        b.AddLoad("Force-1", LoadOpLoad<kloC_ConcentratedForce>(LoadOpRegion("Set-1"), {1}));
        b.AddLoad("Force-2", suppressed);
        b.AddLoad("Flux-1", FieldLoad<kloC_BodyHeatFlux>(LoadOpRegion("Set-2", {0, 1}), {1}));
        b.AddLoad("Flux-2", FieldLoad<kloC_BodyHeatFlux>(LoadOpRegion("Set-3", {2, 3}), {1}));
        b.AddLoad("Flux-3", FieldLoad<kloC_BodyHeatFlux>(LoadOpRegion("Set-4", {3, 4}), {1}));
      },
      1, 1,
      [](const aif_LoadOpStatus& status, const aif_Model&) {
        EXPECT_EQ("Initial: -\nStep-1: 4\n", LoadOpFlags(status));
      });
}

}  // namespace
