// The mesh check: the root assembly exists and is up to date, its part
// instances are meshed, CPEG meshes have a reference point, the labels of a
// flat file need no renumbering (else a warning says they are renumbered),
// skins and stringers lie on meshed regions, and the element types suit the
// parts and the analysis product.
#pragma once

#include <functional>

#include "BasShared/cow_List.h"
#include "BasShared/cow_String.h"
#include "OdbAttrEO/kut_Check.h"
#include "OdbCoreGeom/gml_GeometricComponent.h"

class asoF_PartInstance;
class asoK_Assembly;
class bme_Mesh;
class ftr_FeatureList;
class mgt_MeshPart;

class chk_MeshCheck : public kut_Check {
 public:
  chk_MeshCheck(const bas_NewModel& model, const cow_String& modelName);
  chk_MeshCheck(const chk_MeshCheck& other);
  ~chk_MeshCheck() override;

  chk_MeshCheck* Clone() const override;
  void Run() override;

 private:
  // What one element-type check looks at and says: which mesh parts it
  // visits, whether a visited part is listed (given the part, its mesh and
  // its listed name), and the finding's texts and list.
  struct MeshRule {
    bool visitHidden = false;  // display bodies and excluded instances too
    std::function<bool(const mgt_MeshPart&)> visits;
    std::function<bool(const bme_Mesh&, const cow_String&)> lists;
    cow_String header;
    cow_String headerArg;  // replaces the header's "%s" when not empty
    cow_String advice;
    bool error = false;
  };
  // Walks the assembly's mesh parts (each lightweight part once, under its
  // part's name) and appends the rule's finding; true when it made one.
  bool ReportMeshParts(const asoK_Assembly& assembly, const MeshRule& rule);

  void CheckReferencePoints(const asoK_Assembly& assembly, const asoF_PartInstance& instance);
  void CheckLabelConflicts(const asoK_Assembly& assembly);
  void CheckReinforcements(const asoK_Assembly& assembly);
  bool CheckElementSupport(const asoK_Assembly& assembly);
  bool CheckEulerianElements(const asoK_Assembly& assembly);
  bool CheckEulerianElementControls(const asoK_Assembly& assembly);
  bool CheckModifiedTriangles(const asoK_Assembly& assembly);
  bool CheckFluidElements(const asoK_Assembly& assembly);
};

// Whether the regions of one skin or stringer count as meshed: true when
// instance `instanceId` has no mesh, a single-node mesh, or every component
// meshed (none included). When false, `partlyMeshed` tells whether some of
// the components are meshed.
bool chk_IsReinforcementMeshed(const ftr_FeatureList& features, unsigned instanceId,
                               const cow_List<gml_GeometricComponent>& components,
                               bool& partlyMeshed);
