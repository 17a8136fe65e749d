// "*Nset" of a single node label, which the part and instance builders write
// for their own nodes (reference points): the keyword line and one member
// line, never a generate range, an instance option or an offset.
#pragma once

#include "AFCInputFileWriter/akw_Keyword.h"
#include "BasShared/cow_String.h"
#include "QivBasicUtils/omi_BlkBitVect.h"

class aif_RawNset : public akw_Keyword {
 public:
  // `internalAllowed`: ", internal" is added for an internal name (in any
  // file layout); otherwise never.
  aif_RawNset(int label, const cow_String& name, bool internalAllowed);

  aif_RawNset* Clone() const override { return new aif_RawNset(*this); }
  // A name that cannot be written throws aif_Exception before anything is
  // written (aif_CheckWritableName).
  void Write(utl_Stream& stream) const override;

 private:
  omi_BlkBitVect members_;
  cow_String name_;
  bool internalAllowed_;
};
