// The Eulerian step of aif_PartAttributesBuilder: "*Eulerian Section" and
// "*Hourglass Stiffness", then one surface per material instance of the
// section (in a part once per write, however many instances share it).
#pragma once

#include "BasShared/cow_String.h"

class aif_PartAttributesFiler;
class bme_ElemCtrlParams;
class kseC_Section;
struct aif_InstanceScope;
struct aif_PartAttributesState;

class aif_EulerianSectionStep {
 public:
  aif_EulerianSectionStep(aif_PartAttributesState& state, aif_PartAttributesFiler& filer)
      : state_(state), filer_(filer) {}

  // The section and its stiffness to the part when `partLevel`, else to the
  // instance of `scope`; the surfaces in name order, part-based to the part
  // (named by the material instance), flat to the instance ("Instance_m",
  // dots made "_").
  void Add(const aif_InstanceScope& scope, bool partLevel, const cow_String& setName,
           const kseC_Section& section, const cow_String& controls,
           const bme_ElemCtrlParams& params);

 private:
  aif_PartAttributesState& state_;
  aif_PartAttributesFiler& filer_;
};
