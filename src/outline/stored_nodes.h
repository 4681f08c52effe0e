// An outline's whole tree as the control's stored properties: "BinNodes" (binary: a 16-bit
// child count for the root, then for each node depth first its class name, byte-stream record
// and 16-bit child count) and "Nodes" (component-stream values: a list of class name, record
// and the list of children for each node). Reading appends the nodes to the root.
#pragma once

#include <string>
#include <string_view>

namespace cd {

class TOutlineTree;
class TBinaryReader;
class TBinaryWriter;

// The outline unit's switches: the node storage mode is binary and node storing is off, so
// a new outline writes neither property; both are always read, and an outline read from one
// writes its nodes back in that one (TOutlineTree::NodeForm).
inline constexpr bool kBinaryNodeStorage = true;
inline constexpr bool kStoreNodes = false;

// Fails with EWriteError when a node has more than 65535 children, which the count cannot hold.
std::string WriteBinNodes(TOutlineTree& outline);
// Fails with EReadError on a short or malformed record, "Class %s not found", or a class that is
// no TMyNode; the nodes read before the failure stay in the tree.
void ReadBinNodes(TOutlineTree& outline, std::string_view bytes);
void WriteNodes(TOutlineTree& outline, TBinaryWriter& writer);
void ReadNodes(TOutlineTree& outline, TBinaryReader& reader);

}  // namespace cd
