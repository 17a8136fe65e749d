// The regions through which a rigid-body constraint covers part instances:
// its reference point, its body, its pinned nodes and its tied nodes, in that
// order. An instance any of them covers gets no rigid body of the writer's
// own, and the rigid surface check does not ask it for a reference point;
// both read the regions through this routine, so they always agree. The
// analytical surface is not among them: it names no instance to cover.
#pragma once

#include <array>

#include "BasShared/cow_List.h"
#include "OdbAttrEO/kcoC_Constraint.h"
#include "OdbCoreGeom/rgnC_Region.h"

// The roles read, in the order they are read.
inline constexpr std::array<kcoC_RigidBody::Role, 4> aif_kRigidBodyCoverRoles = {
    kcoC_RigidBody::kRefPoint, kcoC_RigidBody::kBody, kcoC_RigidBody::kPin, kcoC_RigidBody::kTie};

// The regions of `body` in the roles' order; none for a suppressed body.
cow_List<rgnC_Region> aif_RigidBodyRegions(const kcoC_RigidBody& body);
