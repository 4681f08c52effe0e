// Registration of the outline's node classes.
#pragma once

namespace cd {

// Registers TMyNode, TJumpNode, THTMLNode and TObjectOutline by class name.
void RegisterOutlineClasses();

}  // namespace cd
