#include "OdbAttrEO/kpfC_InitialState.h"

const kpfC_InitialStateState& kpfC_InitialState::ConstGetState(const cow_String& stepName) const {
  static const kpfC_InitialStateState unset;
  const kpfC_InitialStateState* state = states_.Find(stepName);
  return state ? *state : unset;
}
