#include "aif/impl/loads/aif_InertiaRelief.h"

#include "BasShared/atr_String.h"
#include "ModKerLow/asoF_PartInstance.h"
#include "ModKerLow/ptoK_Part.h"
#include "OdbAttrEO/kloC_Load.h"
#include "QivBasicUtils/nex_Exception.h"
#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/core/aif_Exception.h"
#include "aif/impl/core/aif_ModelInfo.h"

namespace {

constexpr char kInertiaReliefFile[] = "module/aif/impl/loads/aif_InertiaRelief.cpp";

}  // namespace

aif_InertiaRelief::aif_InertiaRelief(const kloC_Load& load, const cow_String& loadName,
                                     const cow_String& stepName, bool opFlag,
                                     const aif_ModelInfo& info)
    : load_(&load),
      step_(stepName),
      loadName_(loadName),
      opFlag_(opFlag),
      remove_(load.Status(stepName) == 4),
      info_(&info) {
  if (remove_) opFlag_ = false;
}

bool aif_InertiaRelief::DirectionsComplete(const bool (&free)[6]) const {
  const asoK_Assembly* assembly = info_->Assembly();
  const bool noInstance = !assembly || ftr_Accessor<asoF_PartInstance>::GetActiveIdsForSimulation(
                                           assembly->ConstGetFeatureList())
                                           .IsEmpty();
  if (noInstance || assembly->IsSpace(ptoK_SPACE_3D))
    return free[0] && free[1] && free[2] && free[3] && free[4] && free[5];
  if (assembly->IsSpace(ptoK_SPACE_2D)) return free[0] && free[1] && free[5];
  if (assembly->IsSpace(ptoK_SPACE_AXISYMMETRIC)) return free[1];
  return false;
}

void aif_InertiaRelief::Write(utl_Stream& stream) const {
  if (remove_) {
    stream << "*Inertia Relief, remove";
    stream.LineBreak();
    return;
  }
  const auto& relief =
      nex_canDynamicCastRef<const kloC_InertiaRelief>(*load_, kInertiaReliefFile, __LINE__);
  const kloC_LoadState& state = relief.ConstGetState(step_);
  if (state.Fixed()) {
    stream << "*Inertia Relief, fixed";
    stream.LineBreak();
    return;
  }
  bool free[6];
  for (int k = 0; k < 6; ++k)
    free[k] = state.Directions()[static_cast<std::size_t>(k)];
  const bool complete = DirectionsComplete(free);
  const cow_List<float>& point = state.ReferencePoint();
  // Checked before the keyword line, so that a refused point leaves nothing
  // behind.
  if (!complete && !point.IsEmpty() && point.Length() < 3)
    nex_Exception::Throw(
        aif_Exception(atr_TranslateWithArg(
            "The reference point of inertia relief \"%s\" needs three coordinates", loadName_)),
        kInertiaReliefFile, __LINE__);

  stream << "*Inertia Relief";
  if (!relief.DatumRef().IsNullRef())
    stream << ", orientation=" << info_->DatumCsysName(relief.DatumRef(), 0.0, cow_String());
  stream.LineBreak();
  if (complete) return;

  for (int k = 0; k < 6; ++k) {
    if (!free[k]) continue;
    stream << k + 1;
    if (k < 5) stream << ", ";
  }
  stream.LineBreak();
  if (point.IsEmpty()) return;
  stream << point[0] << ',' << point[1] << ',' << point[2];
  stream.LineBreak();
}
