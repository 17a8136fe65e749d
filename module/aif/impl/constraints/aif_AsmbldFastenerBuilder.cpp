#include "aif/impl/constraints/aif_AsmbldFastenerBuilder.h"

#include <utility>

#include "AttributesGuiCommon/ajbC_CheckingMessages.h"
#include "AttributesIntObj/asoK_AttributeUtils.h"
#include "BasShared/atr_String.h"
#include "ModKerLow/dtmK_Datum.h"
#include "ModKerLow/ptoC_SectionAssignment.h"
#include "ModKerLow/rgnK_Region.h"
#include "ModelDatabase/bas_Mdb.h"
#include "OdbAttrEO/kefC_EngineeringFeatures.h"
#include "QivBasicUtils/nex_Exception.h"
#include "aif/impl/core/aif_Model.h"
#include "aif/impl/core/aif_ModelInfo.h"
#include "aif/impl/core/aif_RawKeyword.h"

namespace {

constexpr char kAsmbldFastenerFile[] = "module/aif/impl/constraints/aif_AsmbldFastenerBuilder.cpp";
// The region kind of the kernel's lookup by name: sets and surfaces alike.
constexpr int kAsmbldFastenerRegionKind = 8;

void AsmbldFastenerMessage(const char* format, const cow_String& fastener) {
  ajbC_CheckingMessages::Instance().Messages().Append(atr_TranslateWithArg(format, fastener));
}

}  // namespace

aif_AsmbldFastenerBuilder::aif_AsmbldFastenerBuilder(akw_ModelInfo& modelInfo)
    : akw_BuilderComponent(modelInfo) {}

aif_AsmbldFastenerBuilder::aif_AsmbldFastenerBuilder(const aif_AsmbldFastenerBuilder& other)
    : akw_BuilderComponent(other),
      writtenModel_(other.writtenModel_),
      nodeCounter_(other.nodeCounter_),
      elementCounter_(other.elementCounter_),
      nextNodeLabel_(other.nextNodeLabel_),
      nextElementLabel_(other.nextElementLabel_),
      generatedNames_(other.generatedNames_),
      fastenerName_(other.fastenerName_),
      prefix_(other.prefix_),
      sectionPrefix_(other.sectionPrefix_),
      templateModelName_(other.templateModelName_),
      templateModel_(other.templateModel_),
      templateAssembly_(other.templateAssembly_),
      placements_(other.placements_),
      attachedInstances_(other.attachedInstances_),
      datumOriented_(other.datumOriented_),
      copyLabels_(other.copyLabels_),
      properties_(other.properties_),
      propertyIndex_(other.propertyIndex_),
      sectionAssignmentCount_(other.sectionAssignmentCount_),
      orientationAssignmentCount_(other.orientationAssignmentCount_),
      usedSections_(other.usedSections_),
      writtenSets_(other.writtenSets_),
      writtenBeamParts_(other.writtenBeamParts_),
      writtenBehaviors_(other.writtenBehaviors_),
      filedElsewhere_(other.filedElsewhere_),
      distributionFiled_(other.distributionFiled_) {
  // The attribute lists are owned: a copy gets lists of its own.
  if (other.sectionAssignments_)
    sectionAssignments_ =
        std::make_unique<cow_List<cow_COW<kern_Object>>>(*other.sectionAssignments_);
  if (other.orientationAssignments_)
    orientationAssignments_ =
        std::make_unique<cow_List<cow_COW<kern_Object>>>(*other.orientationAssignments_);
}

aif_AsmbldFastenerBuilder::~aif_AsmbldFastenerBuilder() = default;

aif_ModelInfo& aif_AsmbldFastenerBuilder::Info() const {
  return static_cast<aif_ModelInfo&>(ModelInfo());
}

void aif_AsmbldFastenerBuilder::BuildAssembledFasteners(cow_List<cow_String>& extraPartNames,
                                                        cow_List<cow_String>& extraInstanceNames) {
  const asoK_Assembly* assembly = Info().Assembly();
  const bas_Mdb& database = bas_Basis::Instance().Fetch();
  const cow_String& modelName = Info().ModelAdapter().Name();
  if (!assembly || !assembly->EngineeringFeaturesReady()) return;
  if (const bas_NewModel* written = database.ConstGetModel(modelName)) writtenModel_ = *written;
  const auto& features = nex_canDynamicCastRef<const kefC_EngineeringFeatures>(
      assembly->ConstGetEngineeringFeatures(), kAsmbldFastenerFile, __LINE__);

  // The counters are touched only when there is a fastener to expand: a
  // model without one keeps the labels it had.
  bool countersReady = false;
  for (const auto& [name, fastener] : features.Fasteners().ConstGetMap()) {
    if (fastener->DynTypeId() != kefC_AssembledFastener::TypeId() || fastener->Suppressed())
      continue;
    if (!countersReady) {
      StartCounters();
      countersReady = true;
    }
    ExpandFastener(name,
                   nex_canDynamicCastRef<const kefC_AssembledFastener>(
                       *fastener, kAsmbldFastenerFile, __LINE__),
                   extraPartNames, extraInstanceNames);
  }

  if (!Info().IsPartBased()) return;
  for (const cow_String& part : extraPartNames) {
    AddPartDefinition(part, aif_RawKeyword("*End Part"));
    AddInstanceDefinition(part, aif_RawKeyword("*End Instance"));
  }
}

std::string aif_AsmbldFastenerBuilder::NoDots(const cow_String& text) {
  std::string out = text.Str();
  for (char& c : out)
    if (c == '.') c = '_';
  return out;
}

void aif_AsmbldFastenerBuilder::StartCounters() {
  // Flat: generated nodes run on after the model's; part-based: each
  // generated part numbers its own from 1.
  nextNodeLabel_ = Info().NextNodeLabel(cow_String());
  nextElementLabel_ = 1;
  nodeCounter_ = 0;
  if (!Info().IsPartBased() && nextNodeLabel_ > 0) nodeCounter_ = nextNodeLabel_ - 1;
  elementCounter_ = Info().AssyElementOffsetsID(ftr_kAssemblyId);
}

void aif_AsmbldFastenerBuilder::ExpandFastener(const cow_String& name,
                                               const kefC_AssembledFastener& fastener,
                                               cow_List<cow_String>& extraPartNames,
                                               cow_List<cow_String>& extraInstanceNames) {
  fastenerName_ = name;
  templateModelName_ = fastener.templateModel;
  const bas_NewModel* templateModel =
      bas_Basis::Instance().Fetch().ConstGetModel(templateModelName_);
  if (!templateModel) return;
  prefix_ = cow_String(NoDots(fastener.prefix) + "_");
  sectionPrefix_ = cow_String(fastener.prefix.Str() + "_");
  templateModel_ = *templateModel;
  std::unique_ptr<dtu_Datum> datum;
  if (!PrepareAttachment(fastener, datum)) return;
  if (!AddTemplateInstances(extraPartNames, extraInstanceNames)) return;
  if (!AddAssemblySetsAndRefPoints()) return;
  if (!AddConnectors(distributionFiled_)) return;
  if (!AddConstraints(fastener)) return;
  if (!AddPointMassesAndInertias()) return;
}

bool aif_AsmbldFastenerBuilder::PrepareAttachment(const kefC_AssembledFastener& fastener,
                                                  std::unique_ptr<dtu_Datum>& datum) {
  const auto& assemblies = nex_canDynamicCastRef<const mdl_IDRepository<asoK_Assembly>>(
      templateModel_.ConstGetExtension(bas_NewModel::assyCmd), kAsmbldFastenerFile, __LINE__);
  if (!assemblies.Contains("Assembly")) return false;
  templateAssembly_ = cow_COW<asoK_Assembly>(assemblies.ConstGet("Assembly"));

  placements_.Clear();
  attachedInstances_.Clear();
  copyLabels_.clear();
  const asoK_Assembly& templateAssembly = *templateAssembly_;

  gsl_Point templatePoint;
  if (!asoK_AttributeUtils::GetPointSetLocation(templateModelName_, fastener.positioningSet,
                                                templateAssembly, templatePoint))
    return false;

  // Every template region needs its model surface: a shorter surface list
  // makes the fastener invalid, it is not read past its end.
  const asoK_Assembly* assembly = Info().Assembly();
  const cow_String& modelName = Info().ModelAdapter().Name();
  const std::size_t regions = fastener.templateRegionNames.Length();
  if (fastener.surfaceNames.Length() < regions || fastener.surfaceNames.IsEmpty()) return false;
  for (std::size_t i = 0; i < regions; ++i) {
    const rgnK_Region surface(
        assembly, modelName,
        rgnK_GetRegion(*assembly, fastener.surfaceNames[i], kAsmbldFastenerRegionKind));
    const rgnK_Region region(&templateAssembly, templateModelName_,
                             rgnK_GetRegion(templateAssembly, fastener.templateRegionNames[i],
                                            kAsmbldFastenerRegionKind));
    if (!surface.IsValid(true) || !region.IsValid(true)) return false;
    // The instance carrying a template region: its second owner.
    const cow_List<cow_String>& owners = region.Region().OwnerNames();
    if (owners.Length() >= 2) attachedInstances_.Set(owners[1], 1);
  }

  datumOriented_ = fastener.orientationMethod == 1;
  if (datumOriented_ && !fastener.datum.IsNullRef()) {
    datum = dtmK_Datum(assembly, modelName, fastener.datum).MakeDatum();
    if (!datum) return false;
  }

  const rgnK_Region points(assembly, modelName, fastener.Region());
  if (!points.IsValid(true)) return false;

  const rgnK_Region first(
      assembly, modelName,
      rgnK_GetRegion(*assembly, fastener.surfaceNames[0], kAsmbldFastenerRegionKind));
  if (!first.IsValid(true) || !first.OriginalPartInstancesStillExist()) {
    AsmbldFastenerMessage("The first surface region is not valid for assembled fastener \"%s\".",
                          fastenerName_);
    return false;
  }
  if (!ComputeSurfaceNormals(points, templatePoint, first, fastener.orientationMethod, datum.get(),
                             *assembly)) {
    AsmbldFastenerMessage("Failure to calculate surface normals for assembled fastener \"%s\".",
                          fastenerName_);
    return false;
  }
  return true;
}
