// Registration of the outline's node classes.
#pragma once

namespace cd {

// Registers TMyNode, TJumpNode and THTMLNode by class name.
void RegisterOutlineClasses();

}  // namespace cd
