// "*Solid Section": the section assignment of a homogeneous or composite
// solid, truss or homogeneous fluid section. The part-attributes builder makes
// one per assignment (the assembled-fastener builder for the parts it
// generates) and files it in the part or instance definition.
#pragma once

#include "AFCInputFileWriter/akw_Keyword.h"
#include "BasShared/cow_COW.h"
#include "BasShared/cow_List.h"
#include "BasShared/cow_String.h"
#include "OdbAttrEO/kern_RepositoryObjects.h"

struct kseC_Layer;

class aif_SolidSection : public akw_Keyword {
 public:
  // The names are written as they are given (the element set, orientation,
  // controls and stack direction unchanged). `plyOrientationPrefix` is the
  // stem of the orientations the builder made for plies with a coordinate
  // system of their own: ply i (from 1) names prefix + i.
  aif_SolidSection(cow_String elementSet, const kseC_Section& section, cow_String orientation,
                   cow_String controls, cow_String stackDirection, cow_String plyOrientationPrefix);
  aif_SolidSection(const aif_SolidSection&) = default;

  akw_Keyword* Clone() const override { return new aif_SolidSection(*this); }
  // Homogeneous solid:
  //   *Solid Section, elset=SET, orientation=O, controls=C, stack direction=3, material=M
  //   2.5,                      (",") when the thickness is unset)
  // Composite solid: ", composite" after the set, ", layup=" and ", symmetric"
  // after the stack direction, then one ply line each (see
  // aif_WriteCompositePly). Truss and fluid: only the set and the material,
  // then the area and "," (truss) or "," alone (fluid).
  // Throws aif_Exception "Neither solid nor truss section type" for any other
  // section, before anything is written.
  void Write(utl_Stream& stream) const override;

 private:
  cow_String controls_;
  cow_String orientation_;
  cow_String elementSet_;
  cow_String stackDirection_;
  cow_String plyOrientationPrefix_;
  cow_ArrayCOW<kseC_Section> section_;
};

// The ply line of a composite solid or shell section, `index` counted from 0:
//   THICKNESS, POINTS, MATERIAL, ORIENTATION, PLY
// THICKNESS is the ply's distribution name (printable) when its thickness
// flag is 1 and `distributedThickness` is set, else the thickness; POINTS is
// left empty when `writePoints` is clear. ORIENTATION is, in this order of
// precedence: prefix + (index + 1) made printable for a ply with a coordinate
// system of its own, the rotation distribution for additional-rotation kind 2,
// the angle when the ply names no orientation, else the named orientation.
// ", PLY" (printable) only when the ply has a name.
void aif_WriteCompositePly(utl_Stream& stream, const kseC_Layer& ply, std::size_t index,
                           const cow_String& plyOrientationPrefix, bool distributedThickness,
                           bool writePoints);
