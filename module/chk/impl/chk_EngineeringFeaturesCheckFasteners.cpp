// The assembled-fastener part of the engineering-features check: what is
// wrong with each assembled fastener of the assembly, so that the user learns
// before writing which fasteners the writer cannot expand (it skips them
// without a word) or expands only in part. All fasteners are walked first;
// each condition then gives at most one warning, in the table's order.
#include <map>
#include <set>
#include <string>
#include <vector>

#include "ModKerLow/asoF_PartInstance.h"
#include "ModKerLow/dtmK_Datum.h"
#include "ModKerLow/ptoC_BeamOrientation.h"
#include "ModKerLow/ptoC_SectionAssignment.h"
#include "ModKerLow/ptoK_Part.h"
#include "ModKerLow/ref_Utils.h"
#include "ModKerLow/rgnK_Region.h"
#include "ModelDatabase/bas_Mdb.h"
#include "OdbAttrEO/kcoC_AdjustPoints.h"
#include "OdbAttrEO/kcoC_Coupling.h"
#include "OdbAttrEO/kcoC_Tie.h"
#include "OdbAttrEO/kefC_EngineeringFeatures.h"
#include "OdbAttrEO/kern_RepositoryObjects.h"
#include "OdbAttrEO/kseC_BeamSection.h"
#include "OdbAttrEO/kseC_OtherSections.h"
#include "OdbAttrEO/kseC_SolidShellSections.h"
#include "OdbCoreGeom/msh_Interfaces.h"
#include "QivBasicUtils/nex_Exception.h"
#include "chk/impl/chk_EngineeringFeaturesCheck.h"
#include "chk/impl/chk_Finding.h"

namespace {

const char* const kFastenerCheckFile = "module/chk/impl/chk_EngineeringFeaturesCheckFasteners.cpp";

// The region kinds of the kernel's lookup by name.
constexpr int kFastenerPointSetKind = 1;
constexpr int kFastenerSurfaceKind = 8;
// The kind bit of a surface region.
constexpr int kFastenerSurfaceFlag = 8;

// The conditions, in report order: each header with the form of its lines.
struct EfcFastenerCondition {
  const char* header;
  chk_LineForm form;
};

constexpr chk_LineForm kFastenerOne = chk_LineForm::kDetail;
constexpr chk_LineForm kFastenerTwo = chk_LineForm::kTwoDetails;

const EfcFastenerCondition kFastenerConditions[] = {
    // 1
    {"\nThe following assembled fasteners specify a non-unique\nprefix string:", kFastenerOne},
    {"\nThe following assembled fasteners reference non-existent\ntemplate models:", kFastenerOne},
    {"\nThe following assembled fasteners reference a template\nmodels that do not contain an "
     "assembly:",
     kFastenerOne},
    {"\nThe following assembled fasteners reference attachment\npoint regions that are not valid "
     "(possibly deleted or\nrenamed):",
     kFastenerOne},
    {"\nThe following assembled fasteners reference attachment\npoint regions that are empty "
     "(contain no data):",
     kFastenerOne},
    {"\nThe following assembled fasteners reference a control point\nset that is not valid "
     "(possibly deleted or renamed):",
     kFastenerOne},
    {"\nThe following assembled fasteners reference a control point\nset that is empty:",
     kFastenerOne},
    {"\nThe following assembled fasteners reference a control point\nset that does not contain a "
     "single point:",
     kFastenerOne},
    {"\nThe following assembled fasteners reference a control point\nset that refers to a deleted "
     "or suppressed point/node:",
     kFastenerOne},
    // 10
    {"\nThe following assembled fasteners reference an assigned\nsurface that has been deleted or "
     "renamed:",
     kFastenerOne},
    {"\nThe following assembled fasteners reference an assigned\nsurface that is empty:",
     kFastenerOne},
    {"\nThe following assembled fasteners reference a template\nsurface that has been deleted or "
     "renamed:",
     kFastenerOne},
    {"\nThe following assembled fasteners reference a template\nsurface that is empty:",
     kFastenerOne},
    {"\nThe following assembled fasteners reference a template\nsurface that is an orphan mesh "
     "(not allowed):",
     kFastenerOne},
    {"\nThe following assembled fasteners reference a CSYS that\nhas been deleted or suppressed:",
     chk_LineForm::kDetailIfAny},
    {"\nThe following assembled fasteners reference a template\nmodel with unmeshed parts (other "
     "than constraint surfaces):",
     kFastenerTwo},
    {"\nThe following assembled fasteners reference a template\nmodel with parts that contain "
     "incompatible mesh boundaries\n(internal Tie constraints will NOT be written):",
     kFastenerTwo},
    {"\nThe following assembled fasteners reference a template\nmodel that contains a part for "
     "which the section data has\nnot been assigned:",
     kFastenerOne},
    {"\nThe following assembled fasteners reference a template\nmodel that contains a part for "
     "which the section data has\nnot been copied to the main model:",
     kFastenerTwo},
    // 20
    {"\nThe following assembled fasteners reference a template\nmodel that contains a part for "
     "which the section type is\nnot suported:",
     kFastenerTwo},
    {"\nThe following assembled fasteners reference a template\nmodel that contains a beam part "
     "for which the orientation\nhas not been completely specified (the orientation region\nmust "
     "match the assignment region):",
     kFastenerOne},
    {"\nThe following assembled fasteners reference a template\nmodel that does not contain any "
     "valid geometry:",
     kFastenerOne},
    {"\nThe following assembled fasteners reference a template\nmodel surface for which no "
     "constraint exists:",
     kFastenerOne},
    {"\nThe following assembled fasteners reference a template\nmodel that contains a Coupling "
     "constraint with an invalid\nreference point:",
     kFastenerTwo},
    {"\nThe following assembled fasteners reference a template\nmodel that contains a Coupling "
     "constraint with an internal\n(picked) surface:",
     kFastenerOne},
    {"\nThe following assembled fasteners reference a template\nmodel that contains a Coupling "
     "constraint that does not\nconstrain all DOFs:",
     kFastenerOne},
    {"\nThe following assembled fasteners reference a template\nmodel that contains a Coupling "
     "constraint that specifies\na CSYS:",
     kFastenerOne},
    {"\nThe following assembled fasteners reference a template\nmodel that contains a Coupling "
     "constraint with a surface\nnot found in the surface assignment table:",
     kFastenerTwo},
    {"\nThe following assembled fasteners reference a template\nmodel that contains a Tie "
     "constraint with an internal\n(picked) master surface:",
     kFastenerOne},
    // 30
    {"\nThe following assembled fasteners reference a template\nmodel that contains a Tie "
     "constraint with a master surface\nnot found in the surface assignment table:",
     kFastenerTwo},
    {"\nThe following assembled fasteners reference a template\nmodel that contains a Tie "
     "constraint with a slave surface\nregion (must be a node set region):",
     kFastenerOne},
    {"\nThe following assembled fasteners reference a template\nmodel that contains an Adjust "
     "Points constraint with an\ninvalid control point region:",
     kFastenerTwo},
    {"\nThe following assembled fasteners reference a template\nmodel that contains an Adjust "
     "Points constraint with an\ninternal (picked) surface:",
     kFastenerOne},
    {"\nThe following assembled fasteners reference a template\nmodel that contains an Adjust "
     "Points constraint with a\nsurface not found in the surface assignment table:",
     kFastenerTwo},
    {"\nThe following assembled fasteners reference a template\nmodel that contains unsupported "
     "constraint types:",
     kFastenerOne},
    {"\nThe following assembled fasteners reference a template\nmodel that contains a connector "
     "for which the section data\nhas not been copied to the main model:",
     kFastenerOne},
};
static_assert(sizeof(kFastenerConditions) / sizeof(kFastenerConditions[0]) == 36);

// The condition numbers the walk records.
enum EfcFastenerConditionNumber {
  kAfPrefixRepeated = 1,
  kAfNoTemplate,
  kAfNoTemplateAssembly,
  kAfPointsInvalid,
  kAfPointsEmpty,
  kAfControlInvalid,
  kAfControlEmpty,
  kAfControlNotSingle,
  kAfControlDeleted,
  kAfAssignedInvalid,
  kAfAssignedEmpty,
  kAfTemplateSurfaceInvalid,
  kAfTemplateSurfaceEmpty,
  kAfTemplateSurfaceOrphan,
  kAfCsysDeleted,
  kAfUnmeshedPart,
  kAfIncompatibleMesh,
  kAfNoSection,
  kAfSectionNotCopied,
  kAfSectionUnsupported,
  kAfBeamOrientation,
  kAfNoGeometry,
  kAfSurfaceWithoutConstraint,
  kAfCouplingPoint,
  kAfCouplingPicked,
  kAfCouplingDofs,
  kAfCouplingCsys,
  kAfCouplingSurface,
  kAfTiePicked,
  kAfTieSurface,
  kAfTieSlave,
  kAfAdjustPoint,
  kAfAdjustPicked,
  kAfAdjustSurface,
  kAfConstraintType,
  kAfConnectorSection,
};

// The section kinds the writer can copy: solid, beam and cohesive.
bool FastenerSectionSupported(const kseC_Section& section) {
  const unsigned type = section.DynTypeId();
  return type == kseC_HomogenousSolidSection::TypeId() || type == kseC_BeamSection::TypeId() ||
         type == kseC_CohesiveSection::TypeId();
}

bool FastenerRegionGone(const rgnK_Region& region) {
  return !region.IsValid(true) || !region.OriginalPartInstancesStillExist();
}

bool FastenerDatumSet(const dtmC_DatumRef& datum) {
  return !datum.owners.IsEmpty() || !datum.name.IsEmpty();
}

// The attributes of `attributes` of kind `Attribute`, in order.
template <class Attribute>
std::vector<const Attribute*> FastenerAttributes(const cow_List<cow_COW<kern_Object>>& attributes) {
  std::vector<const Attribute*> found;
  for (const cow_COW<kern_Object>& attribute : attributes)
    if (attribute->DynTypeId() == Attribute::TypeId())
      found.push_back(
          &nex_canDynamicCastRef<const Attribute>(*attribute, kFastenerCheckFile, __LINE__));
  return found;
}

// One walk over the assembled fasteners: the model under check, the prefix
// table over all fasteners, and a finding per condition.
class EfcFastenerWalk {
 public:
  EfcFastenerWalk(const bas_NewModel& model, const cow_String& modelName,
                  const asoK_Assembly& assembly)
      : model_(model),
        modelName_(modelName),
        assembly_(assembly),
        modelSections_(nex_canDynamicCastRef<const mdl_MapString2ObjCow<kseC_Section>>(
            model.ConstGetExtension(bas_NewModel::sectionCmd), kFastenerCheckFile, __LINE__)) {
    findings_.reserve(36);
    for (const EfcFastenerCondition& condition : kFastenerConditions)
      findings_.emplace_back(condition.header, condition.form);
  }

  void Check(const cow_String& name, const kefC_AssembledFastener& fastener);

  void AppendTo(cow_List<atr_String>& warnings) const {
    for (const chk_Finding& finding : findings_)
      finding.AppendTo(warnings);
  }

 private:
  void Record(int condition, const cow_String& detail, const cow_String& second = cow_String()) {
    findings_[static_cast<std::size_t>(condition - 1)].AddDetails(fastenerName_, detail, second);
  }
  // Each returns whether the walk goes on with this fastener.
  bool CheckAttachmentPoints(const kefC_AssembledFastener& fastener);
  bool CheckControlPointSet(const kefC_AssembledFastener& fastener);
  bool CheckSurfaces(const kefC_AssembledFastener& fastener);
  bool CheckDatum(const kefC_AssembledFastener& fastener);
  bool CheckTemplateParts();
  void CheckTemplateSections(const asoF_PartInstance& instance);
  void CheckConstraints();
  void CheckConnectorSections();
  // Whether a constraint's surface is one of the template surfaces that
  // passed their tests: the writer matches it by the name the fastener
  // gives or by the full name of the region that name finds.
  bool InTemplateSurfaces(const cow_String& fullName) const {
    for (const auto& [surface, surfaceFullName] : templateSurfaces_)
      if (surface == fullName.Str() || surfaceFullName == fullName.Str()) return true;
    return false;
  }
  // Notes the full name of a constraint's surface (not picked) and records
  // `condition` when it is no template surface.
  void UseConstraintSurface(const rgnC_Region& surface, int condition,
                            const cow_String& constraint);

  const bas_NewModel& model_;
  const cow_String& modelName_;
  const asoK_Assembly& assembly_;
  const mdl_MapString2ObjCow<kseC_Section>& modelSections_;
  std::vector<chk_Finding> findings_;
  std::set<std::string> prefixes_;

  // The fastener being checked.
  cow_String fastenerName_;
  cow_String prefix_;  // its prefix text followed by "_"
  cow_String templateName_;
  bas_NewModel templateModel_;
  const asoK_Assembly* templateAssembly_ = nullptr;
  // Template surface name -> the full name of its region.
  std::map<std::string, std::string> templateSurfaces_;
  std::set<std::string> surfaceInstances_;
  std::set<std::string> constraintSurfaces_;
};

void EfcFastenerWalk::Check(const cow_String& name, const kefC_AssembledFastener& fastener) {
  fastenerName_ = name;
  templateName_ = fastener.templateModel;
  templateSurfaces_.clear();
  surfaceInstances_.clear();
  constraintSurfaces_.clear();

  if (!prefixes_.insert(fastener.prefix.Str()).second) Record(kAfPrefixRepeated, fastener.prefix);
  prefix_ = cow_String(fastener.prefix.Str() + "_");

  const bas_NewModel* found = bas_Basis::Instance().Fetch().ConstGetModel(templateName_);
  if (!found) {
    Record(kAfNoTemplate, templateName_);
    return;
  }
  templateModel_ = *found;
  const auto& assemblies = nex_canDynamicCastRef<const mdl_IDRepository<asoK_Assembly>>(
      templateModel_.ConstGetExtension(bas_NewModel::assyCmd), kFastenerCheckFile, __LINE__);
  if (!assemblies.Contains("Assembly")) {
    Record(kAfNoTemplateAssembly, templateName_);
    return;
  }
  if (!CheckAttachmentPoints(fastener)) return;
  templateAssembly_ = &nex_canDynamicCastRef<const asoK_Assembly>(assemblies.ConstGet("Assembly"),
                                                                  kFastenerCheckFile, __LINE__);
  if (!CheckControlPointSet(fastener)) return;
  if (!CheckSurfaces(fastener)) return;
  if (!CheckDatum(fastener)) return;
  if (!CheckTemplateParts()) return;
  CheckConstraints();
  for (const auto& [surface, fullName] : templateSurfaces_)
    if (!constraintSurfaces_.count(surface) && !constraintSurfaces_.count(fullName))
      Record(kAfSurfaceWithoutConstraint, cow_String(surface));
  CheckConnectorSections();
}

bool EfcFastenerWalk::CheckAttachmentPoints(const kefC_AssembledFastener& fastener) {
  const rgnK_Region points(&assembly_, modelName_, fastener.Region());
  const cow_String detail =
      fastener.Region().IsPicked() ? cow_String("(Picked)") : fastener.Region().FullName();
  if (FastenerRegionGone(points)) {
    Record(kAfPointsInvalid, detail);
    return false;
  }
  const bool empty = points.IsGeomRegion() ? points.NumVertices() < 1 && points.NumRefPoints() < 1
                                           : points.NumMeshNodes() < 1;
  cow_List<gdy_HitRecord> hits;
  points.GetHitRecords(hits, true, false);
  const std::size_t hitCount = hits.Length();
  rgnK_DeleteHitRecords(hits);
  if (empty || hitCount < 1) {
    Record(kAfPointsEmpty, detail);
    return false;
  }
  return true;
}

bool EfcFastenerWalk::CheckControlPointSet(const kefC_AssembledFastener& fastener) {
  const cow_String& set = fastener.positioningSet;
  const rgnK_Region control(templateAssembly_, templateName_,
                            rgnK_GetRegion(*templateAssembly_, set, kFastenerPointSetKind));
  if (FastenerRegionGone(control)) {
    Record(kAfControlInvalid, set);
    return false;
  }
  if (control.NumVertices() + control.NumRefPoints() + control.NumMeshNodes() < 1) {
    Record(kAfControlEmpty, set);
    return false;
  }
  if (!control.IsSinglePoint()) {
    Record(kAfControlNotSingle, set);
    return false;
  }
  bool deleted = false;
  if (control.IsRefPointSet()) {
    cow_List<std::optional<gsl_Point>> records;
    control.GetGeomHitRecords(records, false);
    deleted = records.IsEmpty() || !records[0];
    rgnK_DeleteHitRecords(records);
  } else if (control.IsGeomRegion()) {
    cow_List<gdy_HitRecord> components;
    control.GetAllGeomComponents(components);
    deleted = components.Length() != 1;
  } else {
    cow_List<std::optional<int>> records;
    control.GetMeshHitRecords(records, true, false);
    deleted = records.IsEmpty() || !records[0];
    rgnK_DeleteHitRecords(records);
  }
  if (deleted) {
    Record(kAfControlDeleted, set);
    return false;
  }
  return true;
}

bool EfcFastenerWalk::CheckSurfaces(const kefC_AssembledFastener& fastener) {
  bool recorded = false;
  const cow_List<cow_String>& assigned = fastener.surfaceNames;
  const cow_List<cow_String>& templates = fastener.templateRegionNames;
  for (std::size_t i = 0; i < templates.Length(); ++i) {
    // A surface list shorter than the template list: the template surface
    // has no assigned surface, which the writer cannot attach.
    if (i >= assigned.Length() || assigned[i].IsEmpty()) {
      Record(kAfAssignedInvalid, cow_String("no assigned surface for " + templates[i].Str()));
      recorded = true;
    } else {
      const rgnK_Region surface(&assembly_, modelName_,
                                rgnK_GetRegion(assembly_, assigned[i], kFastenerSurfaceKind));
      if (FastenerRegionGone(surface)) {
        Record(kAfAssignedInvalid, assigned[i]);
        recorded = true;
      } else if (surface.IsGeomRegion() && surface.NumFaces() < 1) {
        Record(kAfAssignedEmpty, assigned[i]);
        recorded = true;
      }
    }

    const rgnK_Region surface(
        templateAssembly_, templateName_,
        rgnK_GetRegion(*templateAssembly_, templates[i], kFastenerSurfaceKind));
    if (FastenerRegionGone(surface)) {
      Record(kAfTemplateSurfaceInvalid, templates[i]);
      recorded = true;
    } else if (surface.IsGeomRegion() && surface.NumFaces() < 1) {
      Record(kAfTemplateSurfaceEmpty, templates[i]);
      recorded = true;
    } else if (!surface.IsGeomRegion()) {
      Record(kAfTemplateSurfaceOrphan, templates[i]);
      recorded = true;
    } else if (!recorded) {
      templateSurfaces_[templates[i].Str()] = surface.Region().FullName().Str();
    }
    // The template instance the surface lies on (its second owner, as the
    // writer attaches it) keeps its geometry out of the copied parts.
    if (!recorded) {
      const cow_List<cow_String>& owners = surface.Region().OwnerNames();
      if (owners.Length() >= 2) surfaceInstances_.insert(owners[1].Str());
    }
  }
  return !recorded;
}

bool EfcFastenerWalk::CheckDatum(const kefC_AssembledFastener& fastener) {
  if (fastener.orientationMethod != 1 || !FastenerDatumSet(fastener.datum)) return true;
  const dtmK_Datum datum(&assembly_, modelName_, fastener.datum);
  if (datum.MakeDatum()) return true;
  Record(kAfCsysDeleted, datum.GetFullName(" "));
  return false;
}

bool EfcFastenerWalk::CheckTemplateParts() {
  const ftr_FeatureList& features = templateAssembly_->ConstGetFeatureList();
  const bool assemblyPoints = !ref_Utils::GetRefNodes(features, ftr_kAssemblyId, false).IsEmpty();
  int usable = 0;
  for (unsigned id : ftr_Accessor<asoF_PartInstance>::GetActiveIdsForSimulation(features)) {
    const asoF_PartInstance* instance = asoF_Utils::ConstGetPartInstance(features, id);
    if (!instance) continue;
    const cow_String& name = instance->Name();
    const bool carriesSurfaces = surfaceInstances_.count(name.Str()) > 0;
    const bool points = !ref_Utils::GetRefNodes(features, id, true).IsEmpty();
    const bme_Mesh* mesh = instance->ConstGetMesh();
    if (!mesh) {
      if (points)
        ++usable;
      else if (!carriesSurfaces)
        Record(kAfUnmeshedPart, templateName_, name);
      continue;
    }
    const msh_Mesh kernelMesh(*mesh);
    if (kernelMesh.IsValid() && kernelMesh.NumIncompatibleFaces() > 0)
      Record(kAfIncompatibleMesh, templateName_, name);
    ++usable;
    if (!carriesSurfaces) CheckTemplateSections(*instance);
  }
  if (usable < 1 && !assemblyPoints) {
    Record(kAfNoGeometry, templateName_);
    return false;
  }
  return true;
}

void EfcFastenerWalk::CheckTemplateSections(const asoF_PartInstance& instance) {
  const cow_String& name = instance.Name();
  const ptoK_Part& part = asoK_Assembly::GetOriginalPart(instance);
  const std::vector<const ptoC_SectionAssignment*> assignments =
      FastenerAttributes<ptoC_SectionAssignment>(part.Attributes());
  if (assignments.empty()) {
    Record(kAfNoSection, name);
    return;
  }
  const ptoC_SectionAssignment& assignment = *assignments.back();
  const cow_String& section = assignment.SectionName();
  const cow_String copied(prefix_.Str() + section.Str());
  const auto& templateSections = nex_canDynamicCastRef<const mdl_MapString2ObjCow<kseC_Section>>(
      templateModel_.ConstGetExtension(bas_NewModel::sectionCmd), kFastenerCheckFile, __LINE__);
  if (templateSections.Contains(section) &&
      !FastenerSectionSupported(templateSections.ConstGet(section))) {
    Record(kAfSectionUnsupported, name, section);
    return;
  }
  if (!modelSections_.Contains(copied)) {
    Record(kAfSectionNotCopied, name, copied);
    return;
  }
  const kseC_Section& kernelSection = modelSections_.ConstGet(copied);
  if (!FastenerSectionSupported(kernelSection)) Record(kAfSectionUnsupported, name, section);
  if (kernelSection.DynTypeId() != kseC_BeamSection::TypeId()) return;
  const std::vector<const ptoC_BeamOrientation*> orientations =
      FastenerAttributes<ptoC_BeamOrientation>(part.Attributes());
  if (orientations.empty()) {
    Record(kAfBeamOrientation, name);
    return;
  }
  const rgnK_Region assigned(&part, templateName_, assignment.RegionRef());
  const rgnK_Region oriented(&part, templateName_, orientations.back()->Region());
  if (assigned.Clash(oriented) != 0) Record(kAfBeamOrientation, name);
}

void EfcFastenerWalk::UseConstraintSurface(const rgnC_Region& surface, int condition,
                                           const cow_String& constraint) {
  const cow_String fullName = surface.FullName();
  constraintSurfaces_.insert(fullName.Str());
  if (!InTemplateSurfaces(fullName)) Record(condition, constraint, fullName);
}

void EfcFastenerWalk::CheckConstraints() {
  const auto& constraints = nex_canDynamicCastRef<const mdl_MapString2ObjCow<kcoC_Constraint>>(
      templateModel_.ConstGetExtension(bas_NewModel::constraintCmd), kFastenerCheckFile, __LINE__);
  for (const auto& [name, constraint] : constraints.ConstGetMap()) {
    if (constraint->Suppressed()) continue;
    const unsigned type = constraint->DynTypeId();
    if (type == kcoC_Coupling::TypeId()) {
      const auto& coupling =
          nex_canDynamicCastRef<const kcoC_Coupling>(*constraint, kFastenerCheckFile, __LINE__);
      const rgnK_Region point(templateAssembly_, templateName_, coupling.ControlPointRegion());
      if (!point.IsValid(true))
        Record(kAfCouplingPoint, name, coupling.ControlPointRegion().FullName());
      bool allDofs = true;
      for (int dof = 1; dof <= 6; ++dof)
        allDofs = allDofs && coupling.Dof(dof);
      if (!allDofs) Record(kAfCouplingDofs, name);
      if (FastenerDatumSet(coupling.Datum())) Record(kAfCouplingCsys, name);
      if (coupling.SurfaceRegion().IsPicked())
        Record(kAfCouplingPicked, name);
      else
        UseConstraintSurface(coupling.SurfaceRegion(), kAfCouplingSurface, name);
    } else if (type == kcoC_Tie::TypeId()) {
      const auto& tie =
          nex_canDynamicCastRef<const kcoC_Tie>(*constraint, kFastenerCheckFile, __LINE__);
      if (tie.FirstRegion().IsPicked())
        Record(kAfTiePicked, name);
      else
        UseConstraintSurface(tie.FirstRegion(), kAfTieSurface, name);
      if (tie.SecondRegion().Flags() & kFastenerSurfaceFlag) Record(kAfTieSlave, name);
    } else if (type == kcoC_AdjustPoints::TypeId()) {
      const auto& adjust =
          nex_canDynamicCastRef<const kcoC_AdjustPoints>(*constraint, kFastenerCheckFile, __LINE__);
      const rgnK_Region point(templateAssembly_, templateName_, adjust.PointsRegion());
      if (!point.IsValid(true)) Record(kAfAdjustPoint, name, adjust.PointsRegion().FullName());
      if (adjust.SurfaceRegion().IsPicked())
        Record(kAfAdjustPicked, name);
      else
        UseConstraintSurface(adjust.SurfaceRegion(), kAfAdjustSurface, name);
    } else {
      Record(kAfConstraintType, name);
    }
  }
}

void EfcFastenerWalk::CheckConnectorSections() {
  for (const cow_COW<kern_Object>& attribute : templateAssembly_->SectionAssignments()) {
    const auto& assignment = nex_canDynamicCastRef<const ptoC_SectionAssignment>(
        *attribute, kFastenerCheckFile, __LINE__);
    if (assignment.IsSuppressed()) continue;
    const cow_String copied(prefix_.Str() + assignment.SectionName().Str());
    if (!modelSections_.Contains(copied)) Record(kAfConnectorSection, copied);
  }
}

}  // namespace

void chk_EngineeringFeaturesCheck::CheckAssembledFasteners(const asoK_Assembly& assembly) {
  const auto& features = nex_canDynamicCastRef<const kefC_EngineeringFeatures>(
      assembly.ConstGetEngineeringFeatures(), kFastenerCheckFile, __LINE__);
  EfcFastenerWalk walk(Model(), ModelName(), assembly);
  for (const auto& [name, fastener] : features.Fasteners().ConstGetMap()) {
    if (fastener->DynTypeId() != kefC_AssembledFastener::TypeId() || fastener->Suppressed())
      continue;
    walk.Check(name, nex_canDynamicCastRef<const kefC_AssembledFastener>(
                         *fastener, kFastenerCheckFile, __LINE__));
  }
  // Only after the walk: a failed type test leaves no fastener finding.
  walk.AppendTo(WarningList());
}
