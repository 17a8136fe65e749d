#include "aif/impl/loads/aif_BoundaryForBoltLoad.h"

#include "AFCInputFileWriter/akw_MorvexName.h"
#include "OdbAttrEO/kloC_Load.h"
#include "QivBasicUtils/nex_Exception.h"
#include "QivBasicUtils/utl_Stream.h"

namespace {

constexpr char kBoltBoundaryFile[] = "module/aif/impl/loads/aif_BoundaryForBoltLoad.cpp";

const kloC_LoadState& BoltBoundaryState(const kloC_BoltLoad& load, const cow_String& step,
                                        int line) {
  return nex_canDynamicCastRef<const kloC_LoadState>(load.ConstGetStateQuad(step),
                                                     kBoltBoundaryFile, line);
}

}  // namespace

aif_BoundaryForBoltLoad::aif_BoundaryForBoltLoad(const kloC_BoltLoad& load, const cow_String& step,
                                                 bool opFlag, const cow_String& nodeSetName,
                                                 double scale)
    : load_(&load), step_(step), nodeSetName_(nodeSetName), opFlag_(opFlag), scale_(scale) {
  const kloC_LoadState& state = BoltBoundaryState(load, step, __LINE__);
  inactive_ = load.Status(step) == 4 || state.Method().Value() == kloC_APPLY_FORCE;
  if (inactive_)
    opFlag_ = false;
  else
    amplitude_ = state.AmplitudeName();
}

void aif_BoundaryForBoltLoad::Write(utl_Stream& stream) const {
  if (inactive_) {
    stream << "*Boundary, op=NEW";
    stream.LineBreak();
    return;
  }
  const kloC_LoadState& state = BoltBoundaryState(*load_, step_, __LINE__);
  const kloC_BoltLoadMethodEnm method = state.Method().Value();
  // The amplitude's printable form (a name the file cannot carry refused)
  // before anything is written.
  const cow_String amplitude = method != kloC_FIX_LENGTH && !amplitude_.IsEmpty()
                                   ? akw_MorvexName(amplitude_, false).Printable()
                                   : cow_String();
  stream << "*Boundary";
  if (!opFlag_) stream << ", op=NEW";
  if (method == kloC_FIX_LENGTH)
    stream << ", fixed";
  else if (!amplitude.IsEmpty())
    stream << ", amplitude=" << amplitude;
  stream.LineBreak();

  stream << nodeSetName_ << ", 1, 1";
  const double length = method == kloC_ADJUST_LENGTH ? state.Length().Value() : 0.0;
  if (length * scale_ != 0.0) stream << ", " << length * scale_;
  stream.LineBreak();
}
