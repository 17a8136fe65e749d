// The predefined fields whose values are given node by node: temperature
// fields (a general field kind with a list of magnitudes per step) and
// saturation fields (one value).
#pragma once

#include "BasShared/cow_List.h"
#include "BasShared/cow_Map.h"
#include "BasShared/cow_String.h"
#include "ModelDatabase/mdl_PropAttr.h"
#include "OdbAttrEO/kern_Object.h"
#include "OdbAttrEO/kpfC_InitialState.h"

// The state of a general field kind in one step: its magnitudes, in order.
class kpfC_GeneralFieldBaseState : public kpfC_FieldState {
  KERN_CLASS_HEAD(kpfC_GeneralFieldBaseState, kpfC_FieldState, 0x30B0005)

  const cow_List<mdl_PropAttr<double>>& Magnitudes() const { return magnitudes_; }
  void SetMagnitudes(const cow_List<mdl_PropAttr<double>>& magnitudes) { magnitudes_ = magnitudes; }

 private:
  cow_List<mdl_PropAttr<double>> magnitudes_;
};

// Base of the general field kinds: a state per step and how the magnitudes
// vary through the thickness (1 and 2: the list is complete; any other code:
// a short list is padded with its last magnitude).
class kpfC_GeneralFieldBase : public kpfC_Field {
  KERN_CLASS_HEAD(kpfC_GeneralFieldBase, kpfC_Field, 0x2ec0006)

  // The state stored for `step`; a state without magnitudes when none was.
  const kpfC_GeneralFieldBaseState& ConstGetState(const cow_String& step) const {
    static const kpfC_GeneralFieldBaseState empty;
    const kpfC_GeneralFieldBaseState* state = states_.Find(step);
    return state ? *state : empty;
  }
  void SetState(const cow_String& step, const kpfC_GeneralFieldBaseState& state) {
    states_.Set(step, state);
  }
  int Variation() const { return variation_; }
  void SetVariation(int variation) { variation_ = variation; }

 private:
  cow_Map<cow_String, kpfC_GeneralFieldBaseState> states_;
  int variation_ = 0;
};

class kpfC_Temperature : public kpfC_GeneralFieldBase {
  KERN_CLASS_HEAD(kpfC_Temperature, kpfC_GeneralFieldBase, 0x2ec0008)
};

class kpfC_Saturation : public kpfC_Field {
  KERN_CLASS_HEAD(kpfC_Saturation, kpfC_Field, 0x2ec001d)

  double Value() const { return value_; }
  void SetValue(double value) { value_ = value; }

 private:
  double value_ = 0.0;
};
