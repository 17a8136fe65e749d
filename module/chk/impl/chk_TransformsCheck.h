// The transforms check: boundary conditions, equation terms, multi-point
// constraints, concentrated forces and moments, and connector and MPC
// section assignments may each act in a coordinate system of their own.
// Attributes in differing coordinate systems must not share nodes; the check
// reports, in one error, every attribute whose region holds a node that the
// regions of two or more coordinate systems share.
#pragma once

#include "AttributesIntObj/asoK_Assembly.h"
#include "BasShared/cow_COW.h"
#include "BasShared/cow_List.h"
#include "BasShared/cow_String.h"
#include "ModKerLow/dtmK_Datum.h"
#include "OdbAttrEO/kut_Check.h"
#include "OdbCoreGeom/rgnC_Region.h"

class chk_TransformsCheck : public kut_Check {
 public:
  chk_TransformsCheck(const bas_NewModel& model, const cow_String& modelName);
  chk_TransformsCheck(const chk_TransformsCheck& other);
  ~chk_TransformsCheck() override;

  chk_TransformsCheck* Clone() const override;
  // A model without the root assembly "Assembly" gives no finding (the mesh
  // check reports it).
  void Run() override;

  // The group key of a coordinate system: one key per datum a reference
  // names (its owners and its name), one key shared by all null references.
  // An equation term's system id is first turned into the datum it names,
  // as the writer names it (aif_TransformTermDatum).
  static cow_String SystemKey(const dtmC_DatumRef& system);

 private:
  // Fills the lists below from the model, in the order BCs, constraints,
  // loads, connector and MPC section assignments.
  void CollectAttributes();
  // Appends the finding when nodes are shared across coordinate systems.
  void CompareRegions();
  void AddEntry(const rgnC_Region& region, const dtmC_DatumRef& system, const cow_String& key,
                const cow_String& name);

  // Parallel lists, one entry per attribute region: the region, its
  // coordinate system, the system's group key and the attribute's name with
  // its kind suffix.
  cow_List<rgnC_Region> regions_;
  cow_List<dtmC_DatumRef> systems_;
  cow_List<cow_String> keys_;
  cow_List<cow_String> names_;
  // The root assembly; empty when the model has none.
  cow_COW<asoK_Assembly> assembly_;
};
