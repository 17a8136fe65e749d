#include "aif/impl/conditions/aif_EulerianMeshMotion.h"

#include <cfloat>
#include <string>

#include "AttributesIntObj/asoK_Assembly.h"
#include "BasShared/atr_String.h"
#include "ModKerLow/asoF_PartInstance.h"
#include "ModKerLow/ptoC_SectionAssignment.h"
#include "ModKerLow/ptoK_Part.h"
#include "OdbAttrEO/kbcC_BC.h"
#include "QivBasicUtils/nex_Exception.h"
#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/core/aif_Exception.h"
#include "aif/impl/core/aif_ModelInfo.h"
#include "aif/impl/core/aif_NameRoutines.h"
#include "aif/impl/core/aif_RegionName.h"

namespace {

constexpr char kEulerianMeshMotionFile[] = "module/aif/impl/conditions/aif_EulerianMeshMotion.cpp";

// `name` with every "." made "_" (names of a flat file hold no scopes).
cow_String EulerianFlatName(const cow_String& name) {
  std::string text = name.Str();
  for (char& c : text)
    if (c == '.') c = '_';
  return cow_String(text);
}

// The part instance of the assembly named `name`, or null.
const asoF_PartInstance* EulerianInstanceNamed(const asoK_Assembly& assembly,
                                               const cow_String& name) {
  const ftr_FeatureList& features = assembly.ConstGetFeatureList();
  for (unsigned id : features.ConstEvaluatedRep().GetIds()) {
    const asoF_PartInstance* instance = asoF_Utils::ConstGetPartInstance(features, id);
    if (instance && instance->Name() == name) return instance;
  }
  return nullptr;
}

// The first section assignment among the part's attributes, or null.
const ptoC_SectionAssignment* EulerianFirstAssignment(const ptoK_Part& part) {
  for (const cow_COW<kern_Object>& attribute : part.Attributes()) {
    if (attribute->DynTypeId() != ptoC_SectionAssignment::TypeId()) continue;
    return &nex_canDynamicCastRef<const ptoC_SectionAssignment>(*attribute, kEulerianMeshMotionFile,
                                                                __LINE__);
  }
  return nullptr;
}

// The number `value` and ", ", or the empty cell " , " when it is `unset`.
void WriteEulerianNumberCell(utl_Stream& stream, double value, double unset) {
  if (value == unset)
    stream << " , ";
  else
    stream << value << ", ";
}

void WriteEulerianPosition(utl_Stream& stream, int position, bool last) {
  if (last) {
    if (position != 0) stream << " FIXED";
  } else {
    stream << (position != 0 ? " FIXED, " : " , ");
  }
}

}  // namespace

aif_EulerianMeshMotion::aif_EulerianMeshMotion(const kbcC_EulerianMotionBC& boundary,
                                               const cow_String& stepName,
                                               const akw_ModelInfo& info, bool opNew)
    : boundary_(&boundary), stepName_(stepName), opNew_(opNew), modelInfo_(&info) {}

aif_EulerianMeshMotion::aif_EulerianMeshMotion(const kbcC_EulerianMotionBC& boundary,
                                               const akw_ModelInfo& info)
    : boundary_(&boundary), opNew_(true), modelInfo_(&info), headerOnly_(true) {}

cow_String aif_EulerianMeshMotion::ElementSetName() const {
  const auto& info = static_cast<const aif_ModelInfo&>(*modelInfo_);
  const asoK_Assembly* assembly = info.Assembly();
  const asoF_PartInstance* instance =
      assembly ? EulerianInstanceNamed(*assembly, boundary_->InstanceName()) : nullptr;
  const ptoC_SectionAssignment* assignment = nullptr;
  if (instance && instance->GetAnalysis() == ptoK_EULERIAN && instance->ActiveForSimulation() &&
      !instance->IsExcluded())
    assignment = EulerianFirstAssignment(asoK_Assembly::GetOriginalPart(*instance));
  // Without a usable instance the keyword would name no element set at all.
  if (!assignment || assignment->IsSuppressed())
    nex_Exception::Throw(
        aif_Exception(atr_TranslateWithArg(
            "Eulerian mesh motion %s: its instance is not an Eulerian instance with a section "
            "assignment.",
            boundary_->Name())),
        kEulerianMeshMotionFile, __LINE__);

  const bool partBased = info.IsPartBased();
  const cow_String regionName = partBased
                                    ? aif_RegionName(assignment->RegionRef(), info).QualifiedName(2)
                                    : assignment->RegionRef().Name();
  cow_String name = instance->Name() + "." + regionName;
  if (!partBased) name = EulerianFlatName(name);
  return aif_PrintableName(name);
}

void aif_EulerianMeshMotion::Write(utl_Stream& stream) const {
  const auto& info = static_cast<const aif_ModelInfo&>(*modelInfo_);
  const cow_String elementSet = ElementSetName();
  stream << "*Eulerian Mesh Motion, elset=" << elementSet;
  if (headerOnly_) {
    stream << ", op=NEW";
    stream.LineBreak();
    return;
  }

  stream << ", surface=";
  if (boundary_->SurfaceIsRegion()) {
    stream << aif_RegionName(boundary_->Region(), info).SetName(2);
  } else {
    const cow_String& surface = boundary_->SurfaceName();
    stream << aif_PrintableName(info.IsPartBased() ? surface : EulerianFlatName(surface));
  }
  if (opNew_) stream << ", op=NEW";
  if (!boundary_->Orientation().IsNullRef())
    (stream << ", ").OptionalLineBreak()
        << "orientation=" << info.DatumCsysName(boundary_->Orientation(), 0.0, cow_String());

  const kbcC_BCState& state = boundary_->ConstGetState(stepName_);
  if (!state.Contract()) (stream << ", ").OptionalLineBreak() << "contract=No";
  if (state.VmaxFactor() != 1.01)
    (stream << ", ").OptionalLineBreak() << "vmax factor=" << state.VmaxFactor();
  if (state.AspectRatioMax() != 10.0)
    (stream << ", ").OptionalLineBreak() << "aspect ratio max=" << state.AspectRatioMax();
  if (state.VolFracMin() != 0.5)
    (stream << ", ").OptionalLineBreak() << "vol frac min=" << state.VolFracMin();
  if (state.Buffer() == DBL_MAX)
    (stream << ", ").OptionalLineBreak() << "buffer=INITIAL";
  else if (state.Buffer() != 2.0)
    (stream << ", ").OptionalLineBreak() << "buffer=" << state.Buffer();
  stream.LineBreak();

  const auto& numbers = state.Numbers();
  WriteEulerianNumberCell(stream, numbers[0], DBL_MAX);
  WriteEulerianNumberCell(stream, numbers[1], DBL_MAX);
  WriteEulerianNumberCell(stream, numbers[2], DBL_MAX);
  WriteEulerianNumberCell(stream, numbers[3], 0.0);
  WriteEulerianNumberCell(stream, numbers[4], 0.0);
  if (numbers[5] != 0.0) stream << numbers[5];
  stream.LineBreak();

  // Stored order S1 to S9; the second line holds S7, S4, S8, S5, S9, S6, the
  // third S1, S2, S3.
  const auto& positions = state.Positions();
  const int secondLine[] = {6, 3, 7, 4, 8, 5};
  for (int k = 0; k < 6; ++k)
    WriteEulerianPosition(stream, positions[secondLine[k]], k == 5);
  stream.LineBreak();
  for (int k = 0; k < 3; ++k)
    WriteEulerianPosition(stream, positions[k], k == 2);
  stream.LineBreak();
}
