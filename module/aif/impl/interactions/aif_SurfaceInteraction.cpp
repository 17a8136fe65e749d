#include "aif/impl/interactions/aif_SurfaceInteraction.h"

#include <cfloat>
#include <utility>

#include "AFCInputFileWriter/akw_MorvexName.h"
#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/core/aif_ModelInfo.h"

aif_SurfaceInteraction::aif_SurfaceInteraction(cow_String name, const aif_ModelInfo& modelInfo,
                                               double dataValue, double padThickness)
    : name_(std::move(name)),
      modelInfo_(&modelInfo),
      dataValue_(dataValue),
      padThickness_(padThickness) {}

void aif_SurfaceInteraction::Write(utl_Stream& stream) const {
  // Standard reads the data line, Explicit the pad thickness; an input-file
  // job may go to either, so it gets both.
  const int product = modelInfo_->AnalysisProduct();
  stream << "*Surface Interaction, name=" << akw_MorvexName(name_, false);
  if ((product == 1 || product == 3) && padThickness_ != DBL_MAX)
    stream << ", pad thickness=" << padThickness_;
  stream.LineBreak();
  if (product == 0 || product == 3) {
    stream << dataValue_ << ",";
    stream.LineBreak();
  }
}
