// "*Surface, type=ELEMENT": an element-based surface with the internal element
// sets that carry its faces, one per face identifier ("S1", "E2", ...). Made
// by aif_Surface from a set of the assembly or of a part instance and from the
// mesh kernel's face records, and by the region builder from ready lists.
#pragma once

#include <unordered_set>

#include "AFCInputFileWriter/akw_Keyword.h"
#include "BasShared/cow_List.h"
#include "BasShared/cow_Map.h"
#include "BasShared/cow_String.h"

class aif_ModelInfo;
class asoF_PartInstance;
class msh_DiscreteFace;
class rgnF_Set;

class aif_SurfaceFromElements : public akw_Keyword {
 public:
  using LabelsById = cow_Map<int, cow_List<int>>;
  using FacesById = cow_Map<int, cow_List<cow_String>>;

  // The members of `set`, a surface of the assembly, under id 1000; blocks
  // carry ", instance=" in a part-based file.
  aif_SurfaceFromElements(const rgnF_Set& set, const aif_ModelInfo& info, cow_String name,
                          cow_String property);
  // The members of `set`, a surface of the part of `instance`, under the
  // instance's id; `name` is the surface's name where it is written. The
  // internal sets are scoped by InternalSetScope; blocks carry no instance
  // option.
  aif_SurfaceFromElements(const rgnF_Set& set, const asoF_PartInstance& instance,
                          const aif_ModelInfo& info, cow_String name, cow_String property);
  // The elements of the kernel's face records `sets[0 .. count - 1]` (null
  // records and records without elements or face numbers passed over), each
  // with the face `prefix` + its face number, under `meshId`, an instance id
  // of the assembly. Indices become labels with that instance's mesh when
  // element labels are usable. Empty when no record holds an element.
  aif_SurfaceFromElements(const aif_ModelInfo& info, cow_String name, int meshId,
                          const cow_String& prefix, const msh_DiscreteFace* const* sets, int count);
  // Element indices with their face identifiers at the same index, under
  // `instanceId`; indices become labels with the instance's mesh when
  // element labels are usable.
  aif_SurfaceFromElements(const aif_ModelInfo& info, cow_String name, cow_List<int> elements,
                          cow_List<cow_String> faces, int instanceId, bool instanceOption);
  aif_SurfaceFromElements(const aif_SurfaceFromElements&) = default;

  akw_Keyword* Clone() const override { return new aif_SurfaceFromElements(*this); }
  // The internal element sets, then "*Surface, type=ELEMENT, name=" with
  // ", internal" and ", property=" where they apply, then one line per face
  // identifier in ascending order: the set's name, ", " and the identifier.
  // Nothing when empty. A name that cannot be written throws aif_Exception
  // before anything is written (aif_CheckWritableName).
  void Write(utl_Stream& stream) const override;
  // True unless some instance has an element.
  bool IsEmpty() const override;

  // The scope text that the internal sets of `instance`'s surfaces, and its
  // element sets in the set-name registry, are named under: the instance's
  // name, or its part's when the instance is written once in its part, where
  // they are written inside the instance or the part (a part-based file
  // outside a restart). Empty where no such scope exists: in a flat file,
  // and in a restart job, whose model data names an instance's surfaces
  // "Assembly.instance.name" already.
  static cow_String InternalSetScope(const asoF_PartInstance& instance, const aif_ModelInfo& info);

  const cow_String& Name() const { return name_; }
  // Drops the elements and faces of the instances `ids`.
  void LeaveOutInstances(const std::unordered_set<unsigned>& ids);
  const LabelsById& Labels() const { return labels_; }
  const FacesById& Faces() const { return faces_; }

 private:
  aif_SurfaceFromElements(const aif_ModelInfo& info, cow_String name, cow_String property,
                          cow_String scope, bool instanceOption);
  // Stores `elements` and `faces` under `id`, the indices turned into labels
  // first when element labels are usable.
  void Store(int id, cow_List<int> elements, cow_List<cow_String> faces);

  cow_String name_;
  const aif_ModelInfo* info_;
  LabelsById labels_;
  FacesById faces_;
  cow_String scope_;
  cow_String property_;
  bool instanceOption_;
};
