// The element-set, node-set and surface names written during one write,
// upper-cased (the solver ignores case), so that a writer can tell whether a
// name is taken. One instance for the module, cleared at the start of every
// write and destroyed when the module is finalized.
#pragma once

#include "BasShared/cow_Map.h"
#include "BasShared/cow_String.h"

class aif_SetNameRegistry {
 public:
  // The registry, created on first use.
  static aif_SetNameRegistry& Instance();
  // Destroys the registry; the next Instance() makes a new, empty one.
  static void Destroy();

  void Clear();

  // Registers `name` as an element-set, node-set or surface name. Returns true
  // when it was new in that kind. A name taken already returns false and, with
  // `warn`, reports a clash warning naming `name` as given.
  bool AddElset(const cow_String& name, bool warn);
  bool AddNset(const cow_String& name, bool warn);
  bool AddSurface(const cow_String& name, bool warn);
  // Whether `name` is a registered element-set (node-set) name, in any
  // letter case.
  bool IsElset(const cow_String& name) const;
  bool IsNset(const cow_String& name) const;

  // The internal face sets an element-based surface wrote: per face
  // identifier, the name its "*Elset" line carried (clash counter included),
  // kept under the surface's name as the assembly refers to it. A surface
  // written again replaces the record. Keywords written later that name the
  // surface's face sets (a foundation) look them up, and get null for a
  // surface that wrote none in this write.
  void RecordSurfaceFaceSets(const cow_String& surface,
                             const cow_Map<cow_String, cow_String>& sets);
  const cow_Map<cow_String, cow_String>* SurfaceFaceSets(const cow_String& surface) const {
    return surfaceFaceSets_.Find(surface);
  }

 private:
  aif_SetNameRegistry() = default;

  using Names = cow_Map<cow_String, unsigned>;
  static bool Add(Names& names, const cow_String& name, bool warn, const char* warning);

  Names elsets_;
  Names nsets_;
  Names surfaces_;
  cow_Map<cow_String, cow_Map<cow_String, cow_String>> surfaceFaceSets_;
};
