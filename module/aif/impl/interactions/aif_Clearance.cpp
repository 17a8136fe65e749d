#include "aif/impl/interactions/aif_Clearance.h"

#include <cfloat>
#include <memory>

#include "AFCInputFileWriter/akw_MorvexName.h"
#include "ModKerLow/dtu_DatumAxis.h"
#include "QivBasicUtils/nex_Exception.h"
#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/core/aif_KeywordOption.h"

namespace {

constexpr char kClearanceFile[] = "module/aif/impl/interactions/aif_Clearance.cpp";

// DBL_MAX and the smallest positive double both stand for an unset value.
bool IsClearanceValueUnset(double value) {
  return value == DBL_MAX || value == DBL_MIN;
}

}  // namespace

aif_Clearance::aif_Clearance(const cow_COW<kinC_Interaction>& interaction,
                             const kinC_ClearanceData& clearance, const cow_String& clearanceRegion,
                             const dtmK_Datum& boltAxis, const cow_String& master,
                             const cow_String& slave)
    : interaction_(interaction),
      clearance_(clearance),
      clearanceRegion_(clearanceRegion),
      master_(master),
      slave_(slave),
      boltAxis_(boltAxis) {}

aif_Clearance::aif_Clearance(const cow_COW<kinC_Interaction>& interaction,
                             const kinC_ClearanceData& clearance, const cow_String& clearanceRegion,
                             const dtmK_Datum& boltAxis, const cow_String& cpset)
    : interaction_(interaction),
      clearance_(clearance),
      clearanceRegion_(clearanceRegion),
      cpset_(cpset),
      boltAxis_(boltAxis) {}

void aif_Clearance::Write(utl_Stream& stream) const {
  if (interaction_.IsNull()) return;
  const kinC_Interaction& interaction = *interaction_;
  const bool isStandard = interaction.DynTypeId() == kinC_SurfaceToSurfaceContactStd::TypeId();
  if (!isStandard)
    nex_canDynamicCastRef<const kinC_SurfaceToSurfaceContactXpl>(interaction, kClearanceFile,
                                                                 __LINE__);
  if (clearance_.clearanceType == 0) return;

  // Two long surface names would carry the line past what the solver
  // reads: each option may go on the next line.
  stream << "*Clearance";
  if (isStandard) {
    aif_Option(stream, master_.Length() + 7) << "master=" << master_;
    aif_Option(stream, slave_.Length() + 6) << "slave=" << slave_;
  } else {
    stream << ", cpset=" << akw_MorvexName(cpset_, false);
  }
  if (clearance_.clearanceType == 2) {
    aif_Option(stream, 30) << "value=" << clearance_.value;
    stream.LineBreak();
  } else if (clearance_.clearanceType == 1) {
    aif_Option(stream) << "bolt";
    aif_Option(stream) << "tabular";
    stream.LineBreak();
    WriteBoltLines(stream);
  } else {
    stream.LineBreak();
  }
}

void aif_Clearance::WriteBoltLines(utl_Stream& stream) const {
  const double* bolt = clearance_.bolt;
  stream << bolt[0] << ", " << bolt[1] << ", ";
  if (bolt[2] != DBL_MAX) stream << bolt[2];
  stream << ", ";
  if (bolt[3] != DBL_MAX) stream << bolt[3];
  stream.LineBreak();

  stream << clearanceRegion_ << ", ";
  if (!IsClearanceValueUnset(clearance_.value)) stream << clearance_.value;
  // Only a datum axis has an origin and a direction to write.
  std::unique_ptr<dtu_Datum> datum = boltAxis_.MakeDatum();
  if (const auto* axis = dynamic_cast<const dtu_DatumAxis*>(datum.get())) {
    const gsl_Point& origin = axis->Origin();
    const gsl_Vector direction = clearance_.flipBoltAxis ? -axis->Direction() : axis->Direction();
    const gsl_Point tip = origin + direction;
    stream << ", " << origin.x << ", " << origin.y << ", " << origin.z;
    stream << ", " << tip.x << ", " << tip.y << ", " << tip.z;
  }
  stream.LineBreak();
}
