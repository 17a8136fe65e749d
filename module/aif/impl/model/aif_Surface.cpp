#include "aif/impl/model/aif_Surface.h"

#include <utility>

#include "AFCInputFileWriter/akw_MorvexName.h"
#include "ModKerLow/rgnF_Set.h"
#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/model/aif_AnalyticalSurface.h"
#include "aif/impl/model/aif_SurfaceFromElements.h"
#include "aif/impl/model/aif_SurfaceFromNodes.h"

aif_Surface::aif_Surface(cow_String name) : name_(std::move(name)) {}

// The stand-in's usability answer of a set is the region kernel's validity.
bool aif_Surface::ElementBased(const rgnF_Set& set) {
  return set.Region().KernelValid() && (set.Region().Flags() & kNotElementBased) == 0;
}

aif_Surface::aif_Surface(const rgnF_Set& set, const aif_ModelInfo& info, const cow_String& name,
                         const cow_String& property) {
  if (ElementBased(set))
    surface_ = cow_ArrayCOW<akw_Keyword>(new aif_SurfaceFromElements(set, info, name, property));
}

aif_Surface::aif_Surface(const rgnF_Set& set, const asoF_PartInstance& instance,
                         const aif_ModelInfo& info, const cow_String& name,
                         const cow_String& property) {
  if (ElementBased(set))
    surface_ =
        cow_ArrayCOW<akw_Keyword>(new aif_SurfaceFromElements(set, instance, info, name, property));
}

aif_Surface::aif_Surface(const aif_ModelInfo& info, const cow_String& name, int meshId,
                         const cow_String& prefix, const msh_DiscreteFace* const* sets, int count)
    : surface_(new aif_SurfaceFromElements(info, name, meshId, prefix, sets, count)) {}

aif_Surface::aif_Surface(const ftr_FeatureList& partFeatures, const asoF_PartInstance& instance,
                         const ptoK_Part& part, const rgnF_Set& set, const aif_ModelInfo& info,
                         const cow_String& name)
    : surface_(new aif_AnalyticalSurface(partFeatures, instance, part, set, info, name)) {}

aif_Surface::aif_Surface(aif_ModelInfo& info, const cow_String& name, const cow_String& nodeSet)
    : surface_(new aif_SurfaceFromNodes(name, nodeSet, info)) {}

void aif_Surface::LeaveOutInstances(const std::unordered_set<unsigned>& ids) {
  if (surface_.IsNull() || !dynamic_cast<const aif_SurfaceFromElements*>(surface_.Get())) return;
  static_cast<aif_SurfaceFromElements&>(surface_.Modify()).LeaveOutInstances(ids);
}

void aif_Surface::Write(utl_Stream& stream) const {
  if (!surface_.IsNull()) {
    surface_->Write(stream);
    return;
  }
  if (name_.IsEmpty()) return;
  const cow_String name = akw_MorvexName(name_, false).Printable();
  stream << "*Surface, type=EULERIAN MATERIAL, name=" << name << endl << name << endl;
}
