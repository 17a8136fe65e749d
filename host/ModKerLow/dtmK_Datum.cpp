#include "ModKerLow/dtmK_Datum.h"

#include "ModKerLow/asoF_PartInstance.h"
#include "ModKerLow/ptoK_Part.h"
#include "OdbCoreGeom/bme_Mesh.h"

namespace {

const ftr_Feature* FeatureNamed(const ftr_FeatureList& features, const cow_String& name) {
  for (unsigned id : features.ConstEvaluatedRep().GetIds()) {
    const ftr_Feature* feature = features.Get(id);
    if (feature && feature->Name() == name) return feature;
  }
  return nullptr;
}

std::unique_ptr<dtu_Datum> DatumNamed(const ftr_FeatureList& features, const cow_String& name) {
  const auto* datum = dynamic_cast<const dtu_Datum*>(FeatureNamed(features, name));
  return std::unique_ptr<dtu_Datum>(datum ? datum->Clone() : nullptr);
}

void ExtendByMesh(gsl_BBox& box, const bme_Mesh* mesh) {
  if (!mesh) return;
  const std::vector<float>& xyz = mesh->NodeData().Coordinates();
  for (std::size_t i = 0; i + 2 < xyz.size(); i += 3)
    box.Extend({xyz[i], xyz[i + 1], xyz[i + 2]});
}

}  // namespace

std::unique_ptr<dtu_Datum> dtmK_Datum::MakeDatum() const {
  if (!object_ || reference_.IsNullRef()) return nullptr;
  const ftr_FeatureList& features = object_->ConstGetFeatureList();
  if (std::unique_ptr<dtu_Datum> datum = DatumNamed(features, reference_.name)) return datum;
  if (reference_.owners.IsEmpty()) return nullptr;
  const auto* instance =
      dynamic_cast<const asoF_PartInstance*>(FeatureNamed(features, reference_.owners[0]));
  if (!instance) return nullptr;
  std::unique_ptr<dtu_Datum> datum =
      DatumNamed(instance->ConstGetPart().ConstGetFeatureList(), reference_.name);
  if (datum) datum->Transform(instance->GetTransform());
  return datum;
}

gsl_BBox dtmK_FeaturesBox(const ftr_PrimaryObject* object) {
  gsl_BBox box;
  if (!object) return box;
  if (const auto* part = dynamic_cast<const ptoK_Part*>(object))
    ExtendByMesh(box, part->ConstGetMesh());
  const ftr_FeatureList& features = object->ConstGetFeatureList();
  for (unsigned id : features.ConstEvaluatedRep().GetIds())
    ExtendByMesh(box, features.ConstGetMesh(id));
  return box;
}
