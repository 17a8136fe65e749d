#include "aif/impl/model/aif_Tie.h"

#include <string>

#include "AFCInputFileWriter/akw_MorvexName.h"
#include "OdbAttrEO/kcoC_Tie.h"
#include "QivBasicUtils/nex_Exception.h"
#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/core/aif_Exception.h"
#include "aif/impl/core/aif_RegionName.h"

namespace {

// ", " and, on a long line, a line break before the next option.
utl_Stream& NextOption(utl_Stream& stream) {
  return (stream << ", ").OptionalLineBreak();
}

cow_String Printable(const cow_String& name) {
  return akw_MorvexName(name, false).Printable();
}

}  // namespace

aif_Tie::aif_Tie(cow_String name, cow_String firstSurface, cow_String secondSurface,
                 const aif_ModelInfo& info, bool adjust, double positionTolerance)
    : name_(std::move(name)),
      firstSurface_(std::move(firstSurface)),
      secondSurface_(std::move(secondSurface)),
      positionTolerance_(positionTolerance),
      info_(&info),
      cyclic_(true),
      adjust_(adjust) {}

aif_Tie::aif_Tie(cow_String name, cow_String firstSurface, cow_String secondSurface,
                 double positionTolerance, const aif_ModelInfo& info)
    : name_(std::move(name)),
      firstSurface_(std::move(firstSurface)),
      secondSurface_(std::move(secondSurface)),
      positionTolerance_(positionTolerance),
      info_(&info) {}

aif_Tie::aif_Tie(cow_String name, const kcoC_Constraint& constraint, const aif_ModelInfo& info)
    : name_(std::move(name)), constraint_(constraint), info_(&info) {}

void aif_Tie::Write(utl_Stream& stream) const {
  if (!constraint_.IsNull()) return WriteFromConstraint(stream);

  stream << "*Tie, name=" << akw_MorvexName(name_, false);
  // The largest double stands for a tolerance nobody gave; it is never
  // written as a value.
  const bool toleranceSet = positionTolerance_ != kUnsetTolerance;
  if (cyclic_) {
    stream << ", cyclic symmetry";
    if (toleranceSet) NextOption(stream) << "position tolerance=" << positionTolerance_;
  } else if (toleranceSet && positionTolerance_ > 0.0) {
    stream << ", position tolerance=" << positionTolerance_;
  }
  stream << (adjust_ ? ", adjust=yes" : ", adjust=no") << endl;
  stream << Printable(secondSurface_) << ", " << Printable(firstSurface_) << endl;
}

void aif_Tie::WriteFromConstraint(utl_Stream& stream) const {
  const kcoC_Tie& tie = nex_canDynamicCastRef<const kcoC_Tie>(*constraint_, __FILE__, __LINE__);
  const char* type = nullptr;
  switch (tie.TieType()) {
    case kcoC_Tie::kDefaultType:
      break;
    case kcoC_Tie::kNodeToSurface:
      type = "type=NODE TO SURFACE";
      break;
    case kcoC_Tie::kSurfaceToSurface:
      type = "type=SURFACE TO SURFACE";
      break;
    default:
      // Checked before anything is written: an unknown type would leave the
      // option without a value.
      throw aif_Exception("The tie " + Printable(name_) + " has the unknown tie type " +
                          cow_String(std::to_string(tie.TieType())) + ".");
  }

  stream << "*Tie, name=" << akw_MorvexName(name_, false);
  stream << (tie.Adjust() ? ", adjust=yes" : ", adjust=no");
  if (tie.PositionToleranceMethod() == kcoC_Tie::kSpecified &&
      tie.PositionTolerance() != kUnsetTolerance)
    NextOption(stream) << "position tolerance=" << tie.PositionTolerance();
  if (!tie.TieRotations()) NextOption(stream) << "no rotation";
  if (tie.ConstraintRatioMethod() == kcoC_Tie::kSpecified &&
      tie.ConstraintRatio() != kUnsetTolerance)
    NextOption(stream) << "constraint ratio=" << tie.ConstraintRatio();
  if (type) NextOption(stream) << type;
  if (!tie.Thickness()) NextOption(stream) << "no thickness";
  stream << endl;

  const aif_RegionName second(tie.SecondRegion(), *info_);
  const aif_RegionName first(tie.FirstRegion(), *info_);
  stream << second.SetName(2) << ", " << first.SetName(2) << endl;
}
