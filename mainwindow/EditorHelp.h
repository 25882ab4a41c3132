// The what's-this texts of the element editor's input fields, one table by
// control name, and the editor's link to the basement-wall annex.
#pragma once

#include <span>

class QWidget;

namespace orv {

struct TFieldHelp {
    const char* name; // control name
    const char* text; // shown by F1, Shift+F1 and "Co to jest?"
};

std::span<const TFieldHelp> EditorFieldHelp();

// Gives every control of the editor named in the table its text, and makes
// the label "ZalacznikA" open the help topic of the annex when clicked.
void ApplyEditorHelp(QWidget* editor);

} // namespace orv
