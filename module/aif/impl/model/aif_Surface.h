// The surface keyword the builders file: a handle to the element-based
// (aif_SurfaceFromElements), node-based (aif_SurfaceFromNodes) or analytical
// (aif_AnalyticalSurface) surface it was made as, or, made from a name alone,
// the Eulerian material surface "*Surface, type=EULERIAN MATERIAL".
#pragma once

#include <unordered_set>

#include "AFCInputFileWriter/akw_Keyword.h"
#include "BasShared/cow_COW.h"
#include "BasShared/cow_String.h"

class aif_ModelInfo;
class asoF_PartInstance;
class ftr_FeatureList;
class msh_DiscreteFace;
class ptoK_Part;
class rgnF_Set;

class aif_Surface : public akw_Keyword {
 public:
  // The Eulerian material surface `name` (nothing for an empty name).
  explicit aif_Surface(cow_String name);
  // An element-based surface from `set`, a surface of the assembly; none
  // (the handle writes nothing) when the set is not usable or marked with
  // the kernel's bit 4 (kNotElementBased).
  aif_Surface(const rgnF_Set& set, const aif_ModelInfo& info, const cow_String& name,
              const cow_String& property);
  // The same from `set`, a surface of the part of `instance`.
  aif_Surface(const rgnF_Set& set, const asoF_PartInstance& instance, const aif_ModelInfo& info,
              const cow_String& name, const cow_String& property);
  // An element-based surface from the kernel's face records (see
  // aif_SurfaceFromElements).
  aif_Surface(const aif_ModelInfo& info, const cow_String& name, int meshId,
              const cow_String& prefix, const msh_DiscreteFace* const* sets, int count);
  // The analytical surface of the analytic rigid `part` of `instance` (see
  // aif_AnalyticalSurface).
  aif_Surface(const ftr_FeatureList& partFeatures, const asoF_PartInstance& instance,
              const ptoK_Part& part, const rgnF_Set& set, const aif_ModelInfo& info,
              const cow_String& name);
  // A node-based surface standing for the node set `nodeSet`.
  aif_Surface(aif_ModelInfo& info, const cow_String& name, const cow_String& nodeSet);
  aif_Surface(const aif_Surface&) = default;

  // Bit of a set's flags word that keeps an element-based surface from
  // being made.
  static constexpr int kNotElementBased = 1 << 4;

  akw_Keyword* Clone() const override { return new aif_Surface(*this); }
  // The held surface's lines; without one, the Eulerian material surface:
  // "*Surface, type=EULERIAN MATERIAL, name=NAME" and NAME alone on a line.
  void Write(utl_Stream& stream) const override;
  // The held surface's answer; true without one.
  bool IsEmpty() const override { return surface_.IsNull() || surface_->IsEmpty(); }

  // Drops the members of the instances `ids` from a held element-based
  // surface; the other forms have no members per instance.
  void LeaveOutInstances(const std::unordered_set<unsigned>& ids);

  // The held surface, null for the Eulerian form.
  const akw_Keyword* Surface() const { return surface_.Get(); }

 private:
  static bool ElementBased(const rgnF_Set& set);

  cow_ArrayCOW<akw_Keyword> surface_;
  cow_String name_;
};
