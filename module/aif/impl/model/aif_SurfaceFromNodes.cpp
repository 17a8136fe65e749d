#include "aif/impl/model/aif_SurfaceFromNodes.h"

#include <cstddef>

#include "AFCInputFileWriter/akw_MorvexName.h"
#include "ModKerLow/rgnF_IndexLabels.h"
#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/core/aif_ModelInfo.h"
#include "aif/impl/core/aif_NameRoutines.h"
#include "aif/impl/core/aif_SetNameRegistry.h"
#include "aif/impl/model/aif_SetLabelWriter.h"

namespace {

// Node indices turned into labels with the mesh of each instance (index + 1
// for an instance without a mesh), when node labels are usable.
aif_Nset::LabelsById NodeLabels(const aif_Nset::LabelsById& nodes, const aif_ModelInfo& info) {
  if (!info.NodeLabelsUsable()) return nodes;
  const asoK_Assembly* assembly = info.Assembly();
  aif_Nset::LabelsById labels;
  for (const auto& [id, indices] : nodes) {
    cow_List<int> list = indices;
    const bme_Mesh* mesh =
        assembly ? assembly->ConstGetFeatureList().ConstGetMesh(static_cast<unsigned>(id))
                 : nullptr;
    if (mesh)
      rgnF_Utils::ConvertNodeIndicesToLabels(*mesh, list);
    else
      for (std::size_t i = 0; i < list.Length(); ++i)
        list.Modify(i) += 1;
    labels.Set(id, list);
  }
  return labels;
}

}  // namespace

aif_SurfaceFromNodes::aif_SurfaceFromNodes(const cow_String& name, const LabelsById& nodes,
                                           bool instanceOption, aif_ModelInfo& info)
    : aif_Nset(name, NodeLabels(nodes, info), instanceOption, info),
      instanceOption_(instanceOption) {}

aif_SurfaceFromNodes::aif_SurfaceFromNodes(const cow_String& name, const cow_String& nodeSet,
                                           aif_ModelInfo& info)
    : aif_Nset(name, cow_List<cow_String>{nodeSet}, info), instanceOption_(false) {}

bool aif_SurfaceFromNodes::IsEmpty() const {
  for (const auto& entry : Labels())
    if (!entry.second.IsEmpty()) return false;
  return true;
}

void aif_SurfaceFromNodes::WriteCompanionNset(utl_Stream& stream) const {
  if (IsEmpty()) return;
  cow_String keyword = "*Nset, nset=" + akw_MorvexName(Name(), false).Printable();
  if (Info().IsPartBased() && aif_IsInternalName(Name())) keyword += ", internal";
  aif_SetLabelWriter writer;
  writer.SetInstanceOption(instanceOption_);
  writer.WriteInstanceBlocks(stream, Labels(), keyword, Info(), aif_SetLabelWriter::kNodes);
}

void aif_SurfaceFromNodes::WriteStringMembers(utl_Stream& stream, const cow_String& keyword) const {
  stream << keyword << endl;
  for (const cow_String& member : StringMembers())
    stream << aif_PrintableName(member) << ", " << 1.0 << endl;
}

void aif_SurfaceFromNodes::Write(utl_Stream& stream) const {
  aif_CheckWritableName(Name(), "surface");
  WriteCompanionNset(stream);
  // A clash is reported by the registry; the surface is written all the same.
  aif_SetNameRegistry::Instance().AddSurface(Name(), true);
  const cow_String name = akw_MorvexName(Name(), false).Printable();
  cow_String keyword = "*Surface, type=NODE, name=" + name;
  if (Info().IsPartBased() && aif_IsInternalName(Name())) keyword += ", internal";
  if (IsEmpty()) {
    WriteStringMembers(stream, keyword);
    return;
  }
  stream << keyword << endl << name << endl;
}
