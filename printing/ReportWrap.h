// The report's word wrap: a text of the report mark-up cut into the lines
// it takes in a width, in time about linear in the text's length.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace orv {

// The codes the printed report draws ("%N", "%B", "%D", "%I", "%S", "%U",
// "%n"); a "%" before anything else is text.
bool IsPrintCode(char c);

// A text of the report mark-up cut into the lines it takes in `avail`
// pixels as `width` measures them, broken after the last blank that fits
// (an ASCII blank: a no-break space holds a value to its unit).
// `width` measures mark-up as MarkupTextWidth does: codes take no room and
// a text is as wide as its runs together, each run measured on its own in
// the style the codes before it set (bold, underline, Symbol, shifted by
// any sub- or superscript code alike: "%N" ends them), a run after a sub- or
// superscript code or before one to its glyphs' edge; a longer text is never
// narrower than the text it starts with, but for a "%" that a code's letter
// follows. The text is handed to `width` in pieces, each a few times over (a
// long stretch without codes as often as bisecting it takes).
// Every line takes at least one character besides its codes (more than fit
// when not one does), never cuts a code, and the lines after the first start
// with the codes still in force, each once. With avail < 1 the text is one
// line.
std::vector<std::string> WrapReportText(const std::string& text, int avail,
                                        const std::function<int(const std::string&)>& width);

} // namespace orv
