// The 37 colours of all scheme drawings, stored under the maker's key in the
// "Colors" section, with a black-and-white set for output without colour.
#pragma once

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "drawing/Canvas.h"
#include "core/MyUtils.h"

class QObject;

namespace orv {

constexpr int DrawingColorCount = 37;
using TDrawingColors = std::array<TColor, DrawingColorCount>;

// Slots drawn by name.
enum : int {
    dcMoment = 4, dcDistributedLoad = 5, dcForce = 6, dcReactions = 9, dcSection = 23,
    dcView = 24, dcButtonFace = 32, dcColumnOutline = 33, dcColumnFill = 34,
    dcMasonryOutline = 35, dcMasonryFill = 36
};

// Stored value name of a slot ("" for slot 32, which is never stored).
std::string DrawingColorName(int slot);
// The slot's name shown to the user.
std::string DrawingColorCaption(int slot);
TColor DrawingColorDefault(int slot);
// Slots with a stored value of their own, in slot order (31 shares "Wymiary"
// with 3 and 32 is not stored).
std::vector<int> EditableColorSlots();

void ReadDrawingColors(TDrawingColors& colors);
// Writes every stored slot to the "Colors" section.
void WriteDrawingColors(const TDrawingColors& colors);
// Lines black, fills white.
void SetMonochromeColors(TDrawingColors& colors);

// The colour editor: shows the stored set, writes it to the "Colors" section
// on OK and returns true then; it may move itself and write back its place.
using ColorEditorFunction = std::function<bool(QObject* owner, int mode, TPoint& place)>;
// Binds the editor (an empty function unbinds); returns the previous one.
ColorEditorFunction BindColorEditor(ColorEditorFunction editor);

// Runs the editor; true when the colours were changed, Colors then holds the
// stored set. Without an editor the user is told so and Colors stays.
bool EditDrawingColors(QObject* owner, int mode, const std::string& dir, TDrawingColors& colors,
                       TPoint& place);

} // namespace orv
