// The outline node classes that a text may name, registered by name.
#include "outline/outline_classes.h"

#include "config/class_registry.h"
#include "outline/html_node.h"
#include "outline/jump_node.h"
#include "outline/object_outline.h"
#include "outline/sel_inst_node.h"

namespace cd {

void RegisterOutlineClasses() {
  for (const TClassInfo* cls :
       {&TMyNode::StaticClass(), &TJumpNode::StaticClass(), &THTMLNode::StaticClass(),
        &TObjectOutline::StaticClass(), &TSelInstNode::StaticClass()})
    RegisterClass(*cls);
}

}  // namespace cd
