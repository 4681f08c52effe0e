// The marked-text scanner (stretches between an opening and a closing mark) and the
// ReplaceAll built on it.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

namespace cd {

// Gets the marked content and the position just after its closing mark; it may move that
// position to continue the scan elsewhere (never before the end of the opening mark).
using MarkedHandler = std::function<void(std::string_view content, size_t& next)>;
// Gets each stretch of text outside the marks, in order.
using TextHandler = std::function<void(std::string_view stretch)>;

// Scans text for open ... close. With an empty close the marked content is empty and the
// scan goes on after open. A missing close fails with "Missing Close Bracket \"<close>\"".
void ScanMarked(std::string_view text, std::string_view open, std::string_view close,
                const MarkedHandler& onMarked, const TextHandler& onText);

// Text with every non-overlapping occurrence of oldText, from left to right, replaced by
// newText. An empty oldText leaves the text unchanged.
std::string ReplaceAll(std::string_view text, std::string_view oldText, std::string_view newText);

}  // namespace cd
