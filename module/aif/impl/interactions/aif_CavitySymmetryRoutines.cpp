#include "aif/impl/interactions/aif_CavitySymmetryRoutines.h"

#include "AttributesIntObj/asoK_Assembly.h"
#include "BasShared/atr_String.h"
#include "ModKerLow/ptoK_Part.h"
#include "QivBasicUtils/nex_Exception.h"
#include "QivBasicUtils/utl_Stream.h"
#include "VwrModKer/ftr_FeatureList.h"
#include "aif/impl/core/aif_Exception.h"
#include "aif/impl/core/aif_ModelInfo.h"

int aif_CavitySpaceCode(const aif_ModelInfo& info) {
  const asoK_Assembly* assembly = info.Assembly();
  if (!assembly) return 0;
  if (assembly->IsSpace(ptoK_SPACE_3D)) return 3;
  if (assembly->IsSpace(ptoK_SPACE_2D)) return 2;
  if (assembly->IsSpace(ptoK_SPACE_AXISYMMETRIC)) return 1;
  return 0;
}

const ftr_FeatureList& aif_CavityFeatureList(const aif_ModelInfo& info) {
  static const ftr_FeatureList noFeatures;
  const asoK_Assembly* assembly = info.Assembly();
  return assembly ? assembly->ConstGetFeatureList() : noFeatures;
}

void aif_WriteCavityValues(utl_Stream& stream, std::initializer_list<double> values) {
  const char* separator = "";
  for (const double value : values) {
    stream << separator << value;
    separator = ", ";
  }
  stream.LineBreak();
}

void aif_ThrowCavitySymmetryError(const char* format, const cow_String& name, const char* file,
                                  int line) {
  nex_Exception::Throw(aif_Exception(atr_TranslateWithArg(format, name)), file, line);
}
