// "*Fastener": a point-based fastener: its interaction name, the property and
// reference node set it uses, its connector element set, how it couples and
// attaches, then the projection direction and the target surfaces. Filed by
// the fastener builder after the fastener's "*Fastener Property".
//
// Written lines:
//   "*Fastener, interaction name=I, property=P, reference node set=R, "
//   ["elset=E, "] (only when the fastener uses connector elements, element-set
//   indicator 0) "coupling=C, attachment method=A, weighting method=W,
//   adjust orientation=YES|NO", then ", number of layers=", ", search
//   radius=", ", radius of influence=" when set, ", orientation=O" when there
//   is a local system and ", unsorted" when flagged;
//   the projection direction as a unit vector "x, y, z" (nothing for a
//   direction of length 0; the line stays, empty, when target surfaces
//   follow);
//   the target surfaces separated by ", ", at most eight a line; a name
//   starts a new line when those on the line already exceed 100 characters.
#pragma once

#include "AFCInputFileWriter/akw_Keyword.h"
#include "BasShared/cow_List.h"
#include "BasShared/cow_String.h"
#include "OdbAttrEO/kefC_EngineeringFeatures.h"

class utl_Stream;

class aif_Fastener : public akw_Keyword {
 public:
  // `fastener` is copied. `interactionName` is the fastener's name as the
  // model keys it (written in its printable form); the other names are
  // written as they stand.
  aif_Fastener(const kefC_PointFastener& fastener, cow_String interactionName,
               cow_String propertyName, cow_String referenceNodeSetName, cow_String elementSetName,
               cow_List<cow_String> targetSurfaceNames, cow_String orientationName);
  aif_Fastener(const aif_Fastener&) = default;

  akw_Keyword* Clone() const override { return new aif_Fastener(*this); }
  // Throws nex_TextException for an interaction name with a line break,
  // having written nothing.
  void Write(utl_Stream& stream) const override;

 private:
  void WriteTargetSurfaces(utl_Stream& stream) const;

  kefC_PointFastener fastener_;
  cow_String propertyName_;
  cow_String interactionName_;
  cow_String referenceNodeSetName_;
  cow_String elementSetName_;
  cow_String orientationName_;
  cow_List<cow_String> targetSurfaceNames_;
};
