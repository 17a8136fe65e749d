// The element sets "*Foundation" names for a surface of an instance in a
// part-based file: that surface writes its face sets inside the instance,
// where a line of the model data cannot name them, so the foundation gets
// its own, one internal assembly element set per face with the instance
// option. The interaction builder files it with the assembly's definitions.
#pragma once

#include "AFCInputFileWriter/akw_Keyword.h"
#include "BasShared/cow_String.h"
#include "OdbCoreGeom/rgnC_Region.h"

class aif_ModelInfo;
class utl_Stream;

class aif_FoundationFaceSets : public akw_Keyword {
 public:
  // `region` is the foundation's surface; `surfaceName` the name under
  // which the instance's surface recorded its face sets ("Block-1.Lower");
  // `name` the assembly-level name the sets are made from ("Block-1_Lower"
  // gives "_Block-1_Lower_S1"), the name the foundation is built with.
  aif_FoundationFaceSets(const aif_ModelInfo& info, const rgnC_Region& region,
                         cow_String surfaceName, cow_String name);
  aif_FoundationFaceSets(const aif_FoundationFaceSets&) = default;

  akw_Keyword* Clone() const override { return new aif_FoundationFaceSets(*this); }
  // One "*Elset, elset=_<name>_<face>, internal, instance=..." per face of
  // the surface, holding its elements with that face (a name taken already
  // gets a counter), and the names recorded under `name` for "*Foundation".
  // Only the faces the instance's surface wrote sets for are written when it
  // recorded any: the others lie on elements the file leaves out.
  void Write(utl_Stream& stream) const override;

  // The assembly-level name of instance surface `region` ("Block-1_Lower",
  // every "." of either name made "_", made printable as one name).
  static cow_String AssemblyName(const rgnC_Region& region);

 private:
  const aif_ModelInfo* info_;
  rgnC_Region region_;
  cow_String surfaceName_;
  cow_String name_;
};
