#include "aif/impl/steps/aif_ModalDamping.h"

#include "QivBasicUtils/utl_Stream.h"

aif_ModalDamping::aif_ModalDamping(Kind kind, const kprC_DampingTable* table)
    : kind_(table ? kind : Kind::kNone), table_(table ? *table : kprC_DampingTable()) {}

aif_ModalDamping::aif_ModalDamping(const kprC_CompositeDamping* damping)
    : aif_ModalDamping(Kind::kComposite, damping) {}
aif_ModalDamping::aif_ModalDamping(const kprC_DirectDamping* damping)
    : aif_ModalDamping(Kind::kDirect, damping) {}
aif_ModalDamping::aif_ModalDamping(const kprC_RayleighDamping* damping)
    : aif_ModalDamping(Kind::kRayleigh, damping) {}
aif_ModalDamping::aif_ModalDamping(const kprC_StructuralDamping* damping)
    : aif_ModalDamping(Kind::kStructural, damping) {}
aif_ModalDamping::aif_ModalDamping(const kprC_DirectDampingByFrequency* damping)
    : aif_ModalDamping(Kind::kDirectByFrequency, damping) {}
aif_ModalDamping::aif_ModalDamping(const kprC_RayleighDampingByFrequency* damping)
    : aif_ModalDamping(Kind::kRayleighByFrequency, damping) {}
aif_ModalDamping::aif_ModalDamping(const kprC_StructuralDampingByFrequency* damping)
    : aif_ModalDamping(Kind::kStructuralByFrequency, damping) {}

void aif_ModalDamping::Write(utl_Stream& stream) const {
  if (kind_ == Kind::kNone) return;
  stream << "*Modal Damping";
  switch (kind_) {
    case Kind::kComposite:
      stream << ", modal=COMPOSITE";
      break;
    case Kind::kRayleigh:
      stream << ", rayleigh";
      break;
    case Kind::kStructural:
      stream << ", structural";
      break;
    case Kind::kDirectByFrequency:
      stream << ", definition=FREQUENCY RANGE";
      break;
    case Kind::kRayleighByFrequency:
      stream << ", rayleigh, definition=FREQUENCY RANGE";
      break;
    case Kind::kStructuralByFrequency:
      stream << ", structural, definition=FREQUENCY RANGE";
      break;
    default:
      break;
  }
  stream.LineBreak();

  const bool byFrequency = kind_ == Kind::kDirectByFrequency ||
                           kind_ == Kind::kRayleighByFrequency ||
                           kind_ == Kind::kStructuralByFrequency;
  for (const kprC_ModalDampingEntry& entry : table_.Entries()) {
    if (byFrequency)
      stream << entry.Frequency();
    else
      stream << entry.First() << ", " << entry.Last();
    switch (kind_) {
      case Kind::kDirect:
      case Kind::kDirectByFrequency:
        stream << ", " << entry.Fraction();
        break;
      case Kind::kRayleigh:
      case Kind::kRayleighByFrequency:
        stream << ", " << entry.Alpha() << ", " << entry.Beta();
        break;
      case Kind::kStructural:
      case Kind::kStructuralByFrequency:
        stream << ", " << entry.Factor();
        break;
      default:
        break;  // composite damping lists the modes only
    }
    stream.LineBreak();
  }
}
