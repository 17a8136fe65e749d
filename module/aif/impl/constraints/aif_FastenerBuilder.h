// Files the assembly's point-based and discrete fasteners, in name order,
// into the assembly definition: for a point-based fastener its banner
// comment, "*Fastener Property", the "*Connector Section" of its "_N_pf_"
// connector elements (when it uses connector elements of a connector section
// of the model) and "*Fastener"; for a discrete fastener its banner comment
// and, for each end of its attachment lines whose node no discrete fastener
// of the file has coupled yet, a comment, "*Coupling" (the end's node label
// and the surface the end attaches to) and "*Distributing".
// A connector section's behaviour keywords go into the model definition the
// first time a section is met that neither this builder nor the instance
// builder (whose sections the driver hands over before Build) has filed.
// A member of the input-file driver, built after the other builders.
#pragma once

#include "AFCInputFileWriter/akw_BuilderComponent.h"
#include "AttributesIntObj/asoK_AttachmentRecord.h"
#include "BasShared/cow_List.h"
#include "BasShared/cow_Map.h"
#include "BasShared/cow_String.h"
#include "ModKerLow/brp_Body.h"

class aif_ModelInfo;
class asoK_Assembly;
class kefC_DiscreteFastener;
class kefC_PointFastener;
class rgnK_Region;

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

  // The attachment lines of `region` in the order of its geometry hit
  // records, with the surface each line's first and second end vertex
  // attaches to (empty when the kernel pairs none with the vertex), as
  // three lists of one length; all three are emptied first. A line lies on
  // the assembly (id 1000) or on a part instance, whose part's geometry and
  // attachment surfaces are read. Records without an instance or a
  // component, and components that are not attachment lines, are passed
  // over.
  void CollectAttachmentLines(const asoK_Assembly& assembly, const rgnK_Region& region,
                              cow_List<gml_InstanceGC>& lines, cow_List<cow_String>& endNames1,
                              cow_List<cow_String>& endNames2);

  // The connector sections whose behaviour keywords are filed already.
  const cow_Btree<cow_String, int>& ConnectorSections() const { return connectorSections_; }
  void SetConnectorSections(const cow_Btree<cow_String, int>& sections) {
    connectorSections_ = sections;
  }

 private:
  void PointFastener(const cow_String& name, const cow_String& printable,
                     const kefC_PointFastener& fastener);
  void DiscreteFastener(const cow_String& name, const kefC_DiscreteFastener& fastener,
                        const asoK_Assembly& assembly, const asoK_AttachmentTree* lines,
                        cow_Btree<int, int>& writtenNodes);
  cow_String ConnectorElements(const cow_String& name, const kefC_PointFastener& fastener);
  aif_ModelInfo& Info() const;

  cow_Btree<cow_String, int> connectorSections_;
};
