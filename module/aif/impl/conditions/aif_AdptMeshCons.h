// "*Adaptive Mesh Constraint": one adaptive mesh constraint in one step, a
// displacement or velocity constraint on the mesh motion of a node set, or
// its removal in a step where it is deactivated.
#pragma once

#include "AFCInputFileWriter/akw_Keyword.h"
#include "BasShared/cow_COW.h"
#include "BasShared/cow_String.h"
#include "OdbAttrEO/kprC_AdptMeshCons.h"

class aif_AdptMeshCons : public akw_Keyword {
 public:
  // `constraint` in `stepName`, written on the node set `setName` (as given).
  // `modify` says the constraints defined earlier are modified in this step
  // (no ", op=NEW"): only the degrees of freedom set in the step are then
  // written, unless the constraint's state starts anew in the step.
  // `shellToSolid` is kept and not written.
  aif_AdptMeshCons(const kprC_AdptMeshCons& constraint, const cow_String& stepName, bool modify,
                   const cow_String& setName, bool shellToSolid, const cow_String& initialStepName);
  aif_AdptMeshCons(const aif_AdptMeshCons&) = default;

  akw_Keyword* Clone() const override { return new aif_AdptMeshCons(*this); }

  // The keyword line and its data lines; a deactivated constraint writes its
  // keyword line alone. A displacement constraint in a buckling step whose
  // state is real and whose mode lies outside 0 to 3 writes nothing. Throws
  // aif_Exception "Unimplemented adaptive mesh constraint in input file." for
  // an active constraint neither a displacement nor a velocity one, before
  // anything is written.
  void Write(utl_Stream& stream) const override;

  bool Inactive() const { return inactive_; }
  bool WriteChangedOnly() const { return writeChangedOnly_; }

 private:
  void WriteKeywordLine(utl_Stream& stream, int motionType) const;
  void WriteDataLines(utl_Stream& stream) const;

  bool writeOpNew_ = false;
  cow_COW<kprC_AdptMeshCons> constraint_;
  cow_String stepName_;
  cow_String setName_;
  cow_String amplitudeName_;
  bool inactive_ = false;
  bool writeChangedOnly_ = false;
  bool shellToSolid_ = false;
  cow_String initialStepName_;
};
