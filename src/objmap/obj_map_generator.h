// Generating the HTML fragment of an object map: every frame a bordered box with a coloured
// title bar, every row a pair of table rows (descriptions above values), nested frames as
// indented boxes inside their parent. Texts are put in as they are: descriptions and values
// are markup, like a row's Html.
#pragma once

#include <memory>
#include <string>

#include "objmap/obj_map_generator_par.h"
#include "objmap/om_frame.h"

namespace cd {

// The fragment of frame in mode (params.mode is set to it); without params, the default
// parameters, which keep the mode of the last call.
std::string Generate(TOMFrame& frame, TObjMapGeneratorPar* params, int32_t mode);
// Generate, then the frame tree is destroyed.
std::string GenerateAndDestroy(std::unique_ptr<TOMFrame> frame, TObjMapGeneratorPar* params,
                               int32_t mode);

}  // namespace cd
