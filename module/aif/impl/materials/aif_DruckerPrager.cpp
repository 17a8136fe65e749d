#include "aif/impl/materials/aif_DruckerPrager.h"

#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/materials/aif_DruckerPragerCreep.h"
#include "aif/impl/materials/aif_DruckerPragerHardening.h"
#include "aif/impl/materials/aif_MaterialOptionFrame.h"
#include "aif/impl/materials/aif_RateDependent.h"
#include "aif/impl/materials/aif_TriaxialTestData.h"

namespace {

constexpr double kDruckerPragerDefaultEccentricity = 0.1;

// The criterion as written: a value the kernel does not define counts as the
// linear criterion (no option, the linear data layout).
int aif_DruckerPragerCriterion(int criterion) {
  return criterion == 1 || criterion == 2 ? criterion : 0;
}

}  // namespace

void aif_DruckerPrager::Write(utl_Stream& stream) const {
  const int criterion = aif_DruckerPragerCriterion(option_.shearCriterion);
  stream << "*Drucker Prager";
  aif_WriteDependencies(stream, option_.dependencies);
  if (option_.eccentricity != kDruckerPragerDefaultEccentricity)
    aif_WriteOption(stream, "eccentricity=", option_.eccentricity);
  if (criterion == 1) aif_WriteOption(stream, "shearcriterion=HYPERBOLIC");
  if (criterion == 2) aif_WriteOption(stream, "shearcriterion=EXPONENT FORM");
  if (option_.testData) aif_WriteOption(stream, "testdata");
  stream.LineBreak();

  // Each criterion reads its values at places of its own: the columns a
  // criterion does not use stay empty.
  aif_DataLineTable lines(option_.table, option_.dependencies, option_.temperatureDependency);
  if (criterion == 2 && option_.testData) {
    for (int i = 0; i < 3; ++i)
      lines.InsertColumn(0);
  } else if (criterion != 0) {
    lines.InsertColumn(2);
  }
  if (!option_.temperatureDependency && option_.dependencies > 0)
    lines.InsertColumn(criterion == 0 ? 3 : 4);
  stream << lines;

  aif_WriteSubOption<aif_TriaxialTestData>(stream, option_.triaxialTestData);
  aif_WriteSubOption<aif_DruckerPragerCreep>(stream, option_.creep);
  aif_WriteSubOption<aif_DruckerPragerHardening>(stream, option_.hardening);
  aif_WriteSubOption<aif_RateDependent>(stream, option_.rateDependent);
}
