// "*Shell General Section" of a shell section given by its stiffness matrix
// (a general stiffness section): the options, the 21 stiffness values, the
// thermal values and the dependency rows. The part-attributes builder makes
// one per assignment and files it in the part or instance definition; shell
// sections given by their geometry are written by aif_ShellSection.
#pragma once

#include "AFCInputFileWriter/akw_Keyword.h"
#include "BasShared/cow_COW.h"
#include "BasShared/cow_String.h"
#include "OdbAttrEO/kern_RepositoryObjects.h"

class aif_ShellGeneralSection : public akw_Keyword {
 public:
  // The names are written unchanged. `offset` is kept but a general stiffness
  // section does not write it.
  aif_ShellGeneralSection(cow_String elementSet, const kseC_Section& section,
                          cow_String orientation, cow_String controls, double offset,
                          cow_String stackDirection);
  aif_ShellGeneralSection(const aif_ShellGeneralSection&) = default;

  akw_Keyword* Clone() const override { return new aif_ShellGeneralSection(*this); }
  //   *Shell General Section, elset=SET, orientation=O, controls=C, density=D,
  //     zero=Z, poisson=P, thickness modulus=T, stack direction=S, dependencies=N
  //   K1, ..., K8
  //   K9, ..., K16
  //   K17, K18, K19, K20, K21,
  //   T1, T2, T3, T4, T5, T6,      (with thermal values; else an empty line
  //                                 when dependency rows follow)
  //   one or more lines per dependency row, at most 8 positions a line; with
  //   the column flag clear a blank position stands before the third value
  //   (" , "). A row that fills its last line exactly ends with that line.
  // Throws aif_Exception "Shell general section unimplemented" for a
  // user-defined shell section, and cow_OutOfRange for fewer than 21
  // stiffness values or (with the thermal flag) fewer than 6 thermal values,
  // both before anything is written. Any other kind writes nothing.
  void Write(utl_Stream& stream) const override;

 private:
  cow_String controls_;
  cow_String orientation_;
  cow_String elementSet_;
  cow_String stackDirection_;
  cow_ArrayCOW<kseC_Section> section_;
  double offset_;
};
