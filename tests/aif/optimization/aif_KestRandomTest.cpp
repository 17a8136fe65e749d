// Random tasks written through the driver: every file must satisfy the
// parameter-file checker (each reference names a block of the file, each
// identifier is used once, every block is closed), and a task the writer
// must refuse is refused with the message that names what it lacks.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cfloat>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "OdbAttrEO/kprC_AnalysisSteps.h"
#include "aif/impl/core/aif_Exception.h"
#include "aif/impl/core/aif_KestBuilder.h"
#include "aif_KestChecker.h"
#include "aif_KestTestSupport.h"
#include "support/aif_TestSupport.h"

namespace {

using aif_kest_test::Context;

// Draws the objects of one random task: names from a small pool (so that
// objects of different kinds share names with each other and the task),
// regions of every kind, every setting a block reads.
class KestRandomTask {
 public:
  explicit KestRandomTask(unsigned seed) : random_(seed) {}

  const char* Name() { return Pick({"Task-1", "Stop-1", "My Task", "Obj", "Task-1_CHECK_BC_"}); }
  // Restriction names: a restriction named like the task's boundary-condition
  // check would share its identifier (one kind, one name), which the file
  // cannot tell apart; the pool leaves that name out.
  const char* RestrictionName() { return Pick({"Task-1", "Stop-1", "My Task", "Obj", "Task-2"}); }

  rgnC_Region Region() {
    switch (Int(0, 5)) {
      case 0:
        return rgnC_Region();
      case 1:
        return rgnC_Region("Set A", {"Plate-1"});
      case 2:
        return rgnC_Region("Skin", {"Plate-1"}, 8);
      case 3:
        return rgnC_Region("Elems", {"Plate-1"}, 2);
      case 4:
        return rgnC_Region("Both", {"Plate-1"}, 6);
      default:
        return rgnC_Region("Nodes", {"Plate-1"}, 4);
    }
  }

  void AddStopConditions(kopC_Task& task) {
    for (int n = Int(0, 3); n > 0; --n) {
      kopC_LocalStopCondition local;
      local.SetRegion(Region());
      local.SetMeasureType(Int(0, 4));
      local.SetQuantity(Int(0, 11));
      local.SetComparison(Int(0, 5));
      local.SetReferenceValue(Int(0, 4) * 0.5);
      local.SetReferenceOperation(Int(0, 4));
      local.SetReferenceBase(Int(0, 2));
      local.SetSuppressed(Int(0, 4) == 0);
      if (Int(0, 3) == 0)
        task.Add(Name(), kopC_StopCondition());
      else
        task.Add(Name(), local);
    }
  }

  // A datum reference: none, the two systems of the plate, or one that
  // names no datum.
  dtmC_DatumRef Csys() {
    switch (Int(0, 3)) {
      case 0:
        return dtmC_DatumRef();
      case 1:
        return aif_kest_test::Datum("Csys-1");
      case 2:
        return aif_kest_test::Datum("Cyl");
      default:
        return aif_kest_test::Datum("Nowhere");
    }
  }

  gsl_ModelSegment Segment() {
    return gsl_ModelSegment(gsl_Point(0, 0, 0), gsl_Point(Int(0, 2), Int(-1, 1), Int(0, 3)));
  }

  // A name a response refers to: mostly one of the unsuppressed responses
  // drawn so far, else any of the pool (present or not, suppressed or not),
  // so that the writer's refusal of references to responses without a
  // block is drawn and most files are still written.
  const char* Reference() {
    if (held_.empty() || Int(0, 7) == 0) return Name();
    return held_[Int(0, static_cast<int>(held_.size()) - 1)];
  }

  // Responses named from the shared pool, combined ones naming others
  // (present or not, suppressed or not, in chains and cycles); objectives
  // and constraints naming responses.
  void AddResponses(kopC_Task& task) {
    held_.clear();
    for (int n = Int(0, 4); n > 0; --n) {
      if (Int(0, 2) == 0) {
        kopC_CombinedTermDesignResponse combined;
        combined.SetOperator(Int(0, 32));
        cow_List<cow_String> variables;
        cow_List<double> weights;
        for (int v = Int(0, 5); v > 0; --v) {
          variables.Append(Reference());
          weights.Append(Int(1, 4) * 0.5);
        }
        combined.SetVariables(variables);
        combined.SetWeights(weights);
        combined.SetRadius(Int(1, 3));
        combined.SetSuppressed(Int(0, 5) == 0);
        AddResponse(task, combined);
        continue;
      }
      kopC_SingleTermDesignResponse single;
      single.SetVariableName(Pick({"SIG_MISES", "DISP", "ENERGY", "DISP_REL", "MASS"}));
      single.SetRegion(Region());
      single.SetSecondRegion(Region());
      single.SetCsys(Csys());
      single.SetGroupOperator(Int(0, 5));
      single.SetSectionPosition(Int(0, 5));
      single.SetLoadCaseSelection(Int(0, 3));
      cow_List<kopC_StepOption> options;
      for (int o = Int(0, 3); o > 0; --o) {
        kopC_StepOption option;
        option.SetStepName(Pick({"", "Initial", "Step-1", "Step-2"}));
        option.SetLoadCaseName(Pick({"", "LC-1", "LC-2"}));
        option.SetAll(Int(0, 1));
        option.SetFirst(Int(1, 3));
        option.SetLast(Int(1, 5));
        option.SetAnalysisKind(Int(0, 5));
        options.Append(option);
      }
      single.SetStepOptions(options);
      single.SetSuppressed(Int(0, 5) == 0);
      AddResponse(task, single);
    }
    for (int n = Int(0, 2); n > 0; --n) {
      kopC_KestObjectiveFunction objective;
      cow_List<kopC_Objective> terms;
      for (int t = Int(0, 3); t > 0; --t) {
        kopC_Objective term;
        term.SetDesignResponse(Reference());
        term.SetExcluded(Int(0, 4) == 0);
        term.SetSecondValue(Pick({DBL_MAX, 0.0, 2.5}));
        terms.Append(term);
      }
      objective.SetTerms(terms);
      objective.SetTarget(Int(0, 3));
      objective.SetSuppressed(Int(0, 5) == 0);
      task.Add(Name(), objective);
    }
    for (int n = Int(0, 2); n > 0; --n) {
      kopC_KestConstraint constraint;
      constraint.SetDesignResponse(Reference());
      constraint.SetRelation(Int(0, 6));
      constraint.SetValue(Int(0, 4) * 0.25);
      constraint.SetSuppressed(Int(0, 5) == 0);
      task.Add(Name(), constraint);
    }
  }

  // Adds `response` under a name of the pool, replacing one of that name.
  void AddResponse(kopC_Task& task, const kopC_DesignResponse& response) {
    const char* name = Name();
    std::erase_if(held_, [name](const char* other) { return std::string(other) == name; });
    if (!response.Suppressed()) held_.push_back(name);
    task.Add(name, response);
  }

  template <class Restriction>
  Restriction Restricted(Restriction restriction) {
    restriction.SetRegion(Region());
    restriction.SetCsys(Csys());
    restriction.SetSuppressed(Int(0, 5) == 0);
    return restriction;
  }

  template <class Symmetry>
  Symmetry TopologySymmetry() {
    Symmetry symmetry = Restricted(Symmetry());
    symmetry.SetAxis(Int(0, 2));
    symmetry.SetIgnoreFrozen(Int(0, 1));
    return symmetry;
  }

  void AddTopologyRestrictions(kopC_Task& task) {
    for (int n = Int(0, 3); n > 0; --n) {
      switch (Int(0, 6)) {
        case 0:
          task.Add(RestrictionName(), Restricted(kopC_FrozenArea()));
          break;
        case 1: {
          kopC_TopologyMemberSize size = Restricted(kopC_TopologyMemberSize());
          size.SetSizeKind(Int(0, 3));
          size.SetMaxThickness(Int(1, 4));
          task.Add(RestrictionName(), size);
          break;
        }
        case 2: {
          kopC_TopologyDemoldControl demold = Restricted(kopC_TopologyDemoldControl());
          demold.SetMidPlaneTechnique(Int(0, 6));
          demold.SetCheckRegion(Region());
          demold.SetPullDirection(Segment());
          task.Add(RestrictionName(), demold);
          break;
        }
        case 3:
          task.Add(RestrictionName(), TopologySymmetry<kopC_TopologyRotationalSymmetry>());
          break;
        case 4:
          task.Add(RestrictionName(), TopologySymmetry<kopC_TopologyCyclicSymmetry>());
          break;
        case 5:
          task.Add(RestrictionName(), TopologySymmetry<kopC_TopologyPlanarSymmetry>());
          break;
        default:
          task.Add(RestrictionName(), TopologySymmetry<kopC_TopologyPointSymmetry>());
          break;
      }
    }
  }

  template <class Link>
  Link ShapeLink() {
    Link link = Restricted(Link());
    link.SetMasterKind(Int(0, 2));
    link.SetMasterRegion(Region());
    link.SetDirection(Segment());
    link.SetTolerance1(Int(0, 2) * 0.1);
    return link;
  }

  void AddShapeRestrictions(kopC_Task& task) {
    for (int n = Int(0, 4); n > 0; --n) {
      switch (Int(0, 14)) {
        case 0: {
          kopC_ShapeMemberSize size = Restricted(kopC_ShapeMemberSize());
          size.SetSizeMode(Int(0, 2));
          task.Add(RestrictionName(), size);
          break;
        }
        case 1: {
          kopC_FixedRegion fixed = Restricted(kopC_FixedRegion());
          fixed.SetFixed2(Int(0, 1));
          task.Add(RestrictionName(), fixed);
          break;
        }
        case 2: {
          kopC_Growth growth = Restricted(kopC_Growth());
          growth.SetShrinkLimit(0.5);
          task.Add(RestrictionName(), growth);
          break;
        }
        case 3:
          task.Add(RestrictionName(), Restricted(kopC_PenetrationCheck()));
          break;
        case 4:
          task.Add(RestrictionName(), ShapeLink<kopC_StampControl>());
          break;
        case 5:
          task.Add(RestrictionName(), ShapeLink<kopC_DrillControl>());
          break;
        case 6:
          task.Add(RestrictionName(), ShapeLink<kopC_TurnControl>());
          break;
        case 7: {
          kopC_ShapeDemoldControl demold = ShapeLink<kopC_ShapeDemoldControl>();
          demold.SetCheckRegion(Region());
          task.Add(RestrictionName(), demold);
          break;
        }
        case 8:
          task.Add(RestrictionName(), ShapeLink<kopC_ShapeRotationalSymmetry>());
          break;
        case 9:
          task.Add(RestrictionName(), ShapeLink<kopC_ShapePlanarSymmetry>());
          break;
        case 10:
          task.Add(RestrictionName(), ShapeLink<kopC_ShapePointSymmetry>());
          break;
        case 11: {
          kopC_ShapeVector vector = ShapeLink<kopC_ShapeVector>();
          vector.SetVectorMode(Int(0, 3));
          vector.SetComponent2(Int(0, 1));
          task.Add(RestrictionName(), vector);
          break;
        }
        case 12:
          task.Add(RestrictionName(), ShapeLink<kopC_ShapeDirection>());
          break;
        case 13:
          task.Add(RestrictionName(), ShapeLink<kopC_ShapeLength>());
          break;
        default: {
          kopC_CheckSlide slide = ShapeLink<kopC_CheckSlide>();
          slide.SetSlideMode(Int(0, 1));
          slide.SetSlideMasterRegion(Region());
          slide.SetFreeFormRegion(Region());
          task.Add(RestrictionName(), slide);
          break;
        }
      }
    }
  }

  kopC_TopologyTask Topology() {
    kopC_TopologyTask t;
    t.SetDesignRegion(Region());
    t.SetAlgorithm(Int(1, 2));
    t.SetAlgorithmKind(Int(0, 1));
    t.SetFreezeLoadRegions(Int(0, 1));
    t.SetSoftDelete(Int(0, 1));
    t.SetSoftDeleteRegion(Region());
    t.SetSpeed(Int(0, 6));
    t.SetStartDeleteMode(Int(0, 3));
    t.SetTrackedModes(Int(0, 2));
    t.SetModeTrackingRegionSwitch(Int(0, 1));
    t.SetModeTrackingRegion(Region());
    AddStopConditions(t);
    AddResponses(t);
    AddTopologyRestrictions(t);
    return t;
  }

  kopC_ShapeTask Shape() {
    kopC_ShapeTask t;
    t.SetDesignRegion(Region());
    t.SetAlgorithm(Pick({4, 8}));
    t.SetCheckBoundaryConditions(Int(0, 1));
    t.SetCheckRegion(Region());
    t.SetSmoothingRegionKind(Int(0, 2));
    t.SetSmoothingElementRegion(Region());
    t.SetSmoothingNodeRegion(Region());
    t.SetSmoothingStrategy(Int(0, 2));
    t.SetQualityLevel(Int(0, 4));
    t.SetFreeSurfaceMode(Int(0, 1));
    AddStopConditions(t);
    AddResponses(t);
    AddShapeRestrictions(t);
    return t;
  }

 private:
  int Int(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }
  template <class T>
  T Pick(std::initializer_list<T> items) {
    return items.begin()[Int(0, static_cast<int>(items.size()) - 1)];
  }

  std::mt19937 random_;
  std::vector<const char*> held_;  // the unsuppressed responses of AddResponses
};

// The refusal the writer owes a random task, "" when it owes none, and
// whether it is one of a reference to a response. A combined response, an
// objective term (not excluded) or a constraint, none of them suppressed,
// on a response the task lacks or suppresses is refused first (combined
// responses, then objectives, then constraints, each in name order); then
// the first shape link in name order whose node-group master is the
// element set or the surface of KestRandomTask::Region.
struct KestRandomRefusal {
  std::string message;
  bool onAResponse = false;
};

KestRandomRefusal KestRandomExpectedRefusal(const kopC_Task& task) {
  const auto& responses = task.DesignResponses();
  const auto held = [&](const cow_String& name) {
    return responses.Contains(name) && !responses.ConstGet(name).Suppressed();
  };
  const std::string lacking = ", which the task does not hold or holds suppressed.";
  for (const auto& [name, response] : responses.ConstGetMap())
    if (const auto* combined = dynamic_cast<const kopC_CombinedTermDesignResponse*>(response.Get()))
      if (!combined->Suppressed())
        for (const cow_String& variable : combined->Variables())
          if (!held(variable))
            return {"The combined design response " + name.Str() + " combines the design response " +
                        variable.Str() + lacking,
                    true};
  for (const auto& [name, object] : task.ObjectiveFunctions().ConstGetMap()) {
    const auto& objective = dynamic_cast<const kopC_KestObjectiveFunction&>(*object);
    if (!objective.Suppressed())
      for (const kopC_Objective& term : objective.Terms())
        if (!term.Excluded() && !held(term.DesignResponse()))
          return {"The objective function " + name.Str() + " names the design response " +
                      term.DesignResponse().Str() + lacking,
                  true};
  }
  for (const auto& [name, object] : task.Constraints().ConstGetMap()) {
    const auto& constraint = dynamic_cast<const kopC_KestConstraint&>(*object);
    if (!constraint.Suppressed() && !held(constraint.DesignResponse()))
      return {"The constraint " + name.Str() + " bounds the design response " +
                  constraint.DesignResponse().Str() + lacking,
              true};
  }
  // The element set (flags 2) and the surface (flags 8) give no node group.
  const auto noNodeGroup = [](const rgnC_Region& region) {
    return region.Flags() == 2 || region.Flags() == 8;
  };
  for (const auto& [name, object] : task.GeometricRestrictions().ConstGetMap()) {
    if (object->Suppressed()) continue;
    const auto* link = dynamic_cast<const kopC_ShapeLinkRestriction*>(object.Get());
    if (!link) continue;
    const auto* slide = dynamic_cast<const kopC_CheckSlide*>(link);
    const bool refused =
        slide ? noNodeGroup(slide->SlideMode() == 0 ? slide->SlideMasterRegion()
                                                    : slide->FreeFormRegion())
              : link->MasterKind() == 2 && noNodeGroup(link->MasterRegion());
    if (refused) {
      // The link's block name, quoted when it holds a blank.
      std::string block = name.Str() + "_LINK_";
      if (block.find(' ') != std::string::npos) block = '"' + block + '"';
      return {"The master region of the shape restriction " + block + " gives no node group.",
              false};
    }
  }
  return {};
}

TEST(aif_KestRandom, EveryReferenceNamesABlockOfTheFile) {
  const std::string path = (std::filesystem::temp_directory_path() /
                            ("aif_KestRandom." + std::to_string(getpid()) + ".par"))
                               .string();
  int written = 0;
  int refusedResponses = 0;
  int refusedLinks = 0;
  for (unsigned seed = 1; seed <= 2000; ++seed) {
    SCOPED_TRACE("seed " + std::to_string(seed));
    KestRandomTask draw(seed);
    aif_kest_test::KestVariables();
    hst_ModelBuilder b = aif_kest_test::PlateModel();
    if (seed % 3) b.AddStep("Step-1", kprC_StaticStep(), {"LC-1", "LC-2"});
    if (seed % 4 == 0) b.AddStep("Step-2", kprC_StaticStep());
    const char* taskName = draw.Name();
    if (seed % 2)
      b.AddTask(taskName, draw.Topology());
    else
      b.AddTask(taskName, draw.Shape());
    Context c(b, aif_kest_test::Optimization(taskName));
    aif_KestBuilder kest(c.Info());
    const KestRandomRefusal refusal = KestRandomExpectedRefusal(c.Task(taskName));
    std::ofstream(path) << "old parameters\n";
    if (!refusal.message.empty()) {
      std::string error;
      try {
        kest.WriteInputFile(path, "", false, true);
      } catch (const aif_Exception& e) {
        error = e.Message().Str();
      }
      EXPECT_EQ(refusal.message, error);
      EXPECT_FALSE(std::filesystem::exists(path));
      if (refusal.onAResponse)
        ++refusedResponses;
      else
        ++refusedLinks;
      continue;
    }
    ASSERT_TRUE(kest.WriteInputFile(path, "", false, true));
    const std::string file = aif_test::ReadFile(path);
    EXPECT_EQ("", aif_kest_test::KestFindings(file)) << file;
    ++written;
  }
  std::filesystem::remove(path);
  // Each outcome is drawn often enough to be tried.
  EXPECT_GT(written, 800);
  EXPECT_GT(refusedResponses, 400);
  EXPECT_GT(refusedLinks, 40);
}

TEST(aif_KestRandom, CheckerFindsReferencesToResponsesAndLinks) {
  const std::string blocks =
      "DRESP\n  ID_NAME = R\nEND_\nLINK_TOPO\n  ID_NAME = L\nEND_\n"
      "OBJ_FUNC\n  ID_NAME = O\n  DRESP = R, 1., 0.\nEND_\n"
      "CONSTRAINT\n  ID_NAME = C\n  DRESP = R\nEND_\n";
  EXPECT_EQ("", aif_kest_test::KestFindings(
                    blocks + "DRESP\n  ID_NAME = S\n  VAR_A = R\n  VARIABLE = R, 2.\n"
                             "END_\nDVCON_TOPO\n  ID_NAME = D\n  CHECK_LINK = L\nEND_\n"
                             "EXIT\n"));
  EXPECT_EQ(
      "line 17: DRESP VAR_B names no block: O\nline 18: DRESP VARIABLE names no block: X\n"
      "line 19: DRESP VAR_D names no block: C\nline 23: DVCON_TOPO CHECK_LINK names no block: R\n"
      "line 24: DVCON_TOPO DRESP names no block: L\n",
      aif_kest_test::KestFindings(blocks +
                                  "DRESP\n  ID_NAME = S\n  VAR_B = O\n  VARIABLE = X, 2.\n"
                                  "  VAR_D = C\nEND_\nDVCON_TOPO\n  ID_NAME = D\n  CHECK_LINK = R\n"
                                  "  DRESP = L, 1.\nEND_\nEXIT\n"));
}

TEST(aif_KestRandom, CheckerFindsWhatTheModuleWouldRefuse) {
  EXPECT_EQ("", aif_kest_test::KestFindings("OPTIMIZE\n  ID_NAME = T\n  DV = D\nEND_\n"
                                            "DV_TOPO\n  ID_NAME = D\nEND_\n"
                                            "STOP\n  ID_NAME = S\n  OPTIMIZE = T\nEND_\nEXIT\n"));
  EXPECT_EQ(
      "line 7: STOP without END_\nline 10: identifier twice: T\nend: no EXIT\n"
      "line 3: OPTIMIZE DV names no block: D\nline 6: STOP OPTIMIZE names no block: X\n"
      "line 8: DVCON_SHAPE CHECK_DOF names no block: C\n",
      aif_kest_test::KestFindings("OPTIMIZE\n  ID_NAME = T\n  DV = D\nEND_\nSTOP\n  OPTIMIZE = X\n"
                                  "DVCON_SHAPE\n  CHECK_DOF = C, FIX, FIX, FIX\n"
                                  "  CS = CS_0\n  ID_NAME = T\nEND_\n"));
}

}  // namespace
