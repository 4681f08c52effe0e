// Registers the base form, its data classes and the controls a layout may name.
#pragma once

namespace cd {

void RegisterFormsClasses();

}  // namespace cd
