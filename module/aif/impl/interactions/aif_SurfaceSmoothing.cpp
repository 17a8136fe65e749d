#include "aif/impl/interactions/aif_SurfaceSmoothing.h"

#include <cstddef>
#include <utility>

#include "BasShared/cow_Error.h"
#include "QivBasicUtils/utl_Stream.h"

aif_SurfaceSmoothing::aif_SurfaceSmoothing(cow_String name, cow_List<cow_String> masterNames,
                                           cow_List<cow_String> slaveNames, cow_List<double> x1,
                                           cow_List<double> y1, cow_List<double> z1,
                                           cow_List<double> x2, cow_List<double> y2,
                                           cow_List<double> z2, cow_List<bool> circumferential,
                                           cow_List<bool> spherical)
    : masterNames_(std::move(masterNames)),
      slaveNames_(std::move(slaveNames)),
      x1_(std::move(x1)),
      y1_(std::move(y1)),
      z1_(std::move(z1)),
      x2_(std::move(x2)),
      y2_(std::move(y2)),
      z2_(std::move(z2)),
      circumferential_(std::move(circumferential)),
      spherical_(std::move(spherical)),
      name_(std::move(name)) {}

void aif_SurfaceSmoothing::Write(utl_Stream& stream) const {
  if (masterNames_.IsEmpty()) return;
  stream << "*Surface Smoothing, name=" << name_;
  stream.LineBreak();
  for (std::size_t i = 0; i < masterNames_.Length(); ++i) {
    stream << slaveNames_[i] << ", " << masterNames_[i] << ", "
           << (spherical_[i] ? "SPHERICAL, " : "CIRCUMFERENTIAL, ") << x1_[i] << ", " << y1_[i]
           << ", " << z1_[i];
    if (circumferential_[i]) stream << ", " << x2_[i] << ", " << y2_[i] << ", " << z2_[i];
    stream.LineBreak();
  }
}
