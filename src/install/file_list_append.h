// Append and AppendFor: the expansion of the lines of file lists into the names they stand for.
#pragma once

#include <string>

namespace cd {

class TFileList;
class TFileListManager;
class TStringList;

// Expands lines on behalf of list into names (a sorted list ignoring duplicates): "@Name"
// lines bring in the lines of that list of the same manager. Fails with
// "TFileList.Append: Circular reference in \"%s\"" or
// "TFileList.Append: Item \"@%s\" in \"%s\" does not exist".
void Append(const TFileList& list, const TStringList& lines, TStringList& names);
// The same expansion for lines that are not one of manager's lists (a medium's Files);
// listName only names them in the messages.
void AppendFor(const TFileListManager& manager, const std::string& listName,
               const TStringList& lines, TStringList& names);

}  // namespace cd
