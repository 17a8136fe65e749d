#include "aif/impl/model/aif_PointSections.h"

#include <string>

#include "ModKerLow/asoF_PartInstance.h"
#include "ModKerLow/ptoC_MaterialOrientation.h"
#include "ModKerLow/ptoC_SectionAssignment.h"
#include "ModKerLow/ref_Utils.h"
#include "ModKerLow/rgnK_Region.h"
#include "OdbAttrEO/kseC_PointSection.h"
#include "QivBasicUtils/nex_Exception.h"
#include "aif/impl/core/aif_Comment.h"
#include "aif/impl/core/aif_ModelInfo.h"
#include "aif/impl/core/aif_NameRoutines.h"
#include "aif/impl/core/aif_RegionName.h"
#include "aif/impl/model/aif_Element.h"
#include "aif/impl/model/aif_HeatCap.h"
#include "aif/impl/model/aif_Mass.h"
#include "aif/impl/model/aif_Orientation.h"
#include "aif/impl/model/aif_RotaryInertia.h"

namespace {

constexpr char kPointSectionsFile[] = "module/aif/impl/aif_PointSections";

template <class Keyword>
void Append(akw_KeywordList& list, const Keyword& keyword) {
  list.Append(akw_KeywordHandle(keyword));
}

// The name of the orientation of a rotary inertia on `region`, as its
// "*Orientation" line writes it: the last material orientation of the part
// whose region is the point's, "Ori-" and its position when it refers to a
// datum system; its keyword is appended to `keywords`. Empty when no
// orientation covers the point, and when the orientation would write nothing
// (its datum does not resolve): the inertia then names none.
cow_String Orientation(const aif_ModelInfo& info, const asoF_PartInstance& instance,
                       const rgnC_Region& region, bool inInstance, akw_KeywordList& keywords) {
  const ptoK_Part& part = instance.ConstGetPart();
  const cow_String& modelName = info.Model().Name();
  const rgnK_Region point(&part, modelName, region);
  const ptoC_MaterialOrientation* match = nullptr;
  int position = 0, matchPosition = 0;
  for (const cow_COW<kern_Object>& attribute : part.Attributes()) {
    if (attribute->DynTypeId() != ptoC_MaterialOrientation::TypeId()) continue;
    const auto& orientation = nex_canDynamicCastRef<const ptoC_MaterialOrientation>(
        *attribute, kPointSectionsFile, __LINE__);
    const int clash = rgnK_Region(&part, modelName, orientation.Region()).Clash(point);
    if (clash == 0 || clash == 1) {
      match = &orientation;
      matchPosition = position;
    }
    ++position;
  }
  if (!match) return cow_String();
  cow_String name;
  if (!match->DatumRef().IsNullRef()) name = "Ori-" + std::to_string(matchPosition + 1);
  const bool flat = !info.IsPartBased();
  if (inInstance && flat) name = instance.Name() + "-" + name;
  name += "-RotaryI";
  const gsl_Matrix transform = inInstance && flat ? instance.GetTransform() : gsl_Matrix();
  const aif_Orientation orientation(&part, *match, modelName, name, transform, 0, !flat,
                                    part.GetName(), cow_String());
  if (!orientation.Defines()) return cow_String();
  Append(keywords, orientation);
  return orientation.WrittenName();
}

}  // namespace

akw_KeywordList aif_PointSections::Keywords(aif_ModelInfo& info, const asoF_PartInstance& instance,
                                            bool inInstance) {
  akw_KeywordList keywords;
  const ptoK_Part& part = instance.ConstGetPart();
  const auto& sections = info.ModelAdapter().Sections();
  const cow_List<cow_COW<kern_Object>>& attributes = part.Attributes();
  for (std::size_t i = attributes.Length(); i-- > 0;) {
    if (attributes[i]->DynTypeId() != ptoC_SectionAssignment::TypeId()) continue;
    const auto& assignment = nex_canDynamicCastRef<const ptoC_SectionAssignment>(
        *attributes[i], kPointSectionsFile, __LINE__);
    if (assignment.IsSuppressed()) continue;
    const rgnC_Region& region = assignment.RegionRef();
    if (!rgnK_Region(&part, info.Model().Name(), region).IsValid(true)) continue;
    const cow_String& sectionName = assignment.SectionName();
    if (!sections.Contains(sectionName) ||
        sections.ConstGet(sectionName).DynTypeId() != kseC_PointSection::TypeId())
      continue;
    const auto& section = nex_canDynamicCastRef<const kseC_PointSection>(
        sections.ConstGet(sectionName), kPointSectionsFile, __LINE__);
    // The point elements' sets are named after the region: in a flat file,
    // where every instance writes its own, qualified by the instance (as
    // "Instance_Region"), so that no two instances define one set.
    const bool ownSets = inInstance && !info.IsPartBased();
    const cow_String setName =
        ownSets ? aif_RegionName(rgnC_Region(region.Name(), {"Assembly", instance.Name()}), info)
                      .QualifiedName(1)
                : aif_RegionName(region, info).QualifiedName(1);
    Append(keywords, aif_Comment("Region: (" + sectionName + ":" +
                                 (region.IsPicked() ? cow_String("Picked") : region.Name()) + ")"));

    const cow_List<ref_RefNode> nodes = ref_Utils::GetRefNodes(
        info.Assembly()->ConstGetFeatureList(), instance.Id(), info.NodeLabelsUsable());
    if (nodes.IsEmpty()) break;
    const int node = nodes[0].label + info.AssyNodeOffsetsID(static_cast<int>(instance.Id()));
    const cow_String base = aif_UnquoteName(setName);
    // Each point element sits in a set of its own, and the property keyword
    // refers to that set; element labels are the instance's next ones.
    auto element = [&](const char* type, const char* suffix) {
      const cow_String set = aif_PrintableName(base + suffix);
      aif_CheckWritableName(set, "element set");
      const auto elementClass = bme_ElementClass::ConstructObject(type);
      Append(keywords,
             aif_Element(info.NextElementLabel(instance.Name()), node, *elementClass, set));
      return set;
    };
    aif_Mass mass(base, section);
    if (!mass.IsEmpty()) {
      mass.SetElementSet(element("MASS", "_MASS_"));
      Append(keywords, mass);
    }
    aif_RotaryInertia inertia(base, section, cow_String());
    if (!inertia.IsEmpty()) {
      inertia.SetOrientation(Orientation(info, instance, region, inInstance, keywords));
      inertia.SetElementSet(element("ROTARYI", "_ROTARYI_"));
      Append(keywords, inertia);
    }
    aif_HeatCap heat(base, section);
    if (!heat.IsEmpty()) {
      heat.SetElementSet(element("HEATCAP", "_HEATCAP_"));
      Append(keywords, heat);
    }
    break;  // only the last point-section assignment is written
  }
  return keywords;
}
