#include "aif/impl/loads/aif_Sload.h"

#include "AFCInputFileWriter/akw_MorvexName.h"
#include "ModKerLow/rgnK_Region.h"
#include "OdbAttrEO/kloC_Load.h"
#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/core/aif_ElementFileRecord.h"
#include "aif/impl/core/aif_ModelInfo.h"

namespace {

constexpr char kSloadFile[] = "module/aif/impl/loads/aif_Sload.cpp";

}  // namespace

aif_Sload::aif_Sload(const kloC_Load& load, const cow_String& stepName, bool opFlag,
                     const aif_ModelInfo& info, double scaleFactor)
    : load_(&load),
      step_(stepName),
      info_(&info),
      status_(load, stepName, opFlag, aif_RestateBy::kStateOrAmplitudeStatus, kSloadFile, __LINE__),
      scale_(scaleFactor) {}

int aif_Sload::ElementLabel() const {
  const rgnK_Region region(info_->Assembly(), info_->ModelName(), load_->Region());
  if (!region.IsValid(true)) return 0;
  const cow_List<unsigned> ids = region.InstanceIds(false);
  if (ids.IsEmpty()) return 0;
  const unsigned id = ids[0];
  if (!info_->FeatureTheoryFlag(id)) return 0;
  // The table is only looked up; the element keywords fill it while the model
  // data is written, before any history.
  const aif_ModelInfo::LabelTableType* table = info_->LabelTable();
  if (!table) return 0;
  const int key = static_cast<int>(id);
  const auto* held = table->Find(key);
  if (!held || !*held || (*held)->Key() != key) return 0;
  return (*held)->FirstLabel();
}

void aif_Sload::Write(utl_Stream& stream) const {
  aif_LoadHeaderPieces pieces;
  pieces.newOp = status_.NewOp();
  pieces.amplitude = status_.Amplitude();
  pieces.amplitudeBreak = true;
  aif_WriteLoadHeader(stream, "*Sload", pieces);
  stream.LineBreak();
  if (status_.Inactive()) return;

  const int element = ElementLabel();
  if (element == 0) return;
  const kloC_LoadState& state = load_->ConstGetState(step_);
  const double magnitude = state.Value(0).Value() * scale_;
  for (const cow_String& loadCase : state.LoadCaseNames()) {
    stream << element << ", " << akw_MorvexName(loadCase, false) << ", " << magnitude;
    stream.LineBreak();
  }
}
