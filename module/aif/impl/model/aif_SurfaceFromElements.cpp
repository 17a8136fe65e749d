#include "aif/impl/model/aif_SurfaceFromElements.h"

#include <algorithm>
#include <string>
#include <utility>

#include "AFCInputFileWriter/akw_MorvexName.h"
#include "ModKerLow/asoF_PartInstance.h"
#include "ModKerLow/rgnF_IndexLabels.h"
#include "ModKerLow/rgnF_Set.h"
#include "ModKerLow/rgnK_Region.h"
#include "OdbCoreGeom/msh_Interfaces.h"
#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/core/aif_ModelInfo.h"
#include "aif/impl/core/aif_NameRoutines.h"
#include "aif/impl/core/aif_SetNameRegistry.h"
#include "aif/impl/model/aif_SetLabelWriter.h"

namespace {

// The instance's name, or its part's when the instance is written once in its
// part.
const cow_String& OwnerName(const asoF_PartInstance& instance, const aif_ModelInfo& info) {
  return info.IsLightweightInstance(instance) ? instance.GetPartName() : instance.Name();
}

}  // namespace

cow_String aif_SurfaceFromElements::InternalSetScope(const asoF_PartInstance& instance,
                                                     const aif_ModelInfo& info) {
  if (!info.IsPartBased() || info.IsRestart()) return cow_String();
  return OwnerName(instance, info);
}

aif_SurfaceFromElements::aif_SurfaceFromElements(const aif_ModelInfo& info, cow_String name,
                                                 cow_String property, cow_String scope,
                                                 bool instanceOption)
    : name_(std::move(name)),
      info_(&info),
      scope_(std::move(scope)),
      property_(std::move(property)),
      instanceOption_(instanceOption) {}

aif_SurfaceFromElements::aif_SurfaceFromElements(const rgnF_Set& set, const aif_ModelInfo& info,
                                                 cow_String name, cow_String property)
    : aif_SurfaceFromElements(info, std::move(name), std::move(property), cow_String(), true) {
  const rgnK_Region region(info.Assembly(), "Assembly", set.Region());
  region.GetElementIds(labels_, &faces_, static_cast<int>(ftr_kAssemblyId),
                       info.ElementLabelsUsable(), true);
}

aif_SurfaceFromElements::aif_SurfaceFromElements(const rgnF_Set& set,
                                                 const asoF_PartInstance& instance,
                                                 const aif_ModelInfo& info, cow_String name,
                                                 cow_String property)
    : aif_SurfaceFromElements(info, std::move(name), std::move(property),
                              InternalSetScope(instance, info), false) {
  const rgnK_Region region(&instance.ConstGetPart(), OwnerName(instance, info), set.Region());
  region.GetElementIds(labels_, &faces_, static_cast<int>(instance.Id()),
                       info.ElementLabelsUsable(), true);
}

aif_SurfaceFromElements::aif_SurfaceFromElements(const aif_ModelInfo& info, cow_String name,
                                                 int meshId, const cow_String& prefix,
                                                 const msh_DiscreteFace* const* sets, int count)
    : aif_SurfaceFromElements(info, std::move(name), cow_String(), cow_String(), true) {
  std::size_t total = 0;
  for (int s = 0; s < count; ++s)
    if (sets[s]) total += sets[s]->ElementIndices().size();
  cow_List<int> elements;
  cow_List<cow_String> faces;
  elements.Reserve(total);
  faces.Reserve(total);
  for (int s = 0; s < count; ++s) {
    const msh_DiscreteFace* set = sets[s];
    if (!set) continue;
    // A record with fewer face numbers than elements lists only the elements
    // whose face it names.
    const std::size_t n = std::min(set->ElementIndices().size(), set->FaceNumbers().size());
    for (std::size_t k = 0; k < n; ++k) {
      elements.Append(set->ElementIndices()[k]);
      faces.Append(prefix + std::to_string(set->FaceNumbers()[k]));
    }
  }
  if (!elements.IsEmpty()) Store(meshId, std::move(elements), std::move(faces));
}

aif_SurfaceFromElements::aif_SurfaceFromElements(const aif_ModelInfo& info, cow_String name,
                                                 cow_List<int> elements, cow_List<cow_String> faces,
                                                 int instanceId, bool instanceOption)
    : aif_SurfaceFromElements(info, std::move(name), cow_String(), cow_String(), instanceOption) {
  Store(instanceId, std::move(elements), std::move(faces));
}

void aif_SurfaceFromElements::Store(int id, cow_List<int> elements, cow_List<cow_String> faces) {
  if (info_->ElementLabelsUsable()) {
    const asoK_Assembly* assembly = info_->Assembly();
    const bme_Mesh* mesh =
        assembly ? assembly->ConstGetFeatureList().ConstGetMesh(static_cast<unsigned>(id))
                 : nullptr;
    if (mesh) {
      rgnF_Utils::ConvertElemIndicesToLabels(*mesh, elements);
    } else {
      // Without a mesh the labels are the indices counted from 1.
      for (std::size_t i = 0; i < elements.Length(); ++i)
        elements.Modify(i) += 1;
    }
  }
  labels_.Set(id, std::move(elements));
  faces_.Set(id, std::move(faces));
}

void aif_SurfaceFromElements::LeaveOutInstances(const std::unordered_set<unsigned>& ids) {
  for (unsigned id : ids) {
    labels_.Remove(static_cast<int>(id));
    faces_.Remove(static_cast<int>(id));
  }
}

bool aif_SurfaceFromElements::IsEmpty() const {
  for (const auto& entry : labels_)
    if (!entry.second.IsEmpty()) return false;
  return true;
}

void aif_SurfaceFromElements::Write(utl_Stream& stream) const {
  if (IsEmpty()) return;
  aif_CheckWritableName(name_, "surface");
  aif_SetLabelWriter writer;
  writer.SetInstanceOption(instanceOption_);
  const aif_SetLabelWriter::NameMap sets =
      writer.WriteInternalFaceSets(stream, faces_, labels_, name_, scope_, *info_);
  // Keywords written later name these sets through the surface (a foundation
  // gives one line per face set): they need the names chosen here.
  aif_SetNameRegistry::Instance().RecordSurfaceFaceSets(
      scope_.IsEmpty() ? name_ : aif_QualifiedPrefix(scope_) + name_, sets);

  stream << "*Surface, type=ELEMENT, name=" << akw_MorvexName(name_, false).Printable();
  if (info_->IsPartBased() && aif_IsInternalName(name_)) stream << ", internal";
  if (!property_.IsEmpty())
    (stream << ", ").OptionalLineBreak() << "property=" << akw_MorvexName(property_, false);
  stream << endl;
  for (const auto& [face, set] : sets)
    stream << set << ", " << face << endl;
}
