// Files the assembly's point-based and discrete fasteners, in name order,
// into the assembly definition: for a point-based fastener its banner
// comment, "*Fastener Property", the "*Connector Section" of its "_N_pf_"
// connector elements (when it uses connector elements of a connector section
// of the model) and "*Fastener"; for a discrete fastener its banner comment.
// A connector section's behaviour keywords go into the model definition the
// first time a section is met that neither this builder nor the instance
// builder (whose sections the driver hands over before Build) has filed.
// A member of the input-file driver, built after the other builders.
#pragma once

#include "AFCInputFileWriter/akw_BuilderComponent.h"
#include "BasShared/cow_Map.h"
#include "BasShared/cow_String.h"

class aif_ModelInfo;
class asoK_Assembly;
class kefC_PointFastener;

class aif_FastenerBuilder : public akw_BuilderComponent {
 public:
  explicit aif_FastenerBuilder(akw_ModelInfo& modelInfo) : akw_BuilderComponent(modelInfo) {}
  aif_FastenerBuilder(const aif_FastenerBuilder&) = default;

  akw_BuilderComponent* Clone() const override { return new aif_FastenerBuilder(*this); }
  // Nothing without an assembly or while its engineering features may not
  // be read. Suppressed fasteners and fasteners of other kinds are passed
  // over. Fails the type test for engineering features, a fastener or a
  // section that is not of the kind its type id names.
  void Build() override;
  void BuildFasteners(const asoK_Assembly* assembly);

  // The connector sections whose behaviour keywords are filed already.
  const cow_Btree<cow_String, int>& ConnectorSections() const { return connectorSections_; }
  void SetConnectorSections(const cow_Btree<cow_String, int>& sections) {
    connectorSections_ = sections;
  }

 private:
  void PointFastener(const cow_String& name, const cow_String& printable,
                     const kefC_PointFastener& fastener);
  cow_String ConnectorElements(const cow_String& name, const kefC_PointFastener& fastener);
  aif_ModelInfo& Info() const;

  cow_Btree<cow_String, int> connectorSections_;
};
