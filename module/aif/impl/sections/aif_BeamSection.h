// "*Beam Section": a beam section integrated during the analysis, with its
// material, temperature option and profile. The part-attributes builder makes
// it for a beam section whose integration choice is not 0 and files the
// section's transverse shear after it.
#pragma once

#include "AFCInputFileWriter/akw_Keyword.h"
#include "aif/impl/sections/aif_BeamSectionCommon.h"

class aif_BeamSection : public aif_BeamSectionCommon, public akw_Keyword {
 public:
  // The section is type-tested as a kseC_BeamSection; profiles are copied
  // and may be null. `endProfile` is the end of a tapered section: without
  // one of the start profile's class a tapered section fails to write.
  aif_BeamSection(cow_String elementSet, const kseC_Section& section, double n1, double n2,
                  double n3, double n4, const kbpC_BeamProfile* profile,
                  const kbpC_BeamProfile* endProfile = nullptr);
  aif_BeamSection(const aif_BeamSection&) = default;

  akw_Keyword* Clone() const override { return new aif_BeamSection(*this); }
  // "*Beam Section, elset=SET, material=MAT" with ", poisson = ",
  // ", lumped=NO", ", temperature=GRADIENTS|VALUES", ", Taper" and the
  // profile option; the profile's data lines and the direction line.
  void Write(utl_Stream& stream) const override { aif_BeamSectionCommon::Write(stream); }

 protected:
  // ", temperature=GRADIENTS" for variation 0, ", temperature=VALUES" for 1,
  // nothing otherwise.
  void WriteTemperatureOption(utl_Stream& stream) const override;
  // ", material=" and the printable material name.
  void WriteMaterialOption(utl_Stream& stream) const override;
};
