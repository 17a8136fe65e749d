// Writes the local coordinate systems other keywords name: the "_T-" node
// sets with their "*Transform" lines for nodes whose degrees of freedom are
// expressed in a datum coordinate system, and the orientations of connectors,
// fasteners, couplings, loads, boundary conditions, integrated output
// sections and engineering features. A member of the input-file driver,
// built and written right after the materials.
//
// Every orientation is written once, under the name the referring keyword
// writes after "orientation=" (aif_ModelInfo::DatumCsysName, or for springs
// and rotary inertias aif_FeatureOrientationName); every datum system that
// nodes are transformed into gets one "_T-" set and one "*Transform". A datum
// system that does not resolve to a coordinate system the writer knows
// leaves neither set nor transform.
#pragma once

#include <set>
#include <string>

#include "AFCInputFileWriter/akw_BuilderComponent.h"
#include "BasShared/cow_List.h"
#include "BasShared/cow_String.h"
#include "ModKerLow/dtmK_Datum.h"
#include "ModKerLow/ptoC_MaterialOrientation.h"
#include "OdbCoreGeom/rgnC_Region.h"

class aif_ModelInfo;
class aif_Orientation;
class ftr_PrimaryObject;
class kefC_EngineeringFeatures;
class ptoC_ConnectorOrientation;
struct aif_FeatureOwner;

class aif_TransformBuilder : public akw_BuilderComponent {
 public:
  explicit aif_TransformBuilder(akw_ModelInfo& modelInfo);
  aif_TransformBuilder(const aif_TransformBuilder&) = default;

  // Files, in this order: the orientations of integrated output sections;
  // the "_T-" sets and transforms of the regions that boundary conditions,
  // adaptive mesh constraints, concentrated loads, equation terms and
  // multi-point constraints put in a datum system; the orientations (or for
  // MPC sections the transforms) of the assembly's connectors and of point
  // fasteners; the orientations of couplings, Eulerian mesh-motion
  // conditions, inertia reliefs and tractions; the orientations of the
  // engineering features of the assembly and of each part or instance.
  // Throws aif_Exception for a datum that is not a coordinate system and
  // for a kernel object of an unexpected type.
  void Build() override;
  akw_BuilderComponent* Clone() const override { return new aif_TransformBuilder(*this); }

 private:
  aif_ModelInfo& Info() const;

  void CollectTransformedRegions();
  void AddNodalTransforms();
  void AddConnectorOrientations();
  void AddPointFastenerOrientations();
  void AddConstraintAndConditionOrientations();
  void AddLoadOrientations();
  void AddFeatureOrientations();
  void AddFeatureOrientations(const aif_FeatureOwner& owner);

  // The orientations of both ends of a connector, each once.
  void AddConnectorEnds(const ptoC_ConnectorOrientation& orientation);
  // The transform of the nodes of an MPC section's wires.
  void AddWireTransform(const ptoC_ConnectorOrientation& orientation);
  // An orientation from the assembly in the datum-with-angle-field form,
  // named by DatumCsysName(datum, angle, text), unless that name is written.
  void AddDatumOrientation(const dtmC_DatumRef& datum, double angle, const cow_String& text,
                           ptoC_MaterialOrientation::axisEnm axis);
  // Records `key` (an orientation's name, or an engineering feature's key)
  // as written; false when it was already.
  bool TakeName(const cow_String& key);

  // The regions whose nodes are transformed, each with its datum system.
  cow_List<rgnC_Region> regions_;
  cow_List<dtmC_DatumRef> datums_;
  // The orientation names (engineering features: keys) already written.
  cow_List<cow_String> names_;
  // The datum systems that have their "*Transform".
  std::set<std::string> transformed_;
};
