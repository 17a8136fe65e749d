// The orientation of connectors: the wire region it applies to and up to two
// datum coordinate systems, each with the local axis and angle of an extra
// rotation. The first system carries two flags: whether its extra rotation
// is set, and whether the first system serves both ends (one orientation).
#pragma once

#include "ModKerLow/dtmK_Datum.h"
#include "ModKerLow/ptoC_MaterialOrientation.h"
#include "OdbAttrEO/kern_Object.h"
#include "OdbCoreGeom/rgnC_Region.h"

class ptoC_ConnectorOrientation : public kern_Object {
 public:
  static constexpr unsigned kTypeId = 0x0B00014;
  static unsigned TypeId() { return kTypeId; }
  unsigned DynTypeId() const override { return kTypeId; }
  CLS_REGISTER(ptoC_ConnectorOrientation, kern_Object)
  ptoC_ConnectorOrientation* Clone() const override {
    return new ptoC_ConnectorOrientation(*this);
  }

  using axisEnm = ptoC_MaterialOrientation::axisEnm;

  ptoC_ConnectorOrientation() = default;
  explicit ptoC_ConnectorOrientation(rgnC_Region region) : region_(std::move(region)) {}

  const rgnC_Region& RegionRef() const { return region_; }
  // A null reference (no datum) leaves that end on the global axes.
  const dtmC_DatumRef& FirstDatum() const { return first_.datum; }
  axisEnm FirstAxis() const { return first_.axis; }
  double FirstAngle() const { return first_.angle; }
  bool FirstRotation() const { return first_.rotation; }
  // The first system orients both ends of the connector.
  bool OneOrientation() const { return oneOrientation_; }
  const dtmC_DatumRef& SecondDatum() const { return second_.datum; }
  axisEnm SecondAxis() const { return second_.axis; }
  double SecondAngle() const { return second_.angle; }
  bool SecondRotation() const { return second_.rotation; }

  void SetRegion(const rgnC_Region& region) { region_ = region; }
  void SetFirst(const dtmC_DatumRef& datum, axisEnm axis = ptoC_MaterialOrientation::AXIS_1,
                double angle = 0.0, bool rotation = false) {
    first_ = {datum, axis, angle, rotation};
  }
  void SetOneOrientation(bool one) { oneOrientation_ = one; }
  void SetSecond(const dtmC_DatumRef& datum, axisEnm axis = ptoC_MaterialOrientation::AXIS_1,
                 double angle = 0.0, bool rotation = false) {
    second_ = {datum, axis, angle, rotation};
  }

 private:
  struct End {
    dtmC_DatumRef datum;
    axisEnm axis = ptoC_MaterialOrientation::AXIS_1;
    double angle = 0.0;
    bool rotation = false;
  };
  rgnC_Region region_;
  End first_;
  bool oneOrientation_ = false;
  End second_;
};
