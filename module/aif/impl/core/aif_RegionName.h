// The name under which a region (a set or surface of a part, an instance or
// the assembly) is written, for the scope a keyword refers to it from and the
// file's layout. Keyword writers build one on the stack for each region.
//
// Scopes: 0 none, 1 the owner's own definition (the plain name), 2 the
// assembly (qualified by the instance), 3 the model level ("Assembly." and
// the instance-qualified name). A flat file has no scopes: a region is named
// "Owner_Name" (a part's or instance's region) or by its plain name (the
// assembly's). The suffix ends the last component of every name made, before
// that component is made printable ("a b" with "_PP_" gives "a b_PP_" in
// quotes, not the quoted name followed by the suffix).
#pragma once

#include "BasShared/cow_String.h"
#include "OdbCoreGeom/rgnC_Region.h"

class aif_ModelInfo;

class aif_RegionName {
 public:
  // Keeps a copy of `region` and refers to `info`, which must outlive it.
  aif_RegionName(const rgnC_Region& region, const aif_ModelInfo& info)
      : region_(region), info_(info) {}

  // Appended to every name made from now on; empty at first.
  void SetSuffix(const cow_String& suffix) { suffix_ = suffix; }

  // ScopedName of the region's own name.
  cow_String QualifiedName(int scope) const;
  // `name` as the region's set or surface is named from `scope`; a part-based
  // file gives the empty text (plus the suffix) for any scope other than 1 to
  // 3.
  cow_String ScopedName(const cow_String& name, int scope) const;
  // The name of the set or surface that stands for the region: the region's
  // own name, made printable, when the region kernel finds it invalid; for a region holding an
  // analytical rigid surface, the rigid surface of its first instance
  // ("I.Surface", flat "I_Surface"); otherwise the instance-qualified name.
  // When the region's flag word has bit 3 clear and bit 0 or bit 2 set, the
  // dots become "_" and "_CNS_" is appended.
  // Scope 3 of a part-based file prefixes "Assembly.". Throws cow_OutOfRange
  // when the kernel reports a rigid surface without an instance.
  cow_String SetName(int scope) const;

 private:
  // `name` qualified by the region's instance, made printable: "" without
  // owner names, `name` with one, "Instance.name" (each component quoted
  // when it holds a ".") with two or more.
  cow_String InstanceQualified(const cow_String& name) const;

  rgnC_Region region_;
  const aif_ModelInfo& info_;
  cow_String suffix_;
};
