#pragma once

// The user's own text as error messages show it.  Field text can hold
// anything a paste brings: right-to-left words, combining marks, line
// breaks, invisible characters.  Quoted into a sentence as it is, such text
// reorders the sentence around it, joins its first mark to the quotation
// mark, splits the message over lines, or looks like something else.

#include <string>
#include <string_view>

namespace runtime {

// The text in quotation marks, fit to stand inside a sentence: cut to a
// readable length with an ellipsis (never inside a character), each
// control, invisible or unusual blank character written as its code point
// ("<U+00A0>"), a leading combining mark set on a dotted circle, and the
// whole isolated from the sentence's bidirectional layout.
std::u16string quotedForMessage(std::u16string_view text);

// The character at the start of the text, named for a sentence such as
// "... the comma at position 2 cannot be part of a number": "the comma",
// "a space", "the letter "x"", "a no-break space (U+00A0)",
// "the character "€" (U+20AC)".
std::u16string characterName(std::u16string_view text);

} // namespace runtime
