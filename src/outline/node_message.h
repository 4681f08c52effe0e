// The messages an outline sends to its nodes and a node to the object it carries, and the
// interface of whatever answers them.
#pragma once

#include <cstdint>

namespace cd {

// To every node after loading: wParam is the pass (0, 1, 2), counter the running number.
inline constexpr uint32_t kNumberNodesMessage = 47823;
// To an object newly attached to a node: node is that node.
inline constexpr uint32_t kNodeObjectMessage = 12317;
// To the owner of a new outline control: control is the control; a non-zero result keeps the
// control without owner.
inline constexpr uint32_t kOutlineCreatedMessage = 12318;

class TComponent;
class TOutlineNode;

struct TNodeMessage {
  uint32_t msg = 0;
  int64_t wParam = 0;
  int32_t* counter = nullptr;
  TOutlineNode* node = nullptr;
  TComponent* control = nullptr;
  int64_t result = 0;
};

// An object that answers the messages of an outline's nodes.
class INodeMessageReceiver {
 public:
  virtual void NodeMessage(TNodeMessage& message) = 0;

 protected:
  ~INodeMessageReceiver() = default;
};

}  // namespace cd
