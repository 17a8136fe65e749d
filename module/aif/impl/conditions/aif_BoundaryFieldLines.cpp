#include "aif/impl/conditions/aif_BoundaryFieldLines.h"

#include <cfloat>
#include <cstddef>
#include <vector>

#include "AttributesGuiCommon/ajbC_CheckingMessages.h"
#include "BasShared/atr_String.h"
#include "ModKerLow/asoF_PartInstance.h"
#include "ModKerLow/rgnK_Region.h"
#include "ModKerLow/rgnK_RegionIds.h"
#include "ModKerLow/shp_Topology.h"
#include "OdbAttrEO/kbcC_BC.h"
#include "OdbAttrEO/kfdC_AnalyticalField.h"
#include "QivBasicUtils/nex_Exception.h"
#include "QivBasicUtils/utl_Stream.h"
#include "VwrModKer/ftr_FeatureList.h"
#include "aif/impl/core/aif_ModelInfo.h"
#include "aif/impl/loads/aif_FieldWalk.h"
#include "aif/impl/model/aif_SurfaceRoutines.h"

namespace {

constexpr const char* kBoundaryFieldFile = "module/aif/impl/conditions/aif_BoundaryFieldLines.cpp";

// The analytical field the condition names; a missing field stops the write
// as a field of the wrong class does.
const kfdC_AnalyticalField& BoundaryFieldOf(const aif_BoundaryFieldContext& context,
                                            cow_String& fieldName) {
  context.condition.UsesField(fieldName);
  const auto& fields = context.info.ModelAdapter().AnalyticalFields();
  if (!fields.Contains(fieldName))
    nex_Exception::Throw(
        nex_TextException(nex_TypeTestText("kfdC_AnalyticalField", kBoundaryFieldFile, __LINE__)),
        kBoundaryFieldFile, __LINE__);
  return fields.ConstGet(fieldName);
}

// The expression field the condition names: anything else stops the write.
const kfdC_ExpressionField& BoundaryExpressionOf(const aif_BoundaryFieldContext& context,
                                                 cow_String& fieldName) {
  return nex_canDynamicCastRef<const kfdC_ExpressionField>(BoundaryFieldOf(context, fieldName),
                                                           kBoundaryFieldFile, __LINE__);
}

// What a failed evaluation of a condition's field names in the message that
// says its lines will be missing.
aif_FieldSubject BoundaryFieldSubject(const aif_BoundaryFieldContext& context) {
  return aif_FieldSubject{"boundary condition", context.condition.Name(), "boundary condition"};
}

// The components a single-value condition's lines name, by its kind; empty
// for a fluid cavity pressure.
const char* BoundaryNodeComponents(unsigned typeId) {
  if (typeId == kbcC_TemperatureBC::TypeId() || typeId == kbcC_ConcentrationBC::TypeId())
    return ", 11, 11";
  if (typeId == kbcC_PorePressureBC::TypeId() || typeId == kbcC_AcousticPressureBC::TypeId())
    return ", 8, 8";
  if (typeId == kbcC_ElectricPotentialBC::TypeId()) return ", 9, 9";
  if (typeId == kbcC_MassFlowBC::TypeId()) return ", 10, 10";
  return "";
}

// The magnitude of a distributed condition's state in the step (its part of
// `loadCase` in a complex step) and whether the step writes it; false when
// there is no state or the magnitude only carries over into a block that
// modifies the previous step.
bool BoundaryFieldMagnitude(const aif_BoundaryFieldContext& context, int loadCase,
                            double& magnitude) {
  const auto& distributed = nex_canDynamicCastRef<const kbcC_DistributedBC>(
      context.condition, kBoundaryFieldFile, __LINE__);
  const kprC_PropagatingState quad = distributed.ConstGetStateQuad(context.stepName);
  if (!quad.state) return false;
  const auto& state = nex_canDynamicCastRef<const kbcC_DistributedBCState>(
      *quad.state, kBoundaryFieldFile, __LINE__);
  const mdl_PropAttr<double>& attribute = state.Magnitude();
  magnitude = attribute.Value();
  if (state.UseComplex(quad.procedureType))
    magnitude = loadCase == 1 ? distributed.RealMagnitude(context.stepName)
                              : distributed.ImagMagnitude(context.stepName);
  return aif_IsNewOpStatus(attribute.Status(), context.modify);
}

// Evaluates the expression field of the condition at its region's nodes;
// false (the user told why) when it cannot be.
bool BoundaryExpressionNodes(const aif_BoundaryFieldContext& context, aif_FieldWalk& walk) {
  cow_String fieldName;
  BoundaryExpressionOf(context, fieldName);
  return walk.EvaluateNodes(context.info, context.condition.Region(), fieldName,
                            BoundaryFieldSubject(context));
}

// One line per node: the node, `text`, and ", " and the value unless it is
// 0 and `skipZero` holds.
void WriteBoundaryNodeRun(utl_Stream& stream, const aif_FieldWalk& walk, const cow_String& text,
                          double factor, bool skipZero) {
  for (const aif_FieldWalk::Instance& instance : walk.Instances())
    for (std::size_t i = 0; i < instance.ids.Length(); ++i) {
      aif_FieldWalk::WriteReference(stream, instance, i);
      stream << text;
      const double value = factor * instance.values[i];
      if (!skipZero || value != 0.0) stream << ", " << value;
      stream.LineBreak();
    }
}

void BoundaryFieldMessage(const atr_String& text) {
  ajbC_CheckingMessages::Instance().Messages().Append(text);
}

// The face index a fluid surface's face name selects: 1 to 5 for a name
// holding 2 to 6 (tested in that order), else 0.
int BoundaryFaceIndex(const cow_String& face) {
  for (char digit = '2'; digit <= '6'; ++digit)
    if (face.Find(digit) != cow_String::npos) return digit - '1';
  return 0;
}

// The element class of `mesh` holding element `index`, or null.
const bme_ElementClass* BoundaryElementClass(const bme_Mesh& mesh, int index) {
  if (index < 0) return nullptr;
  const std::size_t at = static_cast<std::size_t>(index);
  for (const bme_ElementClass& element : mesh.ElementClasses())
    if (at >= element.FirstElementIndex() &&
        at < element.FirstElementIndex() + element.NumElements())
      return &element;
  return nullptr;
}

// The weighted sum of the node values of face `face` of element `index`;
// nodes outside the table or without a value add nothing.
double BoundaryFaceValue(const bme_Mesh& mesh, int index, int face,
                         const std::vector<float>& nodeValues) {
  const bme_ElementClass* element = BoundaryElementClass(mesh, index);
  if (!element) return 0.0;
  std::vector<int> corners;
  std::vector<double> weights;
  const int n = element->NodesPerElement();
  if (!shp_Topology::FaceConnectivity(element->TypeName(), n, face, corners, weights)) return 0.0;
  const std::size_t first = (static_cast<std::size_t>(index) - element->FirstElementIndex()) *
                            static_cast<std::size_t>(n);
  const std::vector<int>& connectivity = element->Connectivity();
  double sum = 0.0;
  for (std::size_t k = 0; k < corners.size(); ++k) {
    const std::size_t position = first + static_cast<std::size_t>(corners[k]);
    if (corners[k] < 0 || corners[k] >= n || position >= connectivity.size()) continue;
    const int node = connectivity[position];
    if (node < 0 || static_cast<std::size_t>(node) >= nodeValues.size()) continue;
    const float value = nodeValues[static_cast<std::size_t>(node)];
    if (value == -FLT_MAX) continue;  // no value at this node
    sum += weights[k] * value;
  }
  return sum;
}

}  // namespace

void aif_BoundaryFieldLines::WriteHeaderNodeLines(utl_Stream& stream,
                                                  const aif_BoundaryFieldContext& context,
                                                  int loadCase) {
  // The header line ends here, whatever follows: the next keyword starts on
  // a line of its own also when no node line is written.
  stream.LineBreak();
  double magnitude = 0.0;
  if (!BoundaryFieldMagnitude(context, loadCase, magnitude)) return;
  const cow_String components = BoundaryNodeComponents(context.condition.DynTypeId());

  cow_String fieldName;
  const kfdC_AnalyticalField& field = BoundaryFieldOf(context, fieldName);
  const bool mapped = field.DynTypeId() == kfdC_MappedField::TypeId();
  aif_FieldSubject subject = BoundaryFieldSubject(context);
  subject.report = [&](const aif_FieldFailure& failure) {
    switch (failure.kind) {
      case aif_FieldFailure::kUnmeshed:
        BoundaryFieldMessage(atr_Translate(
            "Because the region for a Boundary Condition is\nunmeshed the Mapped Field cannot be "
            "evaluated.\nNo datalines will be generated for these Boundary Conditions.\n"));
        return;
      case aif_FieldFailure::kMapping:
        BoundaryFieldMessage(atr_String(
            failure.mappingError +
            atr_TranslateWithArg("\nDue to the failure of evaluating the Mapped Field "
                                 "\"%s\",\nsome Boundary Conditions will be missing from the "
                                 "input file.",
                                 fieldName)
                .Str()));
        return;
      default:
        if (mapped) {
          BoundaryFieldMessage(atr_TranslateWithArg(
              "The Mapped Field %s for a\nBoundary Condition cannot be evaluated.\nNo datalines "
              "will be generated for these Boundary Conditions.\n",
              fieldName));
          return;
        }
        aif_FieldWalk::ReportFailure(BoundaryFieldSubject(context), fieldName);
    }
  };
  aif_FieldWalk walk;
  if (!walk.EvaluateNodes(context.info, context.condition.Region(), fieldName, subject)) return;
  WriteBoundaryNodeRun(stream, walk, components, context.scale * magnitude, false);
}

void aif_BoundaryFieldLines::WriteAnalyticalFieldLines(utl_Stream& stream,
                                                       const aif_BoundaryFieldContext& context,
                                                       const cow_String& componentText,
                                                       double magnitude) {
  aif_FieldWalk walk;
  if (!BoundaryExpressionNodes(context, walk)) return;
  WriteBoundaryNodeRun(stream, walk, componentText, context.scale * magnitude, true);
}

void aif_BoundaryFieldLines::WriteAnalyticalFieldRangeLines(utl_Stream& stream,
                                                            const aif_BoundaryFieldContext& context,
                                                            const cow_String& runText) {
  double magnitude = 0.0;
  if (!BoundaryFieldMagnitude(context, 1, magnitude)) return;
  aif_FieldWalk walk;
  if (!BoundaryExpressionNodes(context, walk)) return;
  WriteBoundaryNodeRun(stream, walk, runText, context.scale * magnitude, false);
}

void aif_BoundaryFieldLines::WriteFluidFieldLines(utl_Stream& stream,
                                                  const aif_BoundaryFieldContext& context,
                                                  const cow_String& text, double magnitude) {
  aif_FieldWalk walk;
  if (!BoundaryExpressionNodes(context, walk)) return;
  const aif_ModelInfo& info = context.info;
  const rgnK_Region kernel(info.Assembly(), info.ModelName(), context.condition.Region());
  const bool usable = info.ElementLabelsUsable();
  cow_Map<int, cow_List<int>> elements, elementIndices, nodeIndices;
  cow_Map<int, cow_List<cow_String>> faces;
  kernel.GetElementIds(elements, &faces, 1000, usable, true);
  {
    cow_Map<int, cow_List<int>> again;  // the ids once more; only the indices are kept
    kernel.GetElementIds(again, elementIndices, 1000, usable);
  }
  // The nodes' mesh indices, parallel to the walk's ids.
  kernel.GetNodeIds(nodeIndices, 1000, false, false, true);
  rgnK_GetUniqueIds(nodeIndices);

  // Every instance is checked before a line is written.
  const ftr_FeatureList* features =
      info.Assembly() ? &info.Assembly()->ConstGetFeatureList() : nullptr;
  const auto evaluated = [&](int id) -> const aif_FieldWalk::Instance* {
    for (const aif_FieldWalk::Instance& instance : walk.Instances())
      if (instance.id == id) return &instance;
    return nullptr;
  };
  for (const auto& [id, members] : elements) {
    (void)members;
    if (!evaluated(id)) {
      BoundaryFieldMessage(
          atr_Translate("Could not determine nodal coordinates for Analytical Field "
                        "calculations.\nPlease check your assigned conditions for validity."));
      return;
    }
    if (!features || !mes_ConstGetMesh(*features, static_cast<unsigned>(id))) {
      BoundaryFieldMessage(
          atr_Translate("Could not find instance mesh for Analytical Field calculations.\nPlease "
                        "check your assigned conditions for validity."));
      return;
    }
  }

  std::vector<float> nodeValues;
  for (const auto& [id, members] : elements) {
    const aif_FieldWalk::Instance& instance = *evaluated(id);
    const bme_Mesh& mesh = *mes_ConstGetMesh(*features, static_cast<unsigned>(id));
    // One value a mesh node; the most negative float marks a node without.
    nodeValues.assign(mesh.NumNodes(), -FLT_MAX);
    if (const cow_List<int>* indices = nodeIndices.Find(id))
      for (std::size_t i = 0; i < indices->Length() && i < instance.values.Length(); ++i) {
        const int node = (*indices)[i];
        if (node >= 0 && static_cast<std::size_t>(node) < nodeValues.size())
          nodeValues[static_cast<std::size_t>(node)] = static_cast<float>(instance.values[i]);
      }
    const cow_List<cow_String>* names = faces.Find(id);
    const cow_List<int>* indices = elementIndices.Find(id);
    const cow_String prefix = aif_FieldWalk::Prefix(info, id);
    const int offset = info.AssyElementOffsetsID(id);
    for (std::size_t i = 0; i < members.Length(); ++i) {
      const cow_String face = names && i < names->Length() ? (*names)[i] : cow_String();
      const int index = indices && i < indices->Length() ? (*indices)[i] : -1;
      const double value =
          magnitude * BoundaryFaceValue(mesh, index, BoundaryFaceIndex(face), nodeValues);
      // The element, then the variable with the face's digit as a field of
      // its own: "Block-1.17, VELX2, 0.5".
      stream << prefix << (members[i] + offset) << ", " << text;
      if (!face.IsEmpty()) stream << cow_String(face.CStr() + face.Length() - 1);
      stream << ", " << value;
      stream.LineBreak();
    }
  }
}

void aif_BoundaryFieldLines::WriteDiscreteFieldLines(utl_Stream& stream,
                                                     const aif_BoundaryFieldContext& context,
                                                     const cow_String& componentText, double value,
                                                     int component) {
  cow_String fieldName;
  context.condition.UsesField(fieldName);
  // A missing field stops the write as one of the wrong class does.
  if (!context.info.ModelAdapter().DiscreteFields().Contains(fieldName))
    nex_Exception::Throw(
        nex_TextException(nex_TypeTestText("kfdC_DiscreteField", kBoundaryFieldFile, __LINE__)),
        kBoundaryFieldFile, __LINE__);
  aif_FieldWalk walk;
  if (!walk.EvaluateDiscreteNodes(context.info, context.condition.Region(), fieldName, component,
                                  BoundaryFieldSubject(context)))
    return;
  WriteBoundaryNodeRun(stream, walk, componentText, context.scale * value, true);
}
