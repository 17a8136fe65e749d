// An interaction of the model (contact and the like), defined in a step and
// carried over to later ones. It may be suppressed, and may name node sets
// that contact treats as node-based surfaces.
#pragma once

#include <utility>

#include "BasShared/cow_List.h"
#include "OdbAttrEO/kern_Object.h"
#include "OdbCoreGeom/rgnC_Region.h"

class kinC_Interaction : public kern_Object {
 public:
  static constexpr unsigned kTypeId = 0x3070004;
  static unsigned TypeId() { return kTypeId; }
  unsigned DynTypeId() const override { return kTypeId; }
  kinC_Interaction* Clone() const override { return new kinC_Interaction(*this); }
  CLS_REGISTER(kinC_Interaction, kern_Object)

  bool Suppressed() const { return suppressed_; }
  // The node sets the interaction names for contact, in order.
  const cow_List<rgnC_Region>& ConstGetContactNodeSets() const { return contactNodeSets_; }

  void SetSuppressed(bool suppressed) { suppressed_ = suppressed; }
  void SetContactNodeSets(cow_List<rgnC_Region> regions) { contactNodeSets_ = std::move(regions); }

 private:
  bool suppressed_ = false;
  cow_List<rgnC_Region> contactNodeSets_;
};
