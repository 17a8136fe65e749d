#include "OdbCoreGeom/msh_Interfaces.h"

#include "OdbCoreGeom/bme_Mesh.h"

namespace {

const msh_MeshInterfaces& Stored(const bme_Mesh& mesh) {
  static const msh_MeshInterfaces none;
  return mesh.Interfaces() ? *mesh.Interfaces() : none;
}

}  // namespace

bool msh_Mesh::IsValid() const {
  return Stored(mesh_).usable;
}

int msh_Mesh::NumIncompatibleFaces() const {
  return static_cast<int>(Stored(mesh_).incompatibleFaces.size());
}

const msh_Interface& msh_Mesh::GetIncompatibleFace(int i) const {
  return Stored(mesh_).incompatibleFaces.at(static_cast<std::size_t>(i));
}

void msh_GetTieSlaveData(const bme_Mesh&, const msh_DiscreteFace&, const msh_DiscreteFace& slave,
                         std::vector<int>& elements, std::vector<int>& faces,
                         std::vector<int>& uncoveredNodes) {
  elements = slave.TieElements();
  faces = slave.TieFaces();
  uncoveredNodes = slave.TieUncoveredNodes();
}

void msh_BuildMixOrderFaceInterfaces(const bme_Mesh& mesh,
                                     std::vector<msh_DiscreteEntInterface>& interfaces) {
  interfaces = Stored(mesh).mixedOrderFaces;
}

void msh_BuildMixOrderEdgeInterfaces(const bme_Mesh& mesh,
                                     std::vector<msh_DiscreteEntInterface>& interfaces) {
  interfaces = Stored(mesh).mixedOrderEdges;
}

void msh_CleanDiscreteEntInterfaceArray(std::vector<msh_DiscreteEntInterface>& interfaces) {
  interfaces.clear();
}

void msh_BuildShellSolidInterfaces(const bme_Mesh& mesh,
                                   std::vector<msh_ShellSolidInterface>& interfaces) {
  interfaces = Stored(mesh).shellSolid;
}

void msh_CleanShelLSolidInterfaceArray(std::vector<msh_ShellSolidInterface>& interfaces) {
  interfaces.clear();
}

bool msh_Mesh::ContainsPreviewElems() const {
  return mesh_.ContainsPreviewElems();
}

bool msh_Mesh::IsMeshed(const gml_GeometricComponent& component) const {
  return mesh_.IsComponentMeshed(component);
}
