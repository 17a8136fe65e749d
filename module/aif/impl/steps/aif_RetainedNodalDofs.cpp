#include "aif/impl/steps/aif_RetainedNodalDofs.h"

#include "OdbAttrEO/kbcC_RetainedNodalDofsBC.h"
#include "QivBasicUtils/nex_Exception.h"
#include "QivBasicUtils/utl_Stream.h"

namespace {

constexpr char kRetainedNodalDofsFile[] = "module/aif/impl/steps/aif_RetainedNodalDofs.cpp";
constexpr int kRetainedDofCount = 6;

bool RetainedDofIsSet(unsigned bits, int dof) {
  return (bits >> dof) & 1u;
}

}  // namespace

void aif_RetainedNodalDofs::AddBoundaryCondition(const kbcC_BC& bc, const cow_String& entry) {
  if (bc.DynTypeId() != kbcC_RetainedNodalDofsBC::TypeId()) return;
  const auto& retained =
      nex_canDynamicCastRef<const kbcC_RetainedNodalDofsBC>(bc, kRetainedNodalDofsFile, __LINE__);
  const auto& state = nex_canDynamicCastRef<const kbcC_RetainedNodalDofsBCState>(
      retained.ConstGetStateQuad(step_), kRetainedNodalDofsFile, __LINE__);
  unsigned bits = 0;
  for (int i = 0; i < kRetainedDofCount; ++i)
    if (state.Switches()[i]) bits |= 1u << (i + 1);
  if (!dofs_.Contains(entry)) names_.Append(entry);
  dofs_.Modify(entry) |= bits;
}

void aif_RetainedNodalDofs::Write(utl_Stream& stream) const {
  if (names_.IsEmpty()) return;
  stream << "*Retained Nodal Dofs";
  stream.LineBreak();
  for (const cow_String& name : names_) {
    const unsigned bits = dofs_.Get(name);
    for (int first = 1; first <= kRetainedDofCount; ++first) {
      if (!RetainedDofIsSet(bits, first)) continue;
      int last = first;
      while (last < kRetainedDofCount && RetainedDofIsSet(bits, last + 1))
        ++last;
      stream << name << ", " << first << ", " << last;
      stream.LineBreak();
      first = last;
    }
  }
}
