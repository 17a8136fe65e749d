#include "aif/impl/model/aif_Normal.h"

#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include "OdbCoreGeom/bme_Mesh.h"
#include "QivBasicUtils/utl_Stream.h"
#include "VwrCmd/cmdC_WIP.h"
#include "aif/impl/core/aif_Exception.h"
#include "aif/impl/core/aif_ModelInfo.h"

namespace {

constexpr char kNormalFile[] = "module/aif/impl/model/aif_Normal.cpp";
constexpr double kZero = 1e-12;

void WriteComponent(utl_Stream& stream, double value) {
  stream << ", ";
  if (std::fabs(value) < kZero)
    stream << "0.";
  else
    stream << value;
}

gsl_Vector NodePosition(const std::vector<float>& coordinates, int node) {
  const std::size_t at = 3 * static_cast<std::size_t>(node);
  return {static_cast<double>(coordinates[at]), static_cast<double>(coordinates[at + 1]),
          static_cast<double>(coordinates[at + 2])};
}

}  // namespace

aif_Normal::aif_Normal(const aif_ModelInfo& info, const asoF_PartInstance& instance,
                       cow_List<gsl_Matrix> copies, cow_Btree<int, int> nodeLabels,
                       const gsl_Vector& direction, int firstElementLabel)
    : info_(&info),
      instance_(instance),
      copies_(std::move(copies)),
      nodeLabels_(std::move(nodeLabels)),
      direction_(direction),
      elementLabelBase_(info.IsPartBased() ? 0 : firstElementLabel - 1) {}

void aif_Normal::Write(utl_Stream& stream) const {
  const bme_Mesh* mesh = instance_.ConstGetMesh();
  if (!mesh || copies_.IsEmpty()) return;
  stream << "*Normal" << endl;

  const bme_NodeData& nodes = mesh->NodeData();
  const bool userNodeLabels = info_->NodeLabelsUsable() && nodes.HasLabelTable();
  const std::vector<float>& coordinates = nodes.Coordinates();
  const int elementCount = static_cast<int>(mesh->NumElements());
  const int nodeShift = static_cast<int>(nodeLabels_.Length());
  const cow_String& instanceName = instance_.Name();

  for (const bme_ElementClass& elements : mesh->ElementClasses()) {
    const int perElement = elements.NodesPerElement();
    const std::size_t count = elements.NumElements();
    if (perElement < 2) {
      if (count > 0)
        cmdC_WIP::Warning("No normals are written for the " + elements.TypeName() +
                          " elements of instance " + instanceName + ": they have a single node.");
      continue;
    }
    const std::vector<int>& connectivity = elements.Connectivity();
    std::vector<std::optional<gsl_Vector>> normals(count);
    for (std::size_t k = 0; k < copies_.Length(); ++k) {
      const int shift = static_cast<int>(k);
      for (std::size_t e = 0; e < count; ++e) {
        const int* element = connectivity.data() + e * static_cast<std::size_t>(perElement);
        const int label =
            (elements.HasLabelTable()
                 ? elements.UserLabels()[e] + elementLabelBase_
                 : elementLabelBase_ + static_cast<int>(elements.FirstElementIndex() + e) + 1) +
            shift * elementCount;
        if (k == 0) {
          gsl_Vector d =
              NodePosition(coordinates, element[1]) - NodePosition(coordinates, element[0]);
          if (d.Normalize()) {
            gsl_Vector normal = d.Cross(direction_);
            normal.RotateAndTransform(instance_.GetTransform());
            normals[e] = normal;
          } else {
            cmdC_WIP::Warning("No normal is written for element " + std::to_string(label) +
                              " of instance " + instanceName.Str() +
                              ": its first two nodes coincide.");
          }
        }
        if (!normals[e]) continue;
        gsl_Vector normal = *normals[e];
        normal.RotateAndTransform(copies_[k]);
        for (int j = 0; j < perElement; ++j) {
          const int node = element[j];
          const int templateLabel =
              userNodeLabels ? nodes.GetUserNodeLabels()[static_cast<std::size_t>(node)] : node + 1;
          const int* mapped = nodeLabels_.Find(templateLabel);
          if (!mapped)
            nex_Exception::Throw(
                aif_Exception("Node " + std::to_string(templateLabel) +
                              " of the fastener template instance " + instanceName.Str() +
                              " has no label in the fastener copies."),
                kNormalFile, __LINE__);
          stream << label << ", " << *mapped + shift * nodeShift;
          WriteComponent(stream, normal.UnitX());
          WriteComponent(stream, normal.UnitY());
          WriteComponent(stream, normal.UnitZ());
          stream << endl;
        }
      }
    }
  }
}
