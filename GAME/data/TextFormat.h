#pragma once
// Texts from the tables are translated by hand, and some of them are printf formats. Before such
// a text reaches a formatting function its conversions are compared with the ones the game
// passes arguments for, so a stray "%s" or "%n" can never read or write through a bad pointer.
#include <optional>
#include <string>

namespace GAME {

// The arguments a printf format consumes, one comma-separated item per argument ("i" for an
// int, "s" for a string, "f" for a double, "p" for a pointer, with a length prefix where one is
// given: "li", "lli", ...). Empty for a text without conversions ("%%" is none). Nullopt when
// the text is no format the game would pass to printf: an unknown or unfinished conversion,
// "%n", or positional arguments ("%1$s").
std::optional<std::string> FormatSignature(const char* text);

// True when `text` takes exactly the arguments `reference` takes (flags, widths and
// precisions may differ; a "*" width is an int argument).
bool SameConversions(const char* text, const char* reference);

// printf-style formatting of a text that may come from a file: when `text` is null or does not
// take the arguments of `reference`, `reference` itself is formatted instead. The compiler
// checks the arguments against `reference`, so pass a literal with the intended conversions,
// for example FormatChecked(chTEXT_PUZZLE_SCORE_UP, "%i", score).
std::string FormatChecked(const char* text, const char* reference, ...)
    __attribute__((format(printf, 2, 3)));

} // namespace GAME
