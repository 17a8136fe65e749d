#include "aif/impl/constraints/aif_RigidBodyRegions.h"

cow_List<rgnC_Region> aif_RigidBodyRegions(const kcoC_RigidBody& body) {
  cow_List<rgnC_Region> regions;
  if (body.Suppressed()) return regions;
  for (kcoC_RigidBody::Role role : aif_kRigidBodyCoverRoles)
    regions.Append(body.Region(role));
  return regions;
}
