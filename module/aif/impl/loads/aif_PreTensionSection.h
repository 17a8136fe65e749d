// "*Pre-tension Section": the cut of a bolt load's region and the reference
// node that carries the bolt's force or length, in the assembly definition.
// The load builder makes one per bolt load.
#pragma once

#include "AFCInputFileWriter/akw_Keyword.h"
#include "BasShared/cow_String.h"
#include "OdbCoreGeom/rgnC_Region.h"

class aif_ModelInfo;

// The sets the writer makes for bolt load `loadName`: its reference node's
// set "_<name>_blrn_" and its element set "_<name>_blel_". Each is composed
// whole and made printable once as one name component, so that a dot or a
// blank in the load's name stays inside it ("Bolt.2" -> "\"_Bolt.2_blrn_\"",
// "Bolt A.1" -> "\"_Bolt A.1_blrn_\""); the definition and every reference
// (loads, boundary conditions, the section, output requests) use these,
// part-based and flat alike. Throws nex_TextException for a control
// character.
cow_String aif_BoltNodeSetName(const cow_String& loadName);
cow_String aif_BoltElementSetName(const cow_String& loadName);

class aif_PreTensionSection : public akw_Keyword {
 public:
  // `nodeSetName` and `elementSetName` are written as given (printable
  // already); an empty `elementSetName` makes the section surface-based, on
  // `region`. The normal is unset when all three components are the largest
  // float. Refers to `info`, which outlives the write.
  aif_PreTensionSection(const cow_String& name, const rgnC_Region& region,
                        const cow_String& nodeSetName, float nx, float ny, float nz,
                        const aif_ModelInfo& info, const cow_String& elementSetName);
  aif_PreTensionSection(const aif_PreTensionSection&) = default;

  akw_Keyword* Clone() const override { return new aif_PreTensionSection(*this); }
  // "*Pre-tension Section, element= <set>, node=<set>" (element-based) or
  // ", surface= " and the region's instance-qualified name (surface-based);
  // then, unless the normal is unset, its three components in fields of 12.
  void Write(utl_Stream& stream) const override;

 private:
  cow_String name_;
  rgnC_Region region_;
  cow_String nodeSetName_;
  cow_String elementSetName_;
  float normal_[3];
  const aif_ModelInfo* info_;
};
