#pragma once

// Every sentence the user reads, each written once here, and the user's own
// text as those sentences show it.  The host's own failures to get a window
// or a resource from the system are told where they happen.  Field text can hold
// anything a paste brings: right-to-left words, combining marks, line
// breaks, invisible characters.  Quoted into a sentence as it is, such text
// reorders the sentence around it, joins its first mark to the quotation
// mark, splits the message over lines, or looks like something else.

#include "runtime/NumberText.h"
#include "runtime/RuntimeError.h"

#include <array>
#include <string>
#include <string_view>

namespace runtime {

// The bidirectional isolates and their end: text between one of them and
// the pop keeps its own direction and leaves the sentence's alone.  A
// quotation uses the first-strong isolate.
inline constexpr char16_t leftToRightIsolate = u'\u2066';
inline constexpr char16_t rightToLeftIsolate = u'\u2067';
inline constexpr char16_t firstStrongIsolate = u'\u2068';
inline constexpr char16_t popDirectionalIsolate = u'\u2069';
inline constexpr auto bidiIsolates = std::to_array(
    {leftToRightIsolate, rightToLeftIsolate, firstStrongIsolate, popDirectionalIsolate});

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
// The end of the text when it is empty.
std::u16string characterName(std::u16string_view text);

namespace messages {

// What a Convert button shows when its field is empty.
inline constexpr std::u16string_view emptyField = u"Put a value into the currency box";

// What a screen reader says after a button: the written result with its
// currency, "126.973807842918 euros"; or that Clear has emptied both fields.
inline constexpr std::u16string_view euros = u"euros";
inline constexpr std::u16string_view punts = u"punts";
std::u16string amountIn(std::u16string_view amount, std::u16string_view currency);
inline constexpr std::u16string_view fieldsCleared = u"Both fields are empty";

// The names of the window's own minimise and close buttons, where the
// program draws its title bar.
inline constexpr std::u16string_view minimiseWindow = u"Minimise";
inline constexpr std::u16string_view closeWindow = u"Close";

inline constexpr std::u16string_view unexpectedFloatingPointStatus =
    u"Unexpected floating-point status.";

// The error's number, e.g. 13, and its title, e.g. "Type mismatch".
int errorNumber(ErrorCode code) noexcept;
const char* errorTitle(ErrorCode code) noexcept;

// A run-time error as the user reads it: the detail, or the error's own
// words when there is none, then "Run-time error <number>: <title>".
std::u16string errorReport(ErrorCode code, std::u16string_view detail);

// Why the text is not a number, and what to type instead.
std::u16string notANumber(std::u16string_view text, const NumberStop& stop);

std::u16string noSuchField(std::string_view field);
std::u16string fieldNotWritten(std::string_view field);

// Why a window or its descriptor cannot start, in UTF-8 for an exception.
std::string startupObjectIsNotTheWindow();
std::string clickBoundToNoButton(std::string_view control);
std::string buddyBroken(std::string_view label);
std::string noControlNamed(std::string_view control);
// Why a host cannot show the window's picture or icon of that name.
std::string missingPicture(std::string_view picture);
std::string missingIcon(std::string_view icon);

// What a failed start shows in its box and writes to standard error, on
// every host alike.
std::string startFailed(std::string_view reason);

} // namespace messages

} // namespace runtime
