// The entry points of the editor library ("jollib"), shared by the library
// and the program that loads it. Owner is the QObject* of the calling window
// (may be null); x and y point at the dialog's place, (-1, -1) before its
// first showing, which the library writes back. Every entry point catches
// what it raises and answers false then.
#pragma once

namespace orv {
class ISettingsStore;
class IMessageService;
} // namespace orv

extern "C" {

// Called after each load, before any other entry point: the library keeps
// its settings in the program's store and shows its messages through the
// program's message box.
using JolAttachHostFn = void (*)(orv::ISettingsStore* settings, orv::IMessageService* messages);
// The "Printing" settings; true when confirmed.
using ShowPrintingJolFn = bool (*)(void* owner, int* x, int* y);
// The "Word" settings of the editor export; true when confirmed.
using ShowWordInsertJolFn = bool (*)(void* owner, int* x, int* y);
// Opens the file (UTF-8 path) in the user's editor; true when it was handed over.
using Export2RTFFn = bool (*)(void* owner, const char* path);
// The fonts of the results text and of the calculation trace ("Parametrs");
// true when confirmed.
using ShowFontJolFn = bool (*)(void* owner, int* x, int* y);
// The drawing colours ("Colors"); true when confirmed.
using ShowColorJolFn = bool (*)(void* owner, int mode, int* x, int* y);

} // extern "C"

namespace orv {

inline constexpr const char* JolLibraryName = "jollib";
inline constexpr const char* JolAttachHostEntry = "JolAttachHost";
inline constexpr const char* ShowPrintingJolEntry = "ShowPrintingJol";
inline constexpr const char* ShowWordInsertJolEntry = "ShowWordInsertJol";
inline constexpr const char* Export2RTFEntry = "Export2RTF";
inline constexpr const char* ShowFontJolEntry = "ShowFontJol";
inline constexpr const char* ShowColorJolEntry = "ShowColorJol";

} // namespace orv
