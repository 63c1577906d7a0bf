#pragma once
// Preset texts come from file names and files written elsewhere; the text renderer refuses
// invalid UTF-8 and stops drawing altogether after it, so every such text is repaired first.

#include <string>

namespace velqa::editor
{

bool isValidUtf8(const char* text);
// text itself when it is valid UTF-8; otherwise a copy in repaired, with every byte that
// starts no valid sequence replaced by "?" (the editor's typefaces have no U+FFFD).
const char* displayableText(const char* text, std::string& repaired);

} // namespace velqa::editor
