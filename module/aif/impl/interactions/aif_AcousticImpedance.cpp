#include "aif/impl/interactions/aif_AcousticImpedance.h"

#include "AFCInputFileWriter/akw_MorvexName.h"
#include "QivBasicUtils/omu_PrimEnum.h"
#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/core/aif_KeywordOption.h"

namespace {

// The propagation status of an impedance deactivated in a step.
constexpr int kImpedanceDeactivated = 4;
// The kind of an impedance that names an impedance property.
constexpr int kImpedancePropertyKind = 0;

}  // namespace

aif_AcousticImpedance::aif_AcousticImpedance(const kinC_AcousticImpedance& interaction,
                                             const cow_String& stepName, bool keepOp,
                                             const cow_String& regionName)
    : regionName_(regionName), keepOp_(keepOp), impedance_(interaction), stepName_(stepName) {}

void aif_AcousticImpedance::Write(utl_Stream& stream) const {
  if (impedance_.GetPropStatus(stepName_) == kImpedanceDeactivated) {
    stream << "*Simpedance";
    if (!keepOp_) stream << ", op=NEW";
    stream.LineBreak();
    return;
  }
  const bool property = impedance_.Kind() == kImpedancePropertyKind;
  // Read before writing: a missing state stops the write with nothing written.
  const cow_String propertyName =
      property ? impedance_.ConstGetState(stepName_).InteractionProperty().Value() : cow_String();
  stream << "*Simpedance";
  using Shape = kinC_AcousticImpedance::NonreflectingShapeEnm;
  const int shape = impedance_.NonreflectingShape();
  if (property)
    stream << ", property=" << akw_MorvexName(propertyName, false);
  else
    stream << ", nonreflecting=" << omu_PrimEnum<Shape>(static_cast<Shape>(shape)).GetString();
  if (!keepOp_) aif_Option(stream) << "op=NEW";
  stream.LineBreak();

  stream << regionName_;
  if (!property) {
    if (shape == kinC_AcousticImpedance::CIRCULAR || shape == kinC_AcousticImpedance::SPHERICAL) {
      stream << ", " << impedance_.FirstGeometricValue();
    } else if (shape == kinC_AcousticImpedance::ELLIPTICAL ||
               shape == kinC_AcousticImpedance::PROLATE_SPHEROIDAL) {
      const gsl_Point& centre = impedance_.Centre().GetPoint();
      const gsl_Vector axis = impedance_.Axis().Direction();
      for (const double value :
           {impedance_.SecondGeometricValue(), impedance_.ThirdGeometricValue(), centre.x, centre.y,
            centre.z, axis.x, axis.y, axis.z})
        stream << ", " << value;
    }
  }
  stream << endl;
}
