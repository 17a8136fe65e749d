#include "aif/impl/steps/aif_Visco.h"

#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/steps/aif_ProcedureOptions.h"

namespace {

constexpr char kViscoFile[] = "module/aif/impl/steps/aif_Visco.cpp";
constexpr int kViscoAutomatic = 0;
constexpr int kViscoExplicitCreep = 1;

}  // namespace

aif_Visco::aif_Visco(const kprC_Step& step, bool explicitCreepForm)
    : aif_ProcedureKeyword(step, kViscoFile, __LINE__), explicitCreepForm_(explicitCreepForm) {}

void aif_Visco::Write(utl_Stream& stream) const {
  const kprC_Incrementation& increments = step_.Incrementation();
  const bool automatic = increments.Method() == kViscoAutomatic;
  stream << "*Visco";
  if (automatic) stream << ", cetol=" << step_.CreepTolerance();
  if (step_.CreepIntegration() == kViscoExplicitCreep)
    stream << (explicitCreepForm_ ? ", creep=EXPLICIT" : ", explicit");
  aif_WriteStabilization(stream, step_.Stabilization());
  stream.LineBreak();

  stream << increments.InitialInc() << ", " << step_.TimePeriod() << ", ";
  if (automatic) stream << increments.MinInc() << ", " << increments.MaxInc();
  stream.LineBreak();
}
