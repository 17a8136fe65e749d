// The assembled-fastener builder's routines shared by its steps: the
// placements of the copies, the per-instance element tables, the solid and
// cohesive section keywords and the generated-name list.
#include <string>

#include "AttributesIntObj/asoK_AttributeUtils.h"
#include "ModKerLow/asoF_PartInstance.h"
#include "ModKerLow/dtu_DatumCsys.h"
#include "ModKerLow/rgnK_Region.h"
#include "ModKerLow/rgnK_RegionIds.h"
#include "OdbAttrEO/kern_RepositoryObjects.h"
#include "OdbAttrEO/kseC_OtherSections.h"
#include "OdbAttrEO/kseC_SolidShellSections.h"
#include "OdbCoreGeom/bme_ElemCtrlParams.h"
#include "OdbCoreGeom/bme_Mesh.h"
#include "aif/impl/constraints/aif_AsmbldFastenerBuilder.h"
#include "aif/impl/core/aif_ModelInfo.h"
#include "aif/impl/sections/aif_CohesiveSection.h"
#include "aif/impl/sections/aif_HourglassStiffness.h"
#include "aif/impl/sections/aif_SolidSection.h"

bool aif_AsmbldFastenerBuilder::CollectFastenerPoints(const rgnK_Region& region,
                                                      const ftr_PrimaryObject& assembly,
                                                      cow_List<gsl_Point>& points) const {
  if (region.IsMeshRegion()) {
    cow_Map<int, cow_List<int>> ids;
    region.GetNodeIds(ids, ftr_kAssemblyId, true, false, false);
    rgnK_GetUniqueIds(ids);
    bool any = false;
    for (const auto& entry : ids)
      any = any || !entry.second.IsEmpty();
    if (!any) return false;
    cow_Map<int, cow_2DArray<double>> table;
    rgnK_GetNodalCoords(region, &assembly, true, false, false, table);
    for (const auto& [id, nodes] : ids) {
      if (nodes.IsEmpty()) continue;
      const cow_2DArray<double>* coordinates = table.Find(id);
      if (!coordinates) return false;  // an instance without a mesh
      for (std::size_t row = 0; row < coordinates->Rows(); ++row)
        points.Append(
            gsl_Point((*coordinates)(row, 0), (*coordinates)(row, 1), (*coordinates)(row, 2)));
    }
    return true;
  }
  // Vertices in their instance's placement, then reference points.
  const ftr_FeatureList& features = assembly.ConstGetFeatureList();
  cow_List<std::optional<gdy_GeomHitRecord>> hits;
  region.GetGeomHitRecords(hits, true);
  const cow_List<rgnC_GeomComponent>& components = region.GeomComponents();
  for (std::size_t i = 0; i < components.Length(); ++i) {
    if (components[i].kind != rgnC_GeomComponent::kVertex) continue;
    gsl_Point point = components[i].coords;
    if (i < hits.Length() && hits[i])
      if (const asoF_PartInstance* instance =
              asoF_Utils::ConstGetPartInstance(features, hits[i]->GetInstanceId()))
        point = instance->GetTransform().Transform(point);
    points.Append(point);
  }
  cow_List<std::optional<gsl_Point>> references;
  region.GetGeomHitRecords(references, true);
  for (const std::optional<gsl_Point>& reference : references) {
    if (!reference) return false;  // the kernel could not compute the point
    points.Append(*reference);
  }
  return true;
}

bool aif_AsmbldFastenerBuilder::ComputeSurfaceNormals(const rgnK_Region& pointRegion,
                                                      const gsl_Point& templatePoint,
                                                      const rgnK_Region& surface, int mode,
                                                      const dtu_Datum* datum,
                                                      const ftr_PrimaryObject& assembly) {
  cow_List<gsl_Point> points;
  if (!CollectFastenerPoints(pointRegion, assembly, points)) return false;
  if (mode == 0) {
    cow_List<gsl_Matrix> projected;
    asoK_AttributeUtils::ProjectSurfaceNormal(surface, templatePoint, points, projected);
    if (projected.IsEmpty()) return false;
    placements_.Append(projected);
    return true;
  }
  if (mode != 1 && mode != 2) return true;
  gsl_Matrix turn;
  if (mode == 1) {
    // Only a coordinate system has axes to turn the template by.
    if (!datum || datum->DynTypeId() != dtu_DatumCsys::TypeId()) return false;
    gsl_Point origin;
    gsl_Vector axes[3];
    static_cast<const dtu_DatumCsys&>(*datum).Geometry(origin, axes[0], axes[1], axes[2]);
    turn.SetRotationVectors(axes[0], axes[1], axes[2]);
  }
  const gsl_Point turned = turn.Transform(templatePoint);
  for (const gsl_Point& point : points) {
    gsl_Matrix placement = turn;
    placement.SetTranslation(point - turned);
    placements_.Append(placement);
  }
  return true;
}

void aif_AsmbldFastenerBuilder::ResetTemplateTables(const bme_Mesh& mesh) {
  const std::size_t count = mesh.NumElements();
  properties_.Clear();
  properties_.Reserve(count);
  propertyIndex_.Clear();
  sectionAssignmentCount_ = 0;
  orientationAssignmentCount_ = 0;
  sectionAssignments_ = std::make_unique<cow_List<cow_COW<kern_Object>>>();
  orientationAssignments_ = std::make_unique<cow_List<cow_COW<kern_Object>>>();
  for (std::size_t i = 0; i < count; ++i) {
    bme_Property property;
    property.label = static_cast<int>(i);
    properties_.Append(property);
    propertyIndex_.Set(static_cast<int>(i), static_cast<int>(i));
  }
  usedSections_.Clear();
}

void aif_AsmbldFastenerBuilder::AddOwnerDefinition(const cow_String& owner,
                                                   const akw_Keyword& keyword) {
  if (Info().IsPartBased())
    AddPartDefinition(owner, keyword);
  else
    AddInstanceDefinition(owner, keyword);
}

void aif_AsmbldFastenerBuilder::AddSolidSectionKeywords(const cow_String& owner,
                                                        const cow_String& sectionName,
                                                        const cow_String& elementSet,
                                                        const kseC_Section& section,
                                                        const bme_ElemCtrlParams& controls) {
  (void)sectionName;
  if (section.DynTypeId() != kseC_HomogenousSolidSection::TypeId()) return;
  AddOwnerDefinition(owner, aif_SolidSection(elementSet, section, cow_String(), cow_String(),
                                             cow_String(), cow_String()));
  if (Info().AnalysisProduct() == 0) AddOwnerDefinition(owner, aif_HourglassStiffness(controls));
}

void aif_AsmbldFastenerBuilder::AddCohesiveSectionKeywords(const cow_String& owner,
                                                           const cow_String& sectionName,
                                                           const cow_String& elementSet,
                                                           const kseC_Section& section,
                                                           const bme_ElemCtrlParams& controls) {
  (void)sectionName;
  AddOwnerDefinition(owner, aif_CohesiveSection(elementSet, section, cow_String(), cow_String()));
  if (Info().AnalysisProduct() == 0) AddOwnerDefinition(owner, aif_HourglassStiffness(controls));
}

int aif_AsmbldFastenerBuilder::AppendUniqueName(const cow_String& name) {
  if (generatedNames_.IsMember(name)) return -1;
  generatedNames_.Append(name);
  return static_cast<int>(generatedNames_.Length());
}

cow_String aif_AsmbldFastenerBuilder::NameAt(int position) const {
  // Position 0 and below wrap to an index past the end: the list throws.
  return generatedNames_[static_cast<std::size_t>(position) - 1];
}

int aif_AsmbldFastenerBuilder::IndexOfName(const cow_String& name) const {
  const long long index = generatedNames_.IndexOf(name);
  return index < 0 ? -1 : static_cast<int>(index) + 1;
}

cow_String aif_AsmbldFastenerBuilder::TemplateQualifiedName(const cow_String& name,
                                                            const rgnC_Region& region,
                                                            const char* separator) const {
  const cow_List<cow_String>& owners = region.OwnerNames();
  if (owners.IsEmpty()) return cow_String();
  if (owners.Length() == 1) return cow_String(prefix_.Str() + name.Str());
  return cow_String(prefix_.Str() + NoDots(owners[1]) + separator + name.Str());
}
