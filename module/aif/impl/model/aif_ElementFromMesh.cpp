#include "aif/impl/model/aif_ElementFromMesh.h"

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "ModKerLow/asoF_PartInstance.h"
#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/core/aif_ModelInfo.h"
#include "aif/impl/model/aif_Element.h"

void aif_ElementFromMesh::WriteTemplateCopies(utl_Stream& stream) const {
  const int pairs = static_cast<int>(nodeLabelPairs_.Length() / 2);
  std::map<std::string, std::vector<aif_Element>> byType;
  for (const bme_ElementClass& elements : templateMesh_->ElementClasses())
    if (elements.NumElements() > 0)
      for (int copy = 0; copy < copies_; ++copy)
        byType[elements.TypeName().Str()].emplace_back(
            *info_, elements, *templateMesh_, nodeLabelPairs_, copy * pairs, 0, elementOffset_);
  for (const auto& [type, keywords] : byType) {
    stream << "*Element, type=" << type.c_str() << endl;
    for (const aif_Element& keyword : keywords)
      keyword.Write(stream);
  }
  stream.Flush();
}

void aif_ElementFromMesh::Write(utl_Stream& stream) const {
  if (templateMesh_) {
    WriteTemplateCopies(stream);
    return;
  }
  const asoK_Assembly* assembly = info_->Assembly();
  if (!assembly) return;
  const ftr_FeatureList& features = assembly->ConstGetFeatureList();
  const unsigned id = static_cast<unsigned>(instanceId_);
  if (features.IsLocked(id, ftr_LOCK_MESH)) return;

  const bme_Mesh* mesh = features.ConstGetMesh(id);
  std::shared_ptr<const bme_Mesh> display;  // released when done here
  const asoF_PartInstance* instance = asoF_Utils::ConstGetPartInstance(features, id);
  if ((!mesh || mesh->NumElements() == 0) && instance && kcoK_IsDisplayInstance(*instance)) {
    display = kcoK_MakeDisplayMesh(*instance);
    if (display) mesh = display.get();
  }
  if (!mesh) return;

  const bool fileElements = features.GetTheory(id).fileElements && !mesh->OverridesFileElements();
  if (fileElements) {
    if (mesh->ElementFileType().IsEmpty() || mesh->ElementFileName().IsEmpty()) return;
    aif_Element(*info_, mesh->ElementFileType(), mesh->ElementFileName(), *mesh, instanceId_)
        .Write(stream);
    stream.Flush();
    return;
  }

  // Classes of one type share one "*Element" line.
  std::map<std::string, std::vector<aif_Element>> byType;
  for (const bme_ElementClass& elements : mesh->ElementClasses())
    if (elements.NumElements() > 0)
      byType[elements.TypeName().Str()].emplace_back(*info_, elements, *mesh, instanceId_);
  for (const auto& [type, keywords] : byType) {
    stream << "*Element, type=" << type.c_str() << endl;
    for (const aif_Element& keyword : keywords)
      keyword.Write(stream);
  }
  stream.Flush();
}
