// "*Shell Section" (or "*Shell General Section" for a section whose general
// flag is set): the section assignment of a homogeneous or composite shell
// section given by its geometry, followed by its rebar layers. The
// part-attributes builder makes one per assignment and files it in the part
// or instance definition.
#pragma once

#include "AFCInputFileWriter/akw_Keyword.h"
#include "AFCInputFileWriter/akw_ModelInfo.h"
#include "BasShared/cow_COW.h"
#include "BasShared/cow_String.h"
#include "OdbAttrEO/kern_RepositoryObjects.h"

class aif_ShellSection : public akw_Keyword {
 public:
  // The element set, orientation, controls and stack direction are written
  // unchanged; `rebarOrientation` goes to the rebar layers. An `offset` other
  // than 0 is written as a number; at 0 `offsetDistribution` ("SPOS", "SNEG"
  // or a distribution) is written instead when it is given. `namePrefix`
  // stands before generated distribution names in a flat file;
  // `thicknessDistribution` replaces the section's thickness field when given;
  // `nodalThickness` asks for nodal thickness whatever the section says.
  // `modelInfo` (an aif_ModelInfo) must outlive the keyword.
  aif_ShellSection(cow_String elementSet, const kseC_Section& section, cow_String orientation,
                   cow_String rebarOrientation, cow_String controls, double offset,
                   const akw_ModelInfo& modelInfo, cow_String stackDirection,
                   cow_String plyOrientationPrefix, cow_String offsetDistribution,
                   cow_String namePrefix, cow_String thicknessDistribution, bool nodalThickness);
  aif_ShellSection(const aif_ShellSection&) = default;

  akw_Keyword* Clone() const override { return new aif_ShellSection(*this); }
  // Homogeneous:
  //   *Shell Section, elset=SET, material=M, orientation=O, ..., shell thickness=F
  //   2., 5                    (1. for a field or nodal thickness; the points
  //                             are left out of a general section: "2., ")
  // Composite: ", composite" in place of the material, ", layup=" and
  // ", symmetric" last, then one ply line each (aif_WriteCompositePly; the
  // points column is empty in a general section). Then the rebar layers.
  // A layer option outside 1 to 4 is not written. Throws aif_Exception "Shell
  // general section unimplemented" for a user-defined or another general shell
  // kind, before anything is written; any other kind writes nothing.
  void Write(utl_Stream& stream) const override;

 private:
  cow_String controls_;
  cow_String orientation_;
  cow_String namePrefix_;
  cow_String thicknessDistribution_;
  cow_String rebarOrientation_;
  cow_String plyOrientationPrefix_;
  cow_String offsetDistribution_;
  cow_String elementSet_;
  cow_String stackDirection_;
  cow_ArrayCOW<kseC_Section> section_;
  double offset_;
  bool nodalThickness_;
  const akw_ModelInfo* modelInfo_;
};
