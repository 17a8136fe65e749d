// "*Eulerian Mesh Motion": how the mesh of an Eulerian part instance follows
// a surface in one step, or the keyword line alone with ", op=NEW" where the
// boundary conditions start anew. The boundary keyword creates it and writes
// it straight into its own output.
#pragma once

#include "AFCInputFileWriter/akw_Keyword.h"
#include "BasShared/cow_String.h"

class akw_ModelInfo;
class kbcC_EulerianMotionBC;

class aif_EulerianMeshMotion : public akw_Keyword {
 public:
  // `boundary` in `stepName`; `opNew` writes ", op=NEW". The condition and
  // `info` are referred to and must outlive the keyword.
  aif_EulerianMeshMotion(const kbcC_EulerianMotionBC& boundary, const cow_String& stepName,
                         const akw_ModelInfo& info, bool opNew);
  // The short form: the keyword line with the element set and ", op=NEW".
  aif_EulerianMeshMotion(const kbcC_EulerianMotionBC& boundary, const akw_ModelInfo& info);
  aif_EulerianMeshMotion(const aif_EulerianMeshMotion&) = default;

  akw_Keyword* Clone() const override { return new aif_EulerianMeshMotion(*this); }

  // The keyword line (element set of the Eulerian instance, surface, op,
  // orientation and the limits that differ from their defaults) and three
  // data lines: the six numbers, then the position settings. Throws
  // aif_Exception naming the condition when its instance is missing, not an
  // Eulerian instance, suppressed or excluded, or has no usable section
  // assignment, before anything is written.
  void Write(utl_Stream& stream) const override;

  // The printable name of the element set of the instance's elements
  // ("Inst.Region" in a part-based file, "Inst_Region" otherwise); throws as
  // Write does.
  cow_String ElementSetName() const;

 private:
  const kbcC_EulerianMotionBC* boundary_;
  cow_String stepName_;
  bool opNew_ = false;
  const akw_ModelInfo* modelInfo_;
  bool headerOnly_ = false;
};
