#include "aif/impl/sections/aif_BeamSection.h"

#include "AFCInputFileWriter/akw_MorvexName.h"
#include "OdbAttrEO/kseC_BeamSection.h"
#include "QivBasicUtils/utl_Stream.h"

aif_BeamSection::aif_BeamSection(cow_String elementSet, const kseC_Section& section, double n1,
                                 double n2, double n3, double n4, const kbpC_BeamProfile* profile,
                                 const kbpC_BeamProfile* endProfile)
    : aif_BeamSectionCommon(std::move(elementSet), section, n1, n2, n3, n4, profile, endProfile) {
  SetKeywordText("*Beam Section");
}

void aif_BeamSection::WriteTemperatureOption(utl_Stream& stream) const {
  switch (Beam().temperatureVariation) {
    case 0:
      Option(stream, 21) << "temperature=GRADIENTS";
      break;
    case 1:
      Option(stream, 18) << "temperature=VALUES";
      break;
    default:
      break;
  }
}

void aif_BeamSection::WriteMaterialOption(utl_Stream& stream) const {
  const cow_String name = akw_MorvexName(Beam().materialName, false).Printable();
  Option(stream, 9 + name.Length()) << "material=" << name;
}
