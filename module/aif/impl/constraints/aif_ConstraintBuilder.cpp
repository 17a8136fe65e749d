#include "aif/impl/constraints/aif_ConstraintBuilder.h"

#include "BasShared/atr_String.h"
#include "ModKerLow/asoF_PartInstance.h"
#include "ModKerLow/rgnK_Region.h"
#include "OdbAttrEO/kcoC_AdjustPoints.h"
#include "OdbAttrEO/kcoC_Constraint.h"
#include "OdbAttrEO/kcoC_Coupling.h"
#include "OdbAttrEO/kcoC_DisplayBody.h"
#include "OdbAttrEO/kcoC_EmbeddedRegion.h"
#include "OdbAttrEO/kcoC_Equation.h"
#include "OdbAttrEO/kcoC_MPC.h"
#include "OdbAttrEO/kcoC_ShellSolidCoupling.h"
#include "OdbAttrEO/kcoC_Tie.h"
#include "QivBasicUtils/nex_Exception.h"
#include "aif/impl/constraints/aif_Adjust.h"
#include "aif/impl/constraints/aif_Coupling.h"
#include "aif/impl/constraints/aif_DisplayBody.h"
#include "aif/impl/constraints/aif_Distributing.h"
#include "aif/impl/constraints/aif_EmbeddedRegion.h"
#include "aif/impl/constraints/aif_Equation.h"
#include "aif/impl/constraints/aif_Kinematic.h"
#include "aif/impl/constraints/aif_MPC.h"
#include "aif/impl/core/aif_Comment.h"
#include "aif/impl/core/aif_Exception.h"
#include "aif/impl/core/aif_Model.h"
#include "aif/impl/core/aif_ModelInfo.h"
#include "aif/impl/core/aif_NameRoutines.h"
#include "aif/impl/core/aif_RegionName.h"
#include "aif/impl/model/aif_RigidBody.h"
#include "aif/impl/model/aif_ShellSolidCoupling.h"
#include "aif/impl/model/aif_Tie.h"

namespace {

constexpr char kConstraintBuilderFile[] = "module/aif/impl/constraints/aif_ConstraintBuilder.cpp";
constexpr int kConstraintBuilderAssemblyScope = 2;

}  // namespace

aif_ConstraintBuilder::aif_ConstraintBuilder(akw_ModelInfo& modelInfo)
    : akw_BuilderComponent(modelInfo) {}

aif_ModelInfo& aif_ConstraintBuilder::Info() const {
  return static_cast<aif_ModelInfo&>(ModelInfo());
}

cow_String aif_ConstraintBuilder::RegionName(const rgnC_Region& region) const {
  const rgnK_Region handle(Info().Assembly(), Info().ModelName(), region);
  if (!handle.IsValid(true)) return cow_String();
  return aif_RegionName(region, Info()).QualifiedName(kConstraintBuilderAssemblyScope);
}

void aif_ConstraintBuilder::Build() {
  const aif_ModelInfo& info = Info();
  for (const auto& entry : info.ModelAdapter().Constraints().ConstGetMap()) {
    const cow_String& name = entry.first;
    const kcoC_Constraint& constraint = *entry.second;
    if (constraint.Suppressed()) continue;
    const aif_Comment comment(cow_String("Constraint: ") + name);
    const unsigned kind = constraint.DynTypeId();
    // Ties and couplings write their name on the keyword line: one the file
    // cannot carry (an unpaired quote) is refused before anything is filed.
    if (kind == kcoC_Tie::TypeId() || kind == kcoC_Coupling::TypeId() ||
        kind == kcoC_ShellSolidCoupling::TypeId())
      aif_CheckWritableName(name, "constraint");

    if (kind == kcoC_Equation::TypeId()) {
      AddAssemblyDefinition(comment);
      AddAssemblyDefinition(aif_Equation(name, constraint, info));
    } else if (kind == kcoC_Tie::TypeId()) {
      const kcoC_Tie& tie =
          nex_canDynamicCastRef<const kcoC_Tie>(constraint, kConstraintBuilderFile, __LINE__);
      CheckRegions(
          name, {{&tie.FirstRegion(), "The main surface of the tie %s no longer exists."},
                 {&tie.SecondRegion(), "The secondary surface of the tie %s no longer exists."}});
      AddAssemblyDefinition(comment);
      AddAssemblyDefinition(aif_Tie(name, constraint, info));
    } else if (kind == kcoC_Coupling::TypeId()) {
      const kcoC_Coupling& coupling =
          nex_canDynamicCastRef<const kcoC_Coupling>(constraint, kConstraintBuilderFile, __LINE__);
      AddAssemblyDefinition(comment);
      AddAssemblyDefinition(aif_Coupling(name, constraint, info));
      if (coupling.CouplingType() == 0)
        AddAssemblyDefinition(aif_Kinematic(constraint, info));
      else
        AddAssemblyDefinition(aif_Distributing(constraint));
      if (coupling.Adjust()) AddAssemblyDefinition(aif_Adjust(&coupling, info, false));
    } else if (kind == kcoC_AdjustPoints::TypeId()) {
      const kcoC_AdjustPoints& points = nex_canDynamicCastRef<const kcoC_AdjustPoints>(
          constraint, kConstraintBuilderFile, __LINE__);
      // A deleted region would leave "*Adjust" naming nothing.
      if (RegionName(points.PointsRegion()).IsEmpty())
        nex_Exception::Throw(aif_Exception(atr_TranslateWithArg(
                                 "The node set of the adjustment %s no longer exists.", name)),
                             kConstraintBuilderFile, __LINE__);
      CheckRegions(
          name, {{&points.SurfaceRegion(), "The surface of the adjustment %s no longer exists."}});
      AddAssemblyDefinition(comment);
      AddAssemblyDefinition(aif_Adjust(&points, info, false));
    } else if (kind == kcoC_RigidBody::TypeId()) {
      BuildRigidBody(name, constraint);
    } else if (kind == kcoC_EmbeddedRegion::TypeId()) {
      const kcoC_EmbeddedRegion& embedded = nex_canDynamicCastRef<const kcoC_EmbeddedRegion>(
          constraint, kConstraintBuilderFile, __LINE__);
      // Without a host region the whole model hosts: nothing can be gone.
      if (!embedded.HostRegion().Name().IsEmpty())
        CheckRegions(name, {{&embedded.HostRegion(),
                             "The host region of the embedded region constraint %s no longer "
                             "exists."}});
      CheckRegions(name, {{&embedded.EmbeddedRegion(),
                           "The embedded region of the embedded region constraint %s no longer "
                           "exists."}});
      AddAssemblyDefinition(comment);
      AddAssemblyDefinition(aif_EmbeddedRegion(name, constraint, info));
    } else if (kind == kcoC_DisplayBody::TypeId()) {
      BuildDisplayBody(name, constraint);
    } else if (kind == kcoC_ShellSolidCoupling::TypeId()) {
      const kcoC_ShellSolidCoupling& coupling =
          nex_canDynamicCastRef<const kcoC_ShellSolidCoupling>(constraint, kConstraintBuilderFile,
                                                               __LINE__);
      CheckRegions(name,
                   {{&coupling.FirstRegion(),
                     "The shell edge of the shell-to-solid coupling %s no longer exists."},
                    {&coupling.SecondRegion(),
                     "The solid surface of the shell-to-solid coupling %s no longer exists."}});
      AddAssemblyDefinition(comment);
      AddAssemblyDefinition(aif_ShellSolidCoupling(name, constraint, info));
    } else if (kind == kcoC_MPC::TypeId()) {
      const kcoC_MPC& mpc =
          nex_canDynamicCastRef<const kcoC_MPC>(constraint, kConstraintBuilderFile, __LINE__);
      CheckRegions(name, {{&mpc.ControlPointRegion(),
                           "The control point of the multi-point constraint %s no longer exists."},
                          {&mpc.SlaveRegion(),
                           "The constrained region of the multi-point constraint %s no longer "
                           "exists."}});
      AddAssemblyDefinition(comment);
      AddAssemblyDefinition(aif_MPC(name, constraint, &Info()));
    } else {
      nex_Exception::Throw(aif_Exception(atr_Translate("Unimplemented constraint type.")),
                           kConstraintBuilderFile, __LINE__);
    }
  }
}

// A constraint naming a region the kernel no longer finds would write the
// name of what is gone and a deck the solver cannot read: the first such
// region, in the order given, stops the write with its message.
void aif_ConstraintBuilder::CheckRegions(
    const cow_String& name, std::initializer_list<ConstraintRegionCheck> regions) const {
  const aif_ModelInfo& info = Info();
  for (const ConstraintRegionCheck& check : regions)
    if (!rgnK_Region(info.Assembly(), info.ModelName(), *check.region).IsValid(true))
      nex_Exception::Throw(aif_Exception(atr_TranslateWithArg(check.message, name)),
                           kConstraintBuilderFile, __LINE__);
}

// A rigid body without its reference point would be written with an empty
// "ref node=": stop with an error naming the constraint instead.
void aif_ConstraintBuilder::BuildRigidBody(const cow_String& name,
                                           const kcoC_Constraint& constraint) {
  const kcoC_RigidBody& body =
      nex_canDynamicCastRef<const kcoC_RigidBody>(constraint, kConstraintBuilderFile, __LINE__);
  const cow_String refNode = RegionName(body.Region(kcoC_RigidBody::kRefPoint));
  if (refNode.IsEmpty())
    nex_Exception::Throw(aif_Exception(atr_TranslateWithArg(
                             "The reference point of the rigid body %s no longer exists.", name)),
                         kConstraintBuilderFile, __LINE__);
  const aif_RigidBody keyword(
      refNode, RegionName(body.Region(kcoC_RigidBody::kBody)),
      RegionName(body.Region(kcoC_RigidBody::kPin)), RegionName(body.Region(kcoC_RigidBody::kTie)),
      aif_RegionName(body.AnalyticalSurface(), Info()).SetName(kConstraintBuilderAssemblyScope),
      body.CenterOfMass(), body.Isothermal());
  AddAssemblyDefinition(aif_Comment(cow_String("Constraint: ") + name));
  AddAssemblyDefinition(keyword);
}

// Display bodies of instances that are gone, suppressed or excluded write
// nothing; the others follow their reference points' current positions.
void aif_ConstraintBuilder::BuildDisplayBody(const cow_String& name,
                                             const kcoC_Constraint& constraint) {
  kcoC_DisplayBody body =
      nex_canDynamicCastRef<const kcoC_DisplayBody>(constraint, kConstraintBuilderFile, __LINE__);
  const asoK_Assembly* assembly = Info().Assembly();
  if (!assembly) return;
  const ftr_FeatureList& features = assembly->ConstGetFeatureList();
  const asoF_PartInstance* instance = asoF_Utils::ConstGetPartInstance(features, body.InstanceId());
  if (!instance || !instance->ActiveForSimulation() || instance->IsExcluded()) return;
  for (int point = 0; point < 3; ++point) {
    if (body.ReferencePoint(point).IsNull()) continue;
    body.ModifyReferencePoint(point).Modify().Regenerate(features);
  }
  AddAssemblyDefinition(aif_Comment(cow_String("Constraint: ") + name));
  AddAssemblyDefinition(aif_DisplayBody(body, *assembly, Info()));
}
