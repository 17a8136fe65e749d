// "*Submodel": the regions of a submodel driven from a global model's
// results. The boundary-condition builder makes the node-based form from
// submodel boundary conditions, the load builder the surface-based form from
// stress-based submodel loads; conditions or loads with the same global
// element set and tolerances share one keyword listing all their regions.
#pragma once

#include <vector>

#include "AFCInputFileWriter/akw_Keyword.h"
#include "BasShared/cow_List.h"
#include "BasShared/cow_String.h"
#include "aif/impl/core/aif_RegionName.h"

class kbcC_BC;
class kloC_Load;

class aif_Submodel : public akw_Keyword {
 public:
  // Node-based, from `condition` (type-tested as a kbcC_SubmodelBC): its
  // global element set and three tolerances; `regionName` (written as given)
  // is the first region.
  aif_Submodel(bool shellToSolid, const kbcC_BC& condition, const cow_String& regionName);
  // Surface-based, from `load` (type-tested as a kloC_SubmodelStressBased):
  // its global element set and its two exterior tolerances.
  aif_Submodel(const kloC_Load& load, const cow_String& regionName);
  aif_Submodel(const aif_Submodel&) = default;

  akw_Keyword* Clone() const override { return new aif_Submodel(*this); }

  // Whether `condition` (type-tested as a kbcC_SubmodelBC) has exactly this
  // keyword's global element set and three tolerances.
  bool IsCompatible(const kbcC_BC& condition) const;
  // Whether `load` (type-tested as a kloC_SubmodelStressBased) has exactly
  // this keyword's global element set and two exterior tolerances.
  bool IsCompatible(const kloC_Load& load) const;
  // Appends `name` to the regions unless it is listed already.
  void AddRegion(const cow_String& name);

  // The keywords of the unsuppressed objects of type `typeId` in `objects`
  // (a repository of conditions or loads), in order of creation: each
  // object's region, named from the assembly, joins the first keyword
  // compatible with the object, or starts one made by
  // make(object, regionName).
  template <class Repository, class Make>
  static std::vector<aif_Submodel> Group(const aif_ModelInfo& info, const Repository& objects,
                                         unsigned typeId, Make make) {
    std::vector<aif_Submodel> submodels;
    for (const auto& entry : objects.ConstGetMap()) {
      const auto& object = *entry.second;
      if (object.Suppressed() || object.DynTypeId() != typeId) continue;
      const cow_String regionName = aif_RegionName(object.Region(), info).QualifiedName(2);
      bool shared = false;
      for (aif_Submodel& submodel : submodels)
        if (submodel.IsCompatible(object)) {
          submodel.AddRegion(regionName);
          shared = true;
          break;
        }
      if (!shared) submodels.push_back(make(object, regionName));
    }
    return submodels;
  }

  // "*Submodel, type=NODE" or "SURFACE", the options that are given, then
  // one line "<region>, " per region. The global element set is written in
  // its printable form; a name holding a line break is refused with
  // nex_TextException before anything is written.
  void Write(utl_Stream& stream) const override;

 private:
  bool shellToSolid_ = false;
  cow_String globalElset_;
  double shellThickness_ = 0.0;
  double absoluteExteriorTolerance_ = 0.0;
  double exteriorTolerance_ = 0.0;
  cow_List<cow_String> regionNames_;
  int nodeBased_ = 0;
};
