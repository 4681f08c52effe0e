// Connects the course library at start: the context answers the file sourcers' server path
// and the card index's folder, the card index answers the context's card lookup, and the
// host's language switch entry reaches the card index.
#pragma once

namespace cd {

void InstallCourseLibrary();

}  // namespace cd
