#include "OdbAttrEO/kloC_Load.h"

namespace {
const kloC_LoadState& EmptyLoadState() {
  static const kloC_LoadState empty;
  return empty;
}
}  // namespace

const kern_Object& kloC_Load::ConstGetStateQuad(const cow_String& step) const {
  if (const kern_Object* state = FindState(step)) return *state;
  return EmptyLoadState();
}

const kloC_LoadState& kloC_Load::ConstGetState(const cow_String& step) const {
  const auto* state = dynamic_cast<const kloC_LoadState*>(&ConstGetStateQuad(step));
  return state ? *state : EmptyLoadState();
}
