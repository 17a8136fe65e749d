// "*Beam General Section": a beam section integrated before the analysis, its
// stiffness given as a table, with optional density, damping, shear centre,
// centroid and section points. The part-attributes builder makes it for a
// beam section whose integration choice is 0.
#pragma once

#include "AFCInputFileWriter/akw_Keyword.h"
#include "aif/impl/sections/aif_BeamSectionCommon.h"

class aif_BeamGeneralSection : public aif_BeamSectionCommon, public akw_Keyword {
 public:
  // The section is type-tested as a kseC_BeamSection; profiles are copied
  // and may be null. A tapered section fails to write without an end profile
  // of the start profile's class.
  aif_BeamGeneralSection(cow_String elementSet, const kseC_Section& section, double n1, double n2,
                         double n3, double n4, const kbpC_BeamProfile* profile,
                         const kbpC_BeamProfile* endProfile);
  aif_BeamGeneralSection(const aif_BeamGeneralSection&) = default;

  akw_Keyword* Clone() const override { return new aif_BeamGeneralSection(*this); }
  // "*Beam General Section, elset=SET" with ", dependencies=", ", poisson = ",
  // ", lumped=NO", ", zero=", ", density=", ", Taper" and the profile option;
  // the profile's data lines, the direction line, the general-section table,
  // "*Beam Fluid Inertia", "*Damping", "*Shear Center", "*Centroid" and
  // "*Section Points". A shear centre or centroid list of one value throws
  // aif_Exception.
  void Write(utl_Stream& stream) const override { aif_BeamSectionCommon::Write(stream); }

 protected:
  // "section=GENERAL": A, I11, I12, I22, J and, when either is not 0, gamma0
  // and gammaW; the end profile's line for a tapered section.
  void WriteGeneralizedProfile(utl_Stream& stream) const override;
  // ", density=" when set and not 0.
  void WritePreIntegratedOptions(utl_Stream& stream) const override;
  void WriteSubKeywords(utl_Stream& stream) const override;
  // ", zero=" when the zero-strain temperature is set and not 0.
  void WriteTemperatureOption(utl_Stream& stream) const override;
  // The general-section table as data lines, a blank column before index 2
  // when the first table flag is clear and before index 3 when the second is.
  void WriteMaterialOption(utl_Stream& stream) const override;

 private:
  // "*Shear Center" or "*Centroid" with the point, when it is given and not
  // (0, 0).
  void WritePoint(utl_Stream& stream, const char* keyword, const cow_List<double>& point) const;
};
