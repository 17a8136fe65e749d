#include "OdbAttrEO/kpfC_InitialState.h"

const kpfC_InitialStateState& kpfC_InitialState::ConstGetState(const cow_String& stepName) const {
  static const kpfC_InitialStateState unset;
  const auto* state = dynamic_cast<const kpfC_InitialStateState*>(FindState(stepName));
  return state ? *state : unset;
}
