#include "aif/impl/constraints/aif_DisplayBody.h"

#include <optional>

#include "AFCInputFileWriter/akw_MorvexName.h"
#include "BasShared/atr_String.h"
#include "ModKerLow/asoF_PartInstance.h"
#include "QivBasicUtils/nex_Exception.h"
#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/core/aif_Exception.h"
#include "aif/impl/core/aif_ModelInfo.h"
#include "aif/impl/core/aif_NameRoutines.h"
#include "aif/impl/model/aif_NodeReferences.h"

namespace {

constexpr const char* kDisplayBodyFile = "module/aif/impl/constraints/aif_DisplayBody.cpp";

}  // namespace

aif_DisplayBody::aif_DisplayBody(const kcoC_DisplayBody& body, const ftr_PrimaryObject& assembly,
                                 const akw_ModelInfo& info)
    : body_(body),
      assembly_(assembly),
      info_(nex_canDynamicCastRef<const aif_ModelInfo>(info, kDisplayBodyFile, __LINE__)) {
  if (!info_.IsPartBased())
    nex_Exception::Throw(aif_Exception(atr_Translate(
                             "Display body constraints exist in the current model.\nAn input "
                             "file with no parts cannot be generated.")),
                         kDisplayBodyFile, __LINE__);
}

void aif_DisplayBody::Write(utl_Stream& stream) const {
  const ftr_FeatureList& features = assembly_.ConstGetFeatureList();
  const asoF_PartInstance* instance =
      asoF_Utils::ConstGetPartInstance(features, body_.InstanceId());
  if (!instance) return;
  stream << "*Display Body, instance=" << akw_MorvexName(instance->Name(), false) << endl;

  aif_NodeReferences nodes(info_);
  bool written = false;
  for (int point = 0; point < 3; ++point) {
    if (body_.ReferencePoint(point).IsNull()) continue;
    const rgnC_Dot& node = body_.ReferenceNode(point);
    if (!node.resolved) continue;
    const std::optional<long long> label = nodes.Label(node.instanceId, node.label);
    if (!label) continue;
    if (const ftr_Feature* owner = features.Get(node.instanceId))
      stream << aif_QualifiedPrefix(owner->Name());
    stream << static_cast<int>(*label);
    if (point < 2) stream << ",";
    written = true;
  }
  if (written) stream << endl;
}
