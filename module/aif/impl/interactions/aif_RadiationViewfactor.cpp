#include "aif/impl/interactions/aif_RadiationViewfactor.h"

#include <cfloat>

#include "AFCInputFileWriter/akw_MorvexName.h"
#include "OdbAttrEO/kinC_CavityRadiation.h"
#include "QivBasicUtils/nex_Exception.h"
#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/core/aif_KeywordOption.h"
#include "aif/impl/core/aif_RegionName.h"
#include "aif/impl/interactions/aif_CavitySymmetryRoutines.h"
#include "aif/impl/interactions/aif_Cyclic.h"
#include "aif/impl/interactions/aif_Periodic.h"
#include "aif/impl/interactions/aif_RadiationSymmetry.h"
#include "aif/impl/interactions/aif_Reflection.h"

namespace {

constexpr char kViewfactorFile[] = "module/aif/impl/interactions/aif_RadiationViewfactor.cpp";
// Blocking surfaces on one data line.
constexpr int kBlockingNamesPerLine = 8;
// The longest data line the solver reads.
constexpr std::size_t kViewfactorLineLimit = 256;
// Defaults of the controls, compared exactly: a default is not written.
constexpr double kViewfactorDefaultTolerance = 0.05;
constexpr double kViewfactorDefaultInfinitesimal = 64.0;
constexpr int kViewfactorDefaultIntegration = 3;
constexpr double kViewfactorDefaultLumpedArea = 5.0;

bool CavityHasSymmetries(const kinC_CavityRadiation& cavity) {
  return cavity.CyclicSymmetry() || cavity.PeriodicCount() > 0 || cavity.ReflectionCount() > 0;
}

void WriteViewfactorBlockingSurfaces(utl_Stream& stream, const cow_List<rgnC_Region>& surfaces,
                                     const aif_ModelInfo& info) {
  int inLine = 0;
  std::size_t lineLength = 0;
  for (std::size_t i = 0; i < surfaces.Length(); ++i) {
    const cow_String name = aif_RegionName(surfaces[i], info).SetName(2);
    const std::size_t length = name.Length();
    if (i > 0) {
      stream << ", ";
      lineLength += 2;
      // Eight names a line, fewer where long names would take the line
      // past what the solver reads (the ", " after the name included).
      if (inLine == kBlockingNamesPerLine || lineLength + length + 2 > kViewfactorLineLimit) {
        stream.LineBreak();
        inLine = 0;
        lineLength = 0;
      }
    }
    stream << name;
    lineLength += length;
    ++inLine;
  }
  stream.LineBreak();
}

}  // namespace

aif_RadiationViewfactor::aif_RadiationViewfactor(const cow_String& name,
                                                 const cow_COW<kinC_Interaction>& interaction,
                                                 const cow_String& stepName,
                                                 const aif_ModelInfo& info)
    : name_(name), stepName_(stepName), interaction_(interaction), info_(&info) {}

cow_String aif_RadiationViewfactor::SymmetryName(const cow_String& name) {
  return akw_MorvexName(name + "_SYM_", false).Printable();
}

void aif_RadiationViewfactor::Write(utl_Stream& stream) const {
  const auto& cavity =
      nex_canDynamicCastRef<const kinC_CavityRadiation>(*interaction_, kViewfactorFile, __LINE__);
  if (off_) {
    stream << "*Radiation Viewfactor, cavity=" << akw_MorvexName(name_, false) << ", off" << endl;
    return;
  }
  const kinC_CavityRadiationState& state = cavity.ConstGetState(stepName_);
  const bool symmetries = CavityHasSymmetries(cavity);
  const cow_String symmetryName = symmetries ? SymmetryName(name_) : cow_String();

  stream << "*Radiation Viewfactor, cavity=" << akw_MorvexName(name_, false);
  if (symmetries) stream << ", symmetry=" << symmetryName;
  int blocking = state.Blocking().Value();
  // Partial blocking by no surface blocks nothing; the option left out
  // would mean full blocking.
  if (blocking == kinC_BLOCKING_PARTIAL && state.BlockingSurfaces().Value().IsEmpty())
    blocking = kinC_BLOCKING_NONE;
  if (blocking == kinC_BLOCKING_NONE)
    aif_Option(stream) << "blocking=NO";
  else if (blocking == kinC_BLOCKING_PARTIAL)
    aif_Option(stream) << "blocking=PARTIAL";
  if (state.Range().Value() != DBL_MAX) aif_Option(stream) << "range=" << state.Range().Value();
  if (!state.Reflection().Value()) aif_Option(stream) << "reflection=NO";
  if (state.ViewfactorTolerance().Value() != kViewfactorDefaultTolerance)
    aif_Option(stream) << "vtol=" << state.ViewfactorTolerance().Value();
  if (cavity.Infinitesimal() != kViewfactorDefaultInfinitesimal)
    aif_Option(stream) << "infinitesimal=" << cavity.Infinitesimal();
  if (cavity.Integration() != kViewfactorDefaultIntegration)
    aif_Option(stream) << "integration=" << cavity.Integration();
  if (cavity.LumpedArea() != kViewfactorDefaultLumpedArea)
    aif_Option(stream) << "lumped area=" << cavity.LumpedArea();
  stream.LineBreak();

  if (blocking == kinC_BLOCKING_PARTIAL)
    WriteViewfactorBlockingSurfaces(stream, state.BlockingSurfaces().Value(), *info_);

  if (!symmetries) return;
  const int space = aif_CavitySpaceCode(*info_);
  aif_RadiationSymmetry(symmetryName).Write(stream);
  aif_Cyclic(name_, cavity, *info_, space).Write(stream);
  aif_Periodic(name_, cavity, *info_, space).Write(stream);
  aif_Reflection(name_, cavity, *info_, space).Write(stream);
}
