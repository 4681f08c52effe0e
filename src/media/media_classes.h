// Registration of the media and viewer run item classes. Called once by each program at start.
#pragma once

namespace cd {

void RegisterMediaClasses();

}  // namespace cd
