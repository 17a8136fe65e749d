// An instance of a part placed in the assembly: a feature of the assembly's
// feature list that refers to its part (and so to the part's mesh).
#pragma once

#include <memory>

#include "BasShared/cow_List.h"
#include "ModKerLow/ptoK_Part.h"
#include "QivGeom/gsl_Matrix.h"
#include "VwrModKer/ftr_FeatureList.h"

class asoF_PartInstance : public ftr_Feature {
 public:
  static constexpr unsigned kTypeId = 0x0600001;
  static unsigned TypeId() { return kTypeId; }
  unsigned DynTypeId() const override { return kTypeId; }
  asoF_PartInstance* Clone() const override { return new asoF_PartInstance(*this); }

  const cow_String& GetPartName() const { return part_->GetName(); }
  const ptoK_Part& ConstGetPart() const { return *part_; }
  bool MeshExists() const { return part_->ConstGetMesh() != nullptr; }
  const bme_Mesh* ConstGetMesh() const override { return part_->ConstGetMesh(); }
  // The reference points of the instance's geometric model.
  int NmrRefPoints() const { return part_->NmrRefPoints(); }
  // Attachment points and attachment lines of the instance: one attachment
  // node each, points numbered before lines.
  int AttachmentPoints() const { return attachmentPoints_; }
  int AttachmentLines() const { return attachmentLines_; }
  // The analysis type of the instance: its part's (ptoK_DEFORMABLE, ...,
  // ptoK_EULERIAN).
  int GetAnalysis() const { return part_->GetAnalysis(); }
  // The kernel's exclusion test: an excluded instance takes no part in the
  // analysis's Eulerian definitions (no unless set).
  virtual bool IsExcluded() const { return excluded_; }
  void SetExcluded(bool excluded) { excluded_ = excluded; }
  // A lightweight instance shares its part's mesh definition in the file.
  bool IsLightweight() const { return lightweight_; }
  // An instance that takes part in the analysis (not suppressed).
  bool ActiveForSimulation() const { return active_; }
  // The instance's placement in the assembly: part coordinates to assembly
  // coordinates (the identity unless set).
  const gsl_Matrix& GetTransform() const { return transform_; }

  void SetPart(std::shared_ptr<const ptoK_Part> part) { part_ = std::move(part); }
  void SetLightweight(bool lightweight) { lightweight_ = lightweight; }
  void SetActiveForSimulation(bool active) { active_ = active; }
  void SetTransform(const gsl_Matrix& transform) { transform_ = transform; }
  void SetAttachments(int points, int lines) {
    attachmentPoints_ = points;
    attachmentLines_ = lines;
  }
  // An instance that stands for a substructure (a reduced part).
  bool IsSubstructure() const { return substructure_; }
  void SetSubstructure(bool substructure) { substructure_ = substructure; }

 private:
  std::shared_ptr<const ptoK_Part> part_ = std::make_shared<ptoK_Part>();
  int attachmentPoints_ = 0;
  int attachmentLines_ = 0;
  bool lightweight_ = false;
  bool active_ = true;
  gsl_Matrix transform_;
  bool substructure_ = false;
  bool excluded_ = false;
};

// Typed access to the features of a list.
template <class Feature>
struct ftr_Accessor;

template <>
struct ftr_Accessor<asoF_PartInstance> {
  // The ids and names of the part instances active for simulation, in feature order.
  static cow_List<unsigned> GetActiveIdsForSimulation(const ftr_FeatureList& features);
  static cow_List<cow_String> GetActiveNamesForSimulation(const ftr_FeatureList& features);
};

namespace asoF_Utils {

// The part instance with `id`, or null.
const asoF_PartInstance* ConstGetPartInstance(const ftr_FeatureList& features, unsigned id);
// The number of nodes of feature `id`: its mesh's nodes (none without a
// mesh) and, for an instance, its reference points, which are nodes too.
int NumNodesInMesh(const ftr_FeatureList& features, unsigned id);

}  // namespace asoF_Utils

// The mesh of feature `id`, or null.
const bme_Mesh* mes_ConstGetMesh(const ftr_FeatureList& features, unsigned id);
