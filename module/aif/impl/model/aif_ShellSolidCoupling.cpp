#include "aif/impl/model/aif_ShellSolidCoupling.h"

#include <limits>

#include "AFCInputFileWriter/akw_MorvexName.h"
#include "OdbAttrEO/kcoC_ShellSolidCoupling.h"
#include "QivBasicUtils/nex_Exception.h"
#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/core/aif_RegionName.h"

namespace {

// The largest double stands for a distance nobody gave.
constexpr double kUnset = std::numeric_limits<double>::max();

bool Given(int method, double value) {
  return method == kcoC_ShellSolidCoupling::kSpecified && value != kUnset;
}

}  // namespace

aif_ShellSolidCoupling::aif_ShellSolidCoupling(cow_String constraintName, cow_String firstSurface,
                                               cow_String secondSurface, const aif_ModelInfo& info)
    : name_(std::move(constraintName)),
      firstSurface_(std::move(firstSurface)),
      secondSurface_(std::move(secondSurface)),
      info_(&info) {}

aif_ShellSolidCoupling::aif_ShellSolidCoupling(cow_String constraintName,
                                               const kcoC_Constraint& constraint,
                                               const aif_ModelInfo& info)
    : name_(std::move(constraintName)),
      constraint_(constraint),
      fromConstraint_(true),
      info_(&info) {}

void aif_ShellSolidCoupling::Write(utl_Stream& stream) const {
  if (!fromConstraint_) {
    // The surfaces are defined under their printable names, so they are
    // referred to by the same form.
    stream << "*Shell to Solid Coupling, constraint name=" << akw_MorvexName(name_, false) << endl
           << akw_MorvexName(secondSurface_, false) << ", " << akw_MorvexName(firstSurface_, false)
           << endl;
    return;
  }

  const kcoC_ShellSolidCoupling& coupling =
      nex_canDynamicCastRef<const kcoC_ShellSolidCoupling>(*constraint_, __FILE__, __LINE__);
  stream << "*Shell to Solid Coupling, constraint name=" << akw_MorvexName(name_, false);
  if (Given(coupling.PositionToleranceMethod(), coupling.PositionTolerance()))
    (stream << ", position tolerance=" << coupling.PositionTolerance()).OptionalLineBreak();
  if (Given(coupling.InfluenceDistanceMethod(), coupling.InfluenceDistance()))
    (stream << ", influence distance=" << coupling.InfluenceDistance()).OptionalLineBreak();
  stream << endl;
  const aif_RegionName first(coupling.FirstRegion(), *info_);
  const aif_RegionName second(coupling.SecondRegion(), *info_);
  stream << first.SetName(2) << ", " << second.SetName(2) << endl;
}
