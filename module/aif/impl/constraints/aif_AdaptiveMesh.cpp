#include "aif/impl/constraints/aif_AdaptiveMesh.h"

#include <utility>

#include "AFCInputFileWriter/akw_MorvexName.h"
#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/core/aif_KeywordOption.h"

namespace {

// The values the solver takes for a domain that does not give them.
constexpr int kAdaptiveMeshFrequency = 10;
constexpr int kAdaptiveMeshSweeps = 1;
constexpr int kAdaptiveMeshUnsetSweeps = 2147483647;

}  // namespace

aif_AdaptiveMesh::aif_AdaptiveMesh(const kadC_AdptMeshDomain& domain, cow_String elset,
                                   bool explicitStep)
    : domain_(domain), elset_(std::move(elset)), explicit_(explicitStep), removing_(false) {}

aif_AdaptiveMesh::aif_AdaptiveMesh(bool removing, bool explicitStep)
    : domain_(kadC_AdptMeshDomain()), explicit_(explicitStep), removing_(removing) {}

void aif_AdaptiveMesh::Write(utl_Stream& stream) const {
  stream << "*Adaptive Mesh";
  if (removing_) {
    aif_Option(stream) << "op=NEW";
    stream << endl;
    return;
  }
  const kadC_AdptMeshDomain& domain = *domain_;
  aif_Option(stream) << "elset=" << elset_;
  if (!domain.ControlsName().IsEmpty())
    aif_Option(stream) << "controls=" << akw_MorvexName(domain.ControlsName(), false);
  if (domain.Frequency() != kAdaptiveMeshFrequency)
    aif_Option(stream) << "frequency=" << domain.Frequency();
  if (explicit_ && domain.InitialMeshSweeps() != kAdaptiveMeshUnsetSweeps)
    aif_Option(stream) << "initial mesh sweeps=" << domain.InitialMeshSweeps();
  if (domain.MeshSweeps() != kAdaptiveMeshSweeps)
    aif_Option(stream) << "mesh sweeps=" << domain.MeshSweeps();
  aif_Option(stream) << "op=NEW";
  stream << endl;
}
