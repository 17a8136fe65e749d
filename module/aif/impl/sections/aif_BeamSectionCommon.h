// The shared writer of "*Beam Section" and "*Beam General Section": the
// keyword line with the options both share, the profile option and the
// profile's data lines, the direction line and "*Beam Fluid Inertia". The two
// keyword classes derive from it and fill its hooks; the part-attributes
// builder makes them.
#pragma once

#include <array>
#include <cstddef>
#include <initializer_list>

#include "BasMem/mem_Allocator.h"
#include "BasShared/cow_COW.h"
#include "BasShared/cow_String.h"
#include "OdbAttrEO/kbpC_Profiles.h"

class kseC_BeamSection;
class kseC_Section;
class utl_Stream;

class aif_BeamSectionCommon : public mem_AllocationOperators {
 public:
  // Writes nothing when the section is not exactly a beam section. A section
  // integrated during the analysis (integration choice not 0) gets its
  // material in the keyword line; one integrated before it gets the
  // dependencies and its table after the direction line.
  //
  // Failures (aif_Exception, the partial file is then removed by the driver):
  // a tapered section whose end profile is missing or of another shape; an
  // arbitrary profile of fewer than two points. A profile of a class no shape
  // writer knows is not a failure: the keyword line is ended, the comment line
  // "**ERROR -- Illegal Beam Profile Definition" written in place of the
  // profile lines and a warning given; writing goes on with the direction.
  void Write(utl_Stream& stream) const;

  const cow_String& ElementSet() const { return elementSet_; }
  const cow_String& KeywordText() const { return keyword_; }
  const std::array<double, 4>& Direction() const { return direction_; }

 protected:
  // Takes copies of the section (type-tested as a kseC_BeamSection: a
  // nex_TextException otherwise) and of the profiles; either profile may be
  // null. The first three reals are the beam direction; the fourth is kept.
  aif_BeamSectionCommon(cow_String elementSet, const kseC_Section& section, double n1, double n2,
                        double n3, double n4, const kbpC_BeamProfile* profile,
                        const kbpC_BeamProfile* endProfile);
  aif_BeamSectionCommon(const aif_BeamSectionCommon&) = default;
  aif_BeamSectionCommon& operator=(const aif_BeamSectionCommon&) = default;
  ~aif_BeamSectionCommon() = default;

  void SetKeywordText(cow_String text) { keyword_ = std::move(text); }
  const kseC_BeamSection& Beam() const;
  // Null when none was given.
  const kbpC_BeamProfile* Profile() const { return profile_.Get(); }

  // Hooks, called in the order of the keyword. Options are written with
  // their leading ", " (through Option) so that a line never ends in a comma.
  // Default: the keyword line is ended and the comment line
  // "**ERROR -- Generalized Profile cannot be used with this section." takes
  // the place of the profile lines, with a warning.
  virtual void WriteGeneralizedProfile(utl_Stream& stream) const;
  // Options of a section integrated before the analysis; default none.
  virtual void WritePreIntegratedOptions(utl_Stream& stream) const;
  // Keywords after the section's lines; default none.
  virtual void WriteSubKeywords(utl_Stream& stream) const;
  virtual void WriteTemperatureOption(utl_Stream& stream) const = 0;
  virtual void WriteMaterialOption(utl_Stream& stream) const = 0;

  // Writes ", " and takes an optional line break before an option of
  // `length` characters; returns the stream.
  static utl_Stream& Option(utl_Stream& stream, std::size_t length);
  // One data line: the values joined by ", " and the line end.
  static void WriteValues(utl_Stream& stream, std::initializer_list<double> values);
  // One data line of a profile, without its line end; the function
  // type-tests the profile as the class it reads.
  using ProfileLine = void (*)(utl_Stream& stream, const kbpC_BeamProfile& profile);
  // Writes `shape` (for example "section=PIPE") as the last option, ends the
  // keyword line, then the start profile's data line and, for a tapered
  // section, the end profile's. Throws aif_Exception for a tapered section
  // whose end profile is missing or not of the start profile's class.
  void WriteShape(utl_Stream& stream, const char* shape, ProfileLine line) const;

 private:
  void WriteProfile(utl_Stream& stream) const;
  void WriteArbitraryProfile(utl_Stream& stream) const;
  void WriteFluidInertia(utl_Stream& stream) const;
  void WriteIllegalProfile(utl_Stream& stream, const char* comment, const char* warning) const;

  cow_String elementSet_;
  cow_String keyword_;
  cow_COW<kseC_Section> section_;
  std::array<double, 4> direction_;
  cow_COW<kbpC_BeamProfile> profile_;
  cow_COW<kbpC_BeamProfile> endProfile_;
};
