// The node class a fuzz input's first byte picks: TMyNode, TJumpNode or THTMLNode.
#pragma once

#include <cstdint>
#include <memory>

#include "outline/html_node.h"
#include "outline/jump_node.h"

namespace cd::fuzz {

inline std::unique_ptr<TMyNode> NewNode(uint8_t kind) {
  switch (kind % 3) {
    case 0:
      return std::make_unique<TMyNode>(nullptr);
    case 1:
      return std::make_unique<TJumpNode>(nullptr);
    default:
      return std::make_unique<THTMLNode>(nullptr);
  }
}

}  // namespace cd::fuzz
