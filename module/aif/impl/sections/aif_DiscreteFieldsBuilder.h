// Turns every recorded use of a discrete field (the model info's
// DiscreteFieldUses, filled by the builders that read fields) into keywords:
// "*Nodal Thickness" for a node-located scalar thickness field, otherwise a
// "*Distribution Table" and a "*Distribution". A member of the input-file
// driver, built after the builders that record uses.
//
// Names. A record's distribution and table are named by the write's
// distribution-name registry (the field's name unless another use holds it),
// which the builder that made the record asked first, so that the section or
// density naming the distribution names the one defined here.
//
// Node-located scalar fields. Such a field used as a shell thickness (column
// type "length") becomes "*Nodal Thickness": one per scope, holding that
// scope's rows only: the field's table named by the instance (else its
// unnamed table), each node numbered as the mesh block of the instance writes
// it; in a part (a lightweight instance of a part-based file) the unnamed
// table (else the first user's), as held. Used for anything else (an
// orientation angle, an offset ratio, a density), a node-located scalar field
// stops the write with aif_Exception naming the field and its use: those
// uses take values per element, and "*Nodal Thickness" would give a
// thickness instead while the orientation, section or density named a
// distribution that is not there.
//
// Model-scope records (densities) write only the tables of instances whose
// elements the deck writes (active for the analysis, mesh not locked): rows
// naming any other instance would name elements the deck does not hold.
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
  // - Node-located scalar thickness field: aif_NodalThickness (see above), in
  //   the part definition of the record's owner (part scope) or in the
  //   instance definition of each of its instances.
  // - Otherwise aif_DistributionTable in the model definition (once per
  //   distribution name in a part-based file and for model scope; per record
  //   in a flat file), and aif_Distribution filed by scope: part definition
  //   of the owner (0); instance definition of each instance (1, part-based)
  //   or of the first (1, flat); assembly definition (2); model definition
  //   (3). An element-located orientation field without the single-table flag
  //   always goes to the assembly definition.
  // Throws aif_Exception naming the field, having filed nothing of that
  // record, for an instance-scope record of a flat file that names no
  // instance and for a node-located scalar field of another use than a
  // thickness.
  void Build() override;
  akw_BuilderComponent* Clone() const override { return new aif_DiscreteFieldsBuilder(*this); }

  // The distributions whose table is filed, in order.
  const cow_List<cow_String>& FiledTables() const { return filedTables_; }

 private:
  void BuildRecord(const kfdC_DiscreteField& field, akw_DiscreteField record);
  void FileNodalThickness(const kfdC_DiscreteField& field, const akw_DiscreteField& record);

  cow_List<cow_String> filedTables_;
};
