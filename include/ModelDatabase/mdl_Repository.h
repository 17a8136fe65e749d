// The model database's extensions and repositories. A model keeps its
// repositories as extensions under command names; each repository maps names
// to kernel objects. Copies of a repository share the objects.
#pragma once

#include "BasShared/cow_COW.h"
#include "BasShared/cow_List.h"
#include "BasShared/cow_Map.h"
#include "BasShared/cow_String.h"
#include "QivBasicUtils/cls_Registry.h"

class mdl_Extension : public cls_Object {
 public:
  static constexpr unsigned kTypeId = 0x0200001;
  static unsigned TypeId() { return kTypeId; }
  unsigned DynTypeId() const override { return kTypeId; }
};

class mdl_Repository : public mdl_Extension {
 public:
  static constexpr unsigned kTypeId = 0x0200002;
  static unsigned TypeId() { return kTypeId; }
  unsigned DynTypeId() const override { return kTypeId; }
};

// Named kernel objects in name order, each held through a copy-on-write
// handle (copied through its Clone).
template <class T, unsigned Id>
class mdl_NamedRepository : public mdl_Repository {
 public:
  using Map = cow_Map<cow_String, cow_COW<T>>;
  static constexpr unsigned kTypeId = Id;
  static unsigned TypeId() { return kTypeId; }
  unsigned DynTypeId() const override { return kTypeId; }

  std::size_t Length() const { return map_.Length(); }
  bool Contains(const cow_String& name) const { return map_.Contains(name); }
  // The object under `name`; throws cow_OutOfRange when there is none.
  const T& ConstGet(const cow_String& name) const { return *map_.Get(name); }
  const Map& ConstGetMap() const { return map_; }
  // The names in order.
  cow_List<cow_String> Keys() const {
    cow_List<cow_String> keys;
    for (const auto& entry : map_)
      keys.Append(entry.first);
    return keys;
  }
  // Write access to the object under `name` (copied first when shared);
  // throws cow_OutOfRange when there is none.
  T& Modify(const cow_String& name) {
    if (!map_.Contains(name)) map_.Get(name);  // raises the range error
    return map_.Modify(name).Modify();
  }
  // Stores a copy of `object` under `name` (replacing one stored before).
  void Set(const cow_String& name, const T& object) { map_.Set(name, cow_COW<T>(object)); }

 private:
  Map map_;
};

template <class T>
class mdl_MapString2ObjCow : public mdl_NamedRepository<T, 0x0200003> {};
template <class T>
class mdl_MapOfCowsRepository : public mdl_NamedRepository<T, 0x0200004> {};
template <class T>
class mdl_IDRepository : public mdl_NamedRepository<T, 0x0200005> {};
