// The load builder's keyword per load kind: each group files the comment of
// one load and then the keyword(s) its kind and field choice take.
#include <functional>

#include "AFCInputFileWriter/akw_MorvexName.h"
#include "ModKerLow/rgnK_Region.h"
#include "OdbAttrEO/kloC_Load.h"
#include "QivBasicUtils/nex_Exception.h"
#include "aif/impl/core/aif_ModelInfo.h"
#include "aif/impl/core/aif_NameRoutines.h"
#include "aif/impl/core/aif_RegionName.h"
#include "aif/impl/core/aif_SetNameRegistry.h"
#include "aif/impl/loads/aif_Cecharge.h"
#include "aif/impl/loads/aif_Cecurrent.h"
#include "aif/impl/loads/aif_Cflux.h"
#include "aif/impl/loads/aif_ConnectorLoad.h"
#include "aif/impl/loads/aif_Decharge.h"
#include "aif/impl/loads/aif_Decurrent.h"
#include "aif/impl/loads/aif_Dflow.h"
#include "aif/impl/loads/aif_Dflux.h"
#include "aif/impl/loads/aif_Dload.h"
#include "aif/impl/loads/aif_Dsecharge.h"
#include "aif/impl/loads/aif_Dsecurrent.h"
#include "aif/impl/loads/aif_Dsflow.h"
#include "aif/impl/loads/aif_Dsflux.h"
#include "aif/impl/loads/aif_Dsload.h"
#include "aif/impl/loads/aif_FluidFlux.h"
#include "aif/impl/loads/aif_LoadBuilder.h"

#include <functional>
#include "aif/impl/loads/aif_ModelSpace.h"
#include "aif/impl/loads/aif_Sload.h"
#include "aif/impl/model/aif_Elset.h"
#include "aif/impl/model/aif_SetLabelWriter.h"

namespace {

constexpr char kLoadBuilderKeywordsFile[] = "module/aif/impl/loads/aif_LoadBuilderKeywords.cpp";
// The kernel's id for "every instance and the assembly" in member queries.
constexpr int kLoadBuilderKeywordsAllInstances = 1000;

// `load` as the kernel class `Kind`, type-tested.
template <class Kind>
const Kind& LoadBuilderAs(const kloC_Load& load, int line) {
  return nex_canDynamicCastRef<const Kind>(load, kLoadBuilderKeywordsFile, line);
}

// "_n", the counter added to a face set's name while the name is taken.
cow_String LoadBuilderCounter(int n) {
  return "_" + cow_String(std::to_string(n));
}

}  // namespace

bool aif_LoadBuilder::AddMechanicalKeyword(const Entry& e, const akw_Keyword& comment) {
  const unsigned typeId = e.load.DynTypeId();
  switch (typeId) {
    case kloC_RotationalBodyForce::kTypeId:
    case kloC_LineLoad::kTypeId:
    case kloC_PipePressure::kTypeId:
    case kloC_BodyForce::kTypeId:
    case kloC_Gravity::kTypeId:
    case kloC_CoriolisForce::kTypeId:
      break;
    case kloC_Pressure::kTypeId:
    case kloC_SurfaceTraction::kTypeId:
    case kloC_ShellEdgeLoad::kTypeId:
      if (e.usesField) break;
      AddSurfaceLoad(e, comment);
      return true;
    case kloC_SubmodelStressBased::kTypeId:
      AddSurfaceLoad(e, comment);
      return true;
    default:
      return false;
  }
  AddCommented(e, comment,
               aif_Dload(e.load, e.step, e.opFlag, e.regionName, aif_ModelSpaceCode(Info()), Info(),
                         e.cyclic, e.cyclicMode, e.scale, e.name));
  return true;
}

void aif_LoadBuilder::AddSurfaceLoad(const Entry& e, const akw_Keyword& comment) {
  // A pressure names the node set of its reference region, when it has one.
  cow_String refNode;
  if (e.load.DynTypeId() == kloC_Pressure::kTypeId && !(e.load.SecondRegion() == rgnC_Region()))
    refNode = aif_RegionName(e.load.SecondRegion(), Info()).QualifiedName(2);
  AddCommented(e, comment,
               aif_Dsload(e.load, e.step, e.opFlag, e.regionName, Info(), e.cyclic, e.cyclicMode,
                          e.scale, e.name, refNode));
}

bool aif_LoadBuilder::AddFluxKeyword(const Entry& e, const akw_Keyword& comment) {
  const aif_ModelInfo& info = Info();
  auto add = [&](const akw_Keyword& keyword) { AddCommented(e, comment, keyword); };
  switch (e.load.DynTypeId()) {
    case kloC_ConcentratedHeatFlux::kTypeId:
      add(aif_Cflux(LoadBuilderAs<kloC_ConcentratedHeatFlux>(e.load, __LINE__), e.step, info,
                    e.opFlag, e.regionName, e.scale));
      return true;
    case kloC_ConcentratedConcentrationFlux::kTypeId:
      add(aif_Cflux(LoadBuilderAs<kloC_ConcentratedConcentrationFlux>(e.load, __LINE__), e.step,
                    info, e.opFlag, e.regionName, e.scale));
      return true;
    case kloC_BodyHeatFlux::kTypeId:
      add(aif_Dflux(LoadBuilderAs<kloC_BodyHeatFlux>(e.load, __LINE__), e.step, e.opFlag,
                    e.regionName, info, e.scale));
      return true;
    case kloC_BodyConcentrationFlux::kTypeId:
      add(aif_Dflux(LoadBuilderAs<kloC_BodyConcentrationFlux>(e.load, __LINE__), e.step, e.opFlag,
                    e.regionName, info, e.scale));
      return true;
    case kloC_SurfaceHeatFlux::kTypeId: {
      const auto& flux = LoadBuilderAs<kloC_SurfaceHeatFlux>(e.load, __LINE__);
      if (e.usesField)
        add(aif_Dflux(flux, e.step, e.opFlag, e.regionName, info, e.scale));
      else
        add(aif_Dsflux(flux, e.step, e.opFlag, e.regionName, e.scale));
      return true;
    }
    case kloC_SurfaceConcentrationFlux::kTypeId:
      if (e.usesField)
        add(aif_Dflux(LoadBuilderAs<kloC_SurfaceConcentrationFlux>(e.load, __LINE__), e.step,
                      e.opFlag, e.regionName, "S", info, e.scale));
      else
        AddFaceFluxes(e, comment);
      return true;
    case kloC_SurfacePoreFluid::kTypeId: {
      const auto& flow = LoadBuilderAs<kloC_SurfacePoreFluid>(e.load, __LINE__);
      if (e.usesField)
        add(aif_Dflow(flow, e.step, e.opFlag, e.regionName, info, e.scale));
      else
        add(aif_Dsflow(flow, e.step, e.opFlag, e.regionName, e.scale));
      return true;
    }
    case kloC_HydroFluidFlow::kTypeId:
      add(aif_FluidFlux(LoadBuilderAs<kloC_HydroFluidFlow>(e.load, __LINE__), e.step, e.opFlag,
                        e.regionName, e.scale));
      return true;
    default:
      return false;
  }
}

namespace {

// Adds the charge or current keyword of the entry's load when it is of one
// of the three kinds (concentrated, surface, body): a surface load given by
// a field takes the element form, otherwise the surface form. False for
// other kinds.
template <class Ce, class De, class Dse, class Concentrated, class Surface, class Body, class Entry>
bool LoadBuilderAddElectric(const Entry& e, const aif_ModelInfo& info,
                            const std::function<void(const akw_Keyword&)>& add) {
  switch (e.load.DynTypeId()) {
    case Concentrated::kTypeId:
      add(Ce(LoadBuilderAs<Concentrated>(e.load, __LINE__), e.step, info, e.opFlag, e.regionName,
             e.scale));
      return true;
    case Surface::kTypeId: {
      const auto& surface = LoadBuilderAs<Surface>(e.load, __LINE__);
      if (e.usesField)
        add(De(surface, e.step, info, e.opFlag, e.regionName, e.scale));
      else
        add(Dse(surface, e.step, e.opFlag, e.regionName, e.scale));
      return true;
    }
    case Body::kTypeId:
      add(De(LoadBuilderAs<Body>(e.load, __LINE__), e.step, info, e.opFlag, e.regionName, e.scale));
      return true;
    default:
      return false;
  }
}

}  // namespace

bool aif_LoadBuilder::AddElectricalKeyword(const Entry& e, const akw_Keyword& comment) {
  const aif_ModelInfo& info = Info();
  const std::function<void(const akw_Keyword&)> add = [&](const akw_Keyword& keyword) {
    AddCommented(e, comment, keyword);
  };
  return LoadBuilderAddElectric<aif_Cecharge, aif_Decharge, aif_Dsecharge, kloC_ConcentratedCharge,
                                kloC_SurfaceCharge, kloC_BodyCharge>(e, info, add) ||
         LoadBuilderAddElectric<aif_Cecurrent, aif_Decurrent, aif_Dsecurrent,
                                kloC_ConcentratedCurrent, kloC_SurfaceCurrent, kloC_BodyCurrent>(
             e, info, add);
}

bool aif_LoadBuilder::AddOtherKeyword(const Entry& e, const akw_Keyword& comment) {
  switch (e.load.DynTypeId()) {
    case kloC_ConnectorForce::kTypeId:
    case kloC_ConnectorMoment::kTypeId:
      AddCommented(e, comment, aif_ConnectorLoad(e.load, e.regionName, e.step, e.opFlag, e.scale));
      return true;
    case kloC_SubstructureLoad::kTypeId:
      AddCommented(e, comment, aif_Sload(e.load, e.step, e.opFlag, Info(), e.scale));
      return true;
    default:
      return false;
  }
}

void aif_LoadBuilder::AddFaceFluxes(const Entry& e, const akw_Keyword& comment) {
  aif_ModelInfo& info = Info();
  const rgnK_Region region(info.Assembly(), info.ModelName(), e.load.Region());
  aif_Elset::LabelsById labels;
  aif_SetLabelWriter::FacesById faces;
  region.GetElementIds(labels, &faces, kLoadBuilderKeywordsAllInstances, info.ElementLabelsUsable(),
                       true);

  // The sets are defined once per load, the first time it is written: a set
  // of the elements of each face, in every instance, under the name the
  // load's name and the face give ("_n" added while that name is taken).
  auto known = faceSets_.find(e.name);
  if (known == faceSets_.end()) {
    cow_Map<cow_String, cow_String> accepted;
    aif_SetNameRegistry& registry = aif_SetNameRegistry::Instance();
    // A restart job defines them among its model definitions, where a
    // part-based file reaches the assembly's sets through its name.
    const bool modelLevel = info.IsRestart();
    const cow_String scope =
        modelLevel && info.IsPartBased() ? aif_QualifiedPrefix("Assembly") : cow_String();
    const cow_String base = akw_MorvexName(e.name, false).Printable();
    for (const auto& [face, generated] : aif_SetLabelWriter::MapMemberNames(faces, base)) {
      // The set's own name, as the registry knows set names: unquoted. A
      // load name holding a dot stays one component of it.
      const cow_String plain = "_" + e.name + "_" + face;
      cow_String suffix;
      for (int n = 1; !registry.AddElset(scope + plain + suffix, false); ++n)
        suffix = LoadBuilderCounter(n);
      const cow_String name = scope + (suffix.IsEmpty() && e.name.Find('.') == cow_String::npos
                                           ? generated
                                           : akw_MorvexName(plain + suffix, false).Printable());
      accepted.Set(face, name);

      aif_Elset::LabelsById members;
      for (const auto& [id, list] : labels) {
        const cow_List<cow_String>* ofId = faces.Find(id);
        if (!ofId) continue;
        for (std::size_t i = 0; i < list.Length() && i < ofId->Length(); ++i)
          if ((*ofId)[i] == face) members.Modify(id).Append(list[i]);
      }
      const aif_Elset set(name, members, true, info);
      if (modelLevel)
        AddModelDefinition(set);
      else
        AddAssemblyDefinition(set);
    }
    known = faceSets_.emplace(e.name, accepted).first;
  }

  AddStepDefinition(e.step, comment, e.loadCase);
  const auto& flux = LoadBuilderAs<kloC_SurfaceConcentrationFlux>(e.load, __LINE__);
  for (const auto& [face, setName] : known->second)
    AddStepDefinition(e.step, aif_Dflux(flux, e.step, e.opFlag, setName, face, info, e.scale),
                      e.loadCase);
}

void aif_LoadBuilder::AddCommented(const Entry& e, const akw_Keyword& comment,
                                   const akw_Keyword& keyword) {
  AddStepDefinition(e.step, comment, e.loadCase);
  AddStepDefinition(e.step, keyword, e.loadCase);
}
