// Turns every recorded use of a discrete field (the model info's
// DiscreteFieldUses, filled by the builders that read fields) into keywords:
// "*Nodal Thickness" for a node-located scalar field, otherwise a
// "*Distribution Table" and a "*Distribution". A member of the input-file
// driver, built after the builders that record uses.
#pragma once

#include "AFCInputFileWriter/akw_BuilderComponent.h"
#include "AFCInputFileWriter/akw_DiscreteField.h"
#include "BasShared/cow_List.h"
#include "BasShared/cow_String.h"
#include "OdbAttrEO/kfdC_DiscreteField.h"

class aif_DiscreteFieldsBuilder : public akw_BuilderComponent {
 public:
  explicit aif_DiscreteFieldsBuilder(akw_ModelInfo& modelInfo) : akw_BuilderComponent(modelInfo) {}
  aif_DiscreteFieldsBuilder(const aif_DiscreteFieldsBuilder&) = default;

  // Walks the records in order; a record whose field the model's repository
  // does not hold files nothing.
  // - Node-located field of one component: aif_NodalThickness, in the part
  //   definition of the record's owner (part scope) or in the instance
  //   definition of each of its instances.
  // - Otherwise aif_DistributionTable in the model definition (once per field
  //   in a part-based file and for model scope; per record in a flat file),
  //   and aif_Distribution filed by scope: part definition of the owner (0);
  //   instance definition of each instance (1, part-based) or of the first
  //   (1, flat); assembly definition (2); model definition (3). An
  //   element-located orientation field without the single-table flag always
  //   goes to the assembly definition.
  // Throws aif_Exception naming the field for an instance-scope record of a
  // flat file that names no instance.
  void Build() override;
  akw_BuilderComponent* Clone() const override { return new aif_DiscreteFieldsBuilder(*this); }

  // The fields whose distribution table is filed, in order.
  const cow_List<cow_String>& FiledTables() const { return filedTables_; }

 private:
  void BuildRecord(const kfdC_DiscreteField& field, akw_DiscreteField record);

  cow_List<cow_String> filedTables_;
};
