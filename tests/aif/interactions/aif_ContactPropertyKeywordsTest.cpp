// The keywords of a contact interaction property: "*Surface Interaction",
// "*Surface Behavior", "*Cohesive Behavior", "*Contact Damping" and
// "*Fracture Criterion", with the table checks the property pass makes
// before filing them.
#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>
#include <string>

#include "HostModules/hst_ModelBuilder.h"
#include "OdbAttrEO/kinC_ContactProperty.h"
#include "aif/impl/core/aif_Exception.h"
#include "aif/impl/core/aif_Job.h"
#include "aif/impl/core/aif_ModelInfo.h"
#include "aif/impl/interactions/aif_CohesiveBehavior.h"
#include "aif/impl/interactions/aif_ContactDamping.h"
#include "aif/impl/interactions/aif_FractureCriterion.h"
#include "aif/impl/interactions/aif_SurfaceBehavior.h"
#include "aif/impl/interactions/aif_SurfaceInteraction.h"
#include "support/aif_TestSupport.h"

namespace {

using aif_test::KeywordText;
using aif_test::ThrownText;
using CpkHandle = cow_COW<kinC_InteractionProperty>;

// The model info of a one-step model whose steps need `product`.
class CpkContext {
 public:
  explicit CpkContext(kprC_AnalysisProductEnm product = kprC_STANDARD) {
    builder_.AddStep("Step-1", kprC_StaticStep());
    builder_.Steps().SetAnalysisProduct(product);
    model_ = std::make_unique<bas_NewModel>(builder_.Model());
    job_ = std::make_unique<aif_Job>("Job-1", builder_.Job(), *model_);
    info_ = std::make_unique<aif_ModelInfo>(*job_);
  }
  const aif_ModelInfo& Info() const { return *info_; }

 private:
  hst_ModelBuilder builder_;
  std::unique_ptr<bas_NewModel> model_;
  std::unique_ptr<aif_Job> job_;
  std::unique_ptr<aif_ModelInfo> info_;
};

std::string CpkLines(std::initializer_list<const char*> lines) {
  std::string text;
  for (const char* line : lines)
    text += std::string(line) + "\n";
  return text;
}

// A contact property holding `option` (and a fracture criterion when asked).
template <class Option>
CpkHandle CpkProperty(const Option& option, bool fracture = false) {
  kinC_ContactProperty property;
  property.Set(option);
  if (fracture) property.Set(kinC_FractureCriterion());
  return CpkHandle(property);
}

kinC_NormalBehavior CpkNormal(int relation, int method = 0) {
  kinC_NormalBehavior normal;
  normal.pressureOverclosure = relation;
  normal.constraintEnforcementMethod = method;
  return normal;
}

template <class Keyword>
std::string CpkText(const CpkHandle& property, const CpkContext& context) {
  return KeywordText(Keyword(property, context.Info()));
}

// The message of the aif_Exception `check` throws; "" when it passes.
template <class Check>
std::string CpkCheckText(Check&& check) {
  try {
    check();
  } catch (const aif_Exception& e) {
    return e.Message().Str();
  }
  return "";
}

TEST(aif_SurfaceInteraction, DataLineAndPadThicknessByProduct) {
  const CpkContext standard, explicitProduct(kprC_EXPLICIT), input(kprC_INPUT_FILE);
  EXPECT_EQ(KeywordText(aif_SurfaceInteraction("P", standard.Info(), 1.0, DBL_MAX)),
            CpkLines({"*Surface Interaction, name=P", "1.,"}));
  // Standard never writes the pad thickness.
  EXPECT_EQ(KeywordText(aif_SurfaceInteraction("Pad skin", standard.Info(), 2.5, 0.5)),
            CpkLines({"*Surface Interaction, name=\"Pad skin\"", "2.5,"}));
  // Explicit writes no data line, and the pad thickness only when set.
  EXPECT_EQ(KeywordText(aif_SurfaceInteraction("P", explicitProduct.Info(), 1.0, DBL_MAX)),
            CpkLines({"*Surface Interaction, name=P"}));
  EXPECT_EQ(KeywordText(aif_SurfaceInteraction("P", explicitProduct.Info(), 1.0, 0.5)),
            CpkLines({"*Surface Interaction, name=P, pad thickness=0.5"}));
  // An input-file job gets both.
  EXPECT_EQ(KeywordText(aif_SurfaceInteraction("P", input.Info(), 1.0, 0.5)),
            CpkLines({"*Surface Interaction, name=P, pad thickness=0.5", "1.,"}));
}

TEST(aif_SurfaceBehavior, RelationsAtTheDefaultMethod) {
  const CpkContext standard, explicitProduct(kprC_EXPLICIT);
  EXPECT_EQ(CpkText<aif_SurfaceBehavior>(CpkProperty(CpkNormal(0)), standard),
            CpkLines({"*Surface Behavior, pressure-overclosure=HARD"}));
  kinC_NormalBehavior hard = CpkNormal(0);
  hard.allowSeparation = false;
  EXPECT_EQ(CpkText<aif_SurfaceBehavior>(CpkProperty(hard), standard),
            CpkLines({"*Surface Behavior, no separation, pressure-overclosure=HARD"}));
  // A fracture criterion makes the line bare, whatever the normal behaviour.
  EXPECT_EQ(CpkText<aif_SurfaceBehavior>(CpkProperty(hard, true), standard),
            CpkLines({"*Surface Behavior"}));
  // Only contact properties have a normal behaviour.
  EXPECT_EQ(CpkText<aif_SurfaceBehavior>(CpkHandle(kinC_InteractionProperty()), standard), "");

  // EXPONENTIAL: the second row's overclosure, the first row's pressure;
  // the maximum stiffness in Explicit only.
  kinC_NormalBehavior exponential = CpkNormal(1);
  exponential.exponentialTable = {{1000.0, 0.0}, {0.0, 0.01}};
  exponential.maxStiffness = 5000.0;
  EXPECT_EQ(CpkText<aif_SurfaceBehavior>(CpkProperty(exponential), standard),
            CpkLines({"*Surface Behavior, pressure-overclosure=EXPONENTIAL", "0.01, 1000."}));
  EXPECT_EQ(
      CpkText<aif_SurfaceBehavior>(CpkProperty(exponential), explicitProduct),
      CpkLines({"*Surface Behavior, pressure-overclosure=EXPONENTIAL", "0.01, 1000., 5000."}));

  kinC_NormalBehavior linear = CpkNormal(2);
  linear.contactStiffness = 200.0;
  EXPECT_EQ(CpkText<aif_SurfaceBehavior>(CpkProperty(linear), standard),
            CpkLines({"*Surface Behavior, pressure-overclosure=LINEAR", "200., "}));

  kinC_NormalBehavior tabular = CpkNormal(3);
  tabular.pressureOverclosureTable = {{0.0, 0.0}, {10.0, 0.25}};
  EXPECT_EQ(
      CpkText<aif_SurfaceBehavior>(CpkProperty(tabular), standard),
      CpkLines({"*Surface Behavior, pressure-overclosure=TABULAR", "  0.,   0.", " 10., 0.25"}));

  // SCALE FACTOR: values 1 and 2 only when greater than 0, value 4 only
  // when not 1.
  EXPECT_EQ(CpkText<aif_SurfaceBehavior>(CpkProperty(CpkNormal(4)), standard),
            CpkLines({"*Surface Behavior, pressure-overclosure=SCALE FACTOR", ", , 1., "}));
  kinC_NormalBehavior scaled = CpkNormal(4);
  scaled.scaleFactorValue1 = 0.5;
  scaled.scaleFactorValue2 = 0.2;
  scaled.stiffnessScaleFactor = 2.0;
  scaled.scaleFactorValue4 = 3.0;
  EXPECT_EQ(CpkText<aif_SurfaceBehavior>(CpkProperty(scaled), standard),
            CpkLines({"*Surface Behavior, pressure-overclosure=SCALE FACTOR", "0.5, 0.2, 2., 3."}));
}

TEST(aif_SurfaceBehavior, EnforcementMethodsAndTheirDataLines) {
  const CpkContext standard;
  // Augmented Lagrange at its defaults writes no data line; the data line
  // leaves out the stiffness and clearance at 0 and ends where the rest is
  // at its defaults.
  kinC_NormalBehavior lagrange = CpkNormal(0, 1);
  EXPECT_EQ(CpkText<aif_SurfaceBehavior>(CpkProperty(lagrange), standard),
            CpkLines({"*Surface Behavior, augmented Lagrange"}));
  lagrange.contactStiffness = 100.0;
  EXPECT_EQ(CpkText<aif_SurfaceBehavior>(CpkProperty(lagrange), standard),
            CpkLines({"*Surface Behavior, augmented Lagrange", "100."}));
  lagrange.stiffnessScaleFactor = 2.0;
  EXPECT_EQ(CpkText<aif_SurfaceBehavior>(CpkProperty(lagrange), standard),
            CpkLines({"*Surface Behavior, augmented Lagrange", "100., , 2."}));

  kinC_NormalBehavior penalty = CpkNormal(0, 2);
  penalty.clearance = 0.1;
  EXPECT_EQ(CpkText<aif_SurfaceBehavior>(CpkProperty(penalty), standard),
            CpkLines({"*Surface Behavior, penalty", ", 0.1"}));

  // Nonlinear penalty: six positions, each empty at its default.
  kinC_NormalBehavior nonlinear = CpkNormal(0, 2);
  nonlinear.penaltyKind = 1;
  EXPECT_EQ(CpkText<aif_SurfaceBehavior>(CpkProperty(nonlinear), standard),
            CpkLines({"*Surface Behavior, penalty=NONLINEAR"}));
  nonlinear.nonlinearParameters[2] = 0.5;
  EXPECT_EQ(CpkText<aif_SurfaceBehavior>(CpkProperty(nonlinear), standard),
            CpkLines({"*Surface Behavior, penalty=NONLINEAR", ", , , , , 0.5"}));
  nonlinear.contactStiffness = 100.0;
  nonlinear.nonlinearParameters[0] = 0.05;
  EXPECT_EQ(CpkText<aif_SurfaceBehavior>(CpkProperty(nonlinear), standard),
            CpkLines({"*Surface Behavior, penalty=NONLINEAR", "100., , , 0.05, , 0.5"}));

  // The direct method has no data; "no separation" belongs to HARD only;
  // a method other than the default writes its own data lines, not the
  // relation's.
  kinC_NormalBehavior direct = CpkNormal(0, 3);
  direct.allowSeparation = false;
  direct.contactStiffness = 100.0;
  EXPECT_EQ(CpkText<aif_SurfaceBehavior>(CpkProperty(direct), standard),
            CpkLines({"*Surface Behavior, no separation, direct"}));
  kinC_NormalBehavior linearPenalty = CpkNormal(2, 2);
  linearPenalty.allowSeparation = false;
  linearPenalty.contactStiffness = 100.0;
  EXPECT_EQ(CpkText<aif_SurfaceBehavior>(CpkProperty(linearPenalty), standard),
            CpkLines({"*Surface Behavior, penalty", "100."}));
}

// The exponential relation reads two rows of two values: the property pass
// checks that before filing the keyword, and the keyword refuses a table
// that was not checked.
TEST(aif_SurfaceBehavior, ExponentialTablesAreCheckedBeforeWriting) {
  const CpkContext standard;
  const char* refusal =
      "The exponential pressure-overclosure relation of interaction property Exp-1 needs two "
      "rows of pressure and overclosure.";
  for (const cow_2DArray<double>& table :
       {cow_2DArray<double>(), cow_2DArray<double>{{1000.0, 0.0}},
        cow_2DArray<double>{{1000.0}, {0.0}}}) {
    kinC_NormalBehavior exponential = CpkNormal(1);
    exponential.exponentialTable = table;
    const CpkHandle property = CpkProperty(exponential);
    EXPECT_EQ(CpkCheckText([&] { aif_SurfaceBehavior::CheckTables("Exp-1", *property); }), refusal);
    EXPECT_NE(ThrownText(aif_SurfaceBehavior(property, standard.Info())), "");
  }
  // Two rows pass; so does a short table of another relation or method, and
  // one beside a fracture criterion, which writes the bare line.
  kinC_NormalBehavior exponential = CpkNormal(1);
  exponential.exponentialTable = {{1000.0, 0.0}, {0.0, 0.01}};
  EXPECT_EQ(
      CpkCheckText([&] { aif_SurfaceBehavior::CheckTables("Exp-1", *CpkProperty(exponential)); }),
      "");
  kinC_NormalBehavior penalty = CpkNormal(1, 2);
  kinC_NormalBehavior bare = CpkNormal(1);
  EXPECT_EQ(CpkCheckText([&] {
              aif_SurfaceBehavior::CheckTables("P", *CpkProperty(CpkNormal(3)));
              aif_SurfaceBehavior::CheckTables("P", *CpkProperty(penalty));
              aif_SurfaceBehavior::CheckTables("P", *CpkProperty(bare, true));
              aif_SurfaceBehavior::CheckTables("P", kinC_InteractionProperty());
            }),
            "");
  EXPECT_EQ(CpkText<aif_SurfaceBehavior>(CpkProperty(bare, true), standard),
            CpkLines({"*Surface Behavior"}));
}

TEST(aif_CohesiveBehavior, PenaltiesEligibilityAndStiffnessTable) {
  const CpkContext standard;
  // Default contact penalties: the keyword line only, whatever the table.
  kinC_CohesiveBehavior cohesive;
  cohesive.table = {{1.0e6, 1.0e6, 1.0e6}};
  EXPECT_EQ(CpkText<aif_CohesiveBehavior>(CpkProperty(cohesive), standard),
            CpkLines({"*Cohesive Behavior"}));
  cohesive.repeatedContacts = true;
  cohesive.eligibility = 2;
  EXPECT_EQ(CpkText<aif_CohesiveBehavior>(CpkProperty(cohesive), standard),
            CpkLines({"*Cohesive Behavior, REPEATED CONTACTS, eligibility=SPECIFIED CONTACTS"}));

  // Own penalties, coupled, one field variable and no temperature: a blank
  // temperature column before the field variable. (Table cells are padded
  // per column, with a leading blank; a blank cell is a single blank.)
  kinC_CohesiveBehavior coupled;
  coupled.eligibility = 1;
  coupled.defaultContactPenalties = false;
  coupled.coupling = 1;
  coupled.dependencies = 1;
  coupled.table = {{100.0, 200.0, 0.5}};
  EXPECT_EQ(CpkText<aif_CohesiveBehavior>(CpkProperty(coupled), standard),
            CpkLines({"*Cohesive Behavior, eligibility=ORIGINAL CONTACTS, type=COUPLED, "
                      "dependencies=1",
                      " 100., 200., ,  0.5"}));
  EXPECT_EQ(CpkText<aif_CohesiveBehavior>(CpkHandle(kinC_InteractionProperty()), standard), "");
}

TEST(aif_ContactDamping, ConstantLinearAndBilinearVariations) {
  const CpkContext standard;
  kinC_ContactDamping damping;
  damping.table = {{0.5, 0.0}, {0.0, 0.1}, {0.0, 0.4}};
  EXPECT_EQ(CpkText<aif_ContactDamping>(CpkProperty(damping), standard),
            CpkLines({"*Contact Damping, definition=DAMPING COEFFICIENT", "0.5, "}));
  damping.definition = 1;
  damping.tangentFraction = 0.3;
  damping.variation = 1;
  EXPECT_EQ(CpkText<aif_ContactDamping>(CpkProperty(damping), standard),
            CpkLines({"*Contact Damping, definition=CRITICAL DAMPING FRACTION, tangent "
                      "fraction=0.3",
                      "0.5, 0.1, 0."}));
  damping.variation = 2;
  EXPECT_EQ(CpkText<aif_ContactDamping>(CpkProperty(damping), standard),
            CpkLines({"*Contact Damping, definition=CRITICAL DAMPING FRACTION, tangent "
                      "fraction=0.3",
                      "0.5, 0.4, 0.25"}));
  EXPECT_EQ(CpkText<aif_ContactDamping>(CpkHandle(kinC_InteractionProperty()), standard), "");
}

// A row or clearance column the table lacks counts as a clearance of 0; an
// empty table has no damping value: the check refuses it, naming the
// property, and the keyword refuses to write it.
TEST(aif_ContactDamping, ShortTables) {
  const CpkContext standard;
  kinC_ContactDamping damping;
  damping.variation = 1;
  damping.table = {{0.5, 0.0}};
  EXPECT_EQ(CpkText<aif_ContactDamping>(CpkProperty(damping), standard),
            CpkLines({"*Contact Damping, definition=DAMPING COEFFICIENT", "0.5, "}));
  damping.variation = 2;
  damping.table = {{0.5, 0.0}, {0.0, 0.1}};
  EXPECT_EQ(CpkText<aif_ContactDamping>(CpkProperty(damping), standard),
            CpkLines({"*Contact Damping, definition=DAMPING COEFFICIENT", "0.5, "}));
  damping.variation = 1;
  damping.table = {{0.5}, {0.2}};
  EXPECT_EQ(CpkText<aif_ContactDamping>(CpkProperty(damping), standard),
            CpkLines({"*Contact Damping, definition=DAMPING COEFFICIENT", "0.5, "}));
  EXPECT_EQ(CpkCheckText([&] { aif_ContactDamping::CheckTable("D", *CpkProperty(damping)); }), "");

  damping.table = cow_2DArray<double>();
  const CpkHandle empty = CpkProperty(damping);
  EXPECT_EQ(CpkCheckText([&] { aif_ContactDamping::CheckTable("Damp 1", *empty); }),
            "The contact damping of interaction property Damp 1 has no damping value.");
  EXPECT_NE(ThrownText(aif_ContactDamping(empty, standard.Info())), "");
  // A property without contact damping passes.
  EXPECT_EQ(CpkCheckText([&] {
              aif_ContactDamping::CheckTable("P", *CpkProperty(kinC_CohesiveBehavior()));
            }),
            "");
}

TEST(aif_FractureCriterion, KeywordLineAndCriterionTable) {
  const CpkContext standard;
  kinC_FractureCriterion vcct;
  vcct.table = {{1.0, 2.0, 3.0}};
  EXPECT_EQ(CpkText<aif_FractureCriterion>(CpkProperty(vcct), standard),
            CpkLines({"*Fracture Criterion, type=VCCT, mixed mode behavior=BK, normal "
                      "direction=MTS",
                      " 1., 2., 3."}));

  // Two field variables and no temperature: a blank column before the last
  // two. Fatigue names its mixed-mode behaviour too.
  kinC_FractureCriterion fatigue;
  fatigue.type = 4;
  fatigue.mixedModeBehavior = 2;
  fatigue.normalDirection = 2;
  fatigue.dependencies = 2;
  fatigue.table = {{1.0, 2.0, 0.1, 0.2}};
  EXPECT_EQ(CpkText<aif_FractureCriterion>(CpkProperty(fatigue), standard),
            CpkLines({"*Fracture Criterion, type=FATIGUE, mixed mode behavior=REEDER, normal "
                      "direction=2, dependencies=2",
                      " 1.,  2., , 0.1, 0.2"}));
  fatigue.temperatureDependency = true;
  fatigue.table = {{1.0, 2.0, 20.0, 0.1, 0.2}};
  EXPECT_EQ(CpkText<aif_FractureCriterion>(CpkProperty(fatigue), standard),
            CpkLines({"*Fracture Criterion, type=FATIGUE, mixed mode behavior=REEDER, normal "
                      "direction=2, dependencies=2",
                      " 1.,  2., 20., 0.1, 0.2"}));

  // The other types have no mixed-mode behaviour; tolerance and viscosity
  // only away from their defaults.
  kinC_FractureCriterion stress;
  stress.type = 1;
  stress.mixedModeBehavior = 1;
  stress.normalDirection = 1;
  stress.tolerance = 0.1;
  stress.viscosity = 0.001;
  stress.table = {{5.0, 6.0}};
  EXPECT_EQ(CpkText<aif_FractureCriterion>(CpkProperty(stress), standard),
            CpkLines({"*Fracture Criterion, type=CRITICAL STRESS, normal direction=1, "
                      "tolerance=0.1, viscosity=0.001",
                      " 5., 6."}));
  for (int type : {2, 3}) {
    kinC_FractureCriterion other;
    other.type = type;
    EXPECT_EQ(CpkText<aif_FractureCriterion>(CpkProperty(other), standard),
              CpkLines({type == 2 ? "*Fracture Criterion, type=COD, normal direction=MTS"
                                  : "*Fracture Criterion, type=CRACK LENGTH, normal "
                                    "direction=MTS"}));
  }
  EXPECT_EQ(CpkText<aif_FractureCriterion>(CpkHandle(kinC_InteractionProperty()), standard), "");
}

}  // namespace
