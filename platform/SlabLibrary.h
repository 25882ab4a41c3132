// The slab library beside the program ("libwub.so"): the second moment of
// area of a floor slab and the start values of a slab block. It is loaded by
// file name for each call and freed after it; without it the slab fields
// are typed by hand.
#pragma once

#include <QString>

#include <array>
#include <string>

#include "core/ProjectSession.h"

namespace orv {

// The library's file name on this platform.
QString SlabLibraryFileName();
// The file looked for (in the maker's library folder, platform/MakerLibrary.h).
QString SlabLibraryPath();
// The details of the message of a missing library, naming the file looked for.
std::string SlabLibraryMissingDetails();

// One call of the slab dialog, on copies of the element's data.
struct TSlabLibraryCall {
    double b = 0;                     // wall width [cm], by value
    double A = 0;                     // area, not read
    double J = 0;                     // [cm4], set on OK
    std::array<double, 20> block{};   // the slab block; doubles 0 and 1 are the dialog's settings
    unsigned char flag = 0;
};

enum class TSlabLibraryResult { Confirmed, Cancelled, Missing };

// Runs "ShowWub3" with the call's copies; owner is the window the dialog
// belongs to (a QWidget).
TSlabLibraryResult ShowSlabLibraryDialog(void* owner, TSlabLibraryCall& call);
// "GetStartValuesOfData": false when the library or its export is missing.
bool SlabLibraryStartValues(std::array<double, 20>& block);
// The session's hook for the slab start values of a new element.
ProjectSession::SlabStartHook SlabStartValuesHook();

} // namespace orv
