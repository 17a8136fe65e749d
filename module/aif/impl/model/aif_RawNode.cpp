#include "aif/impl/model/aif_RawNode.h"

#include <string>

#include "QivBasicUtils/nex_Exception.h"
#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/core/aif_Exception.h"
#include "aif/impl/core/aif_NameRoutines.h"

namespace {

constexpr char kRawNodeFile[] = "module/aif/impl/aif_RawNode";

}  // namespace

aif_RawNode::aif_RawNode(cow_List<int> labels, cow_List<float> x, cow_List<float> y,
                         cow_List<float> z, bool internalAllowed)
    : labels_(std::move(labels)),
      x_(std::move(x)),
      y_(std::move(y)),
      z_(std::move(z)),
      internalAllowed_(internalAllowed) {
  const std::size_t n = labels_.Length();
  if (x_.Length() != n || y_.Length() != n || z_.Length() != n)
    nex_Exception::Throw(
        aif_Exception(cow_String("Nodes given as lists need as many coordinates as labels (" +
                                 std::to_string(n) + " labels, " + std::to_string(x_.Length()) +
                                 ", " + std::to_string(y_.Length()) + " and " +
                                 std::to_string(z_.Length()) + " coordinates).")),
        kRawNodeFile, __LINE__);
}

aif_RawNode::aif_RawNode(int label, float x, float y, float z, bool internalAllowed,
                         cow_String nodeSetName)
    : labels_{label},
      x_{x},
      y_{y},
      z_{z},
      nodeSetName_(std::move(nodeSetName)),
      internalAllowed_(internalAllowed) {
  if (!nodeSetName_.IsEmpty()) aif_CheckWritableName(nodeSetName_, "node set");
}

void aif_RawNode::Write(utl_Stream& stream) const {
  if (labels_.IsEmpty()) return;
  for (int label : labels_)
    if (label < 1)
      nex_Exception::Throw(aif_Exception(cow_String("The node label " + std::to_string(label) +
                                                    " cannot be written; node labels begin at 1.")),
                           kRawNodeFile, __LINE__);

  stream << "*Node" << endl;
  for (std::size_t i = 0; i < labels_.Length(); ++i)
    WriteLine(stream, labels_[i], x_[i], y_[i], z_[i]);
  if (nodeSetName_.IsEmpty()) return;
  stream << "*Nset, nset=" << nodeSetName_;
  if (internalAllowed_ && aif_IsInternalName(nodeSetName_)) stream << ", internal";
  stream << endl;
  stream.Print(labels_[0], 0) << ", " << endl;
}
