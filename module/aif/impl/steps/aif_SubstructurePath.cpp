#include "aif/impl/steps/aif_SubstructurePath.h"

#include "ModKerLow/asoF_PartInstance.h"
#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/core/aif_ElementFileRecord.h"
#include "aif/impl/core/aif_ModelInfo.h"

aif_SubstructurePath::aif_SubstructurePath(const cow_List<cow_String>& paths,
                                           const akw_KeywordList& keywords, akw_ModelInfo& info)
    : paths_(paths), keywords_(keywords), info_(&static_cast<aif_ModelInfo&>(info)) {
  const asoK_Assembly* assembly = info_->Assembly();
  if (!assembly) return;
  const ftr_FeatureList& features = assembly->ConstGetFeatureList();
  for (unsigned id : ftr_Accessor<asoF_PartInstance>::GetActiveIdsForSimulation(features)) {
    const asoF_PartInstance* instance = asoF_Utils::ConstGetPartInstance(features, id);
    if (instance && instance->IsSubstructure())
      substructures_.Set(instance->Name(), static_cast<int>(id));
  }
}

// The first label of the element written for the substructure instance
// `instance`; 0 when it is not one or no label was recorded for it.
int aif_SubstructurePath::ElementLabel(const cow_String& instance) const {
  const int* id = substructures_.Find(instance);
  aif_ModelInfo::LabelTableType* table = info_->LabelTable();
  if (!id || !table) return 0;
  const auto* held = table->Find(*id);
  return held && *held ? (*held)->FirstLabel() : 0;
}

void aif_SubstructurePath::Write(utl_Stream& stream) const {
  if (keywords_.IsEmpty()) return;
  for (const cow_String& path : paths_) {
    cow_List<cow_String> chain;
    std::size_t start = 0;
    for (std::size_t dot = path.Find('.'); dot != cow_String::npos; dot = path.Find('.', start)) {
      chain.Append(path.Substr(start, dot - start));
      start = dot + 1;
    }
    if (chain.IsEmpty()) continue;

    stream << "** Output Request for Part Instance: " << chain[0] << endl;
    for (const cow_String& instance : chain)
      stream << "*Substructure Path, enter element=" << ElementLabel(instance) << endl;
    akw_WriteKeywords(stream, keywords_);
    for (std::size_t i = 0; i < chain.Length(); ++i)
      stream << "*Substructure Path, leave" << endl;
  }
}
