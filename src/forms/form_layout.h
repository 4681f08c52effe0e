// Reading the stored layout of a form, class level by class level.
#pragma once

namespace cd {

class TComponent;

// Reads each class level of form, from the most basic one below TComponent up to the form's
// own class: from the stored form files of the active TReadFormObj while one creates the
// form, else from the program's form resources. Whether any level was read.
bool ReadFormLayout(TComponent& form);

}  // namespace cd
