// The model's keyword block: what the user changed in the model's keywords
// by hand. The stand-in keeps only whether anything was edited.
#pragma once

#include "ModelDatabase/mdl_Repository.h"

class bas_KeywordBlock : public mdl_Extension {
 public:
  static constexpr unsigned kTypeId = 0x0200010;
  static unsigned TypeId() { return kTypeId; }
  unsigned DynTypeId() const override { return kTypeId; }

  // True when the model's keywords were edited by hand.
  bool Edited() const { return edited_; }
  void SetEdited(bool edited) { edited_ = edited; }

 private:
  bool edited_ = false;
};
