// The entry points of the load-tables library ("nomlib"), shared by the
// library and the program that loads it. Owner is the QObject* of the calling
// window (may be null). Texts travel as TFixedText buffers; every other
// number is passed by address and the library may write it, on cancel too
// (it remembers its settings and dialog places there). Every entry point
// catches what it raises and answers false then.
#pragma once

#include "core/MyUtils.h"
#include "core/ZunTypes.h"

namespace orv {
class ISettingsStore;
class IMessageService;
} // namespace orv

extern "C" {

// Called after each load, before any other entry point.
using NomAttachHostFn = void (*)(orv::ISettingsStore* settings, orv::IMessageService* messages);

using ShowAllObcDlgFn = bool (*)(void* owner, orv::TPoint* placeA, orv::TPoint* placeB, int mode,
                                 int c1, int c2, int c3, int c4, int c5, int* i1, int* i2, int* i3,
                                 double* d1, double* d2, double* d3, double c6, orv::TFixedText* s1,
                                 orv::TFixedText* s2, orv::TFixedText* e1, orv::TFixedText* e2,
                                 double* a1, double* a2, double* a3, unsigned char* unused);
using ShowConcreteObcDlgFn = bool (*)(void* owner, orv::TPoint* placeA, orv::TPoint* placeB,
                                      orv::TFixedText* s, double* v);
using ShowWallsObcDlgFn = bool (*)(void* owner, orv::TPoint* placeA, orv::TPoint* placeB,
                                   orv::TFixedText* s, double* v);
using ShowWindWallLoadsDlgFn = bool (*)(void* owner, int mode, int* i1, int* i2, int* i3, double* d1,
                                        double* d2, double* d3, orv::TFixedText* s1,
                                        orv::TFixedText* s2, orv::TFixedText* s3,
                                        orv::TFixedText* s4, double* a1, double* a2);
using ShowWindAllWallLoadsDlgFn = bool (*)(void* owner, int mode, int c1, unsigned char* b, int* i1,
                                           int* i2, int* i3, double* d1, double* d2, double* d3,
                                           orv::TFixedText* s1, orv::TFixedText* s2,
                                           orv::TFixedText* s3, orv::TFixedText* s4,
                                           orv::TFixedText* s5, orv::TFixedText* s6, double* a1,
                                           double* a2, double* a3);
using ShowObcZmienneDlgFn = bool (*)(void* owner, int mode, int* i1, int* i2, int* i3, double* d1,
                                     double* d2, double* d3, orv::TFixedText* s1,
                                     orv::TFixedText* s2, double* a1, double* a2, double* a3);
using ShowObcStaleDlgFn = bool (*)(void* owner, int mode, int* i1, int* i2, int* i3, double* d1,
                                   double* d2, double* d3, orv::TFixedText* s1, orv::TFixedText* s2,
                                   double* a1, double* a2);
using ShowSoilLoadDlgFn = bool (*)(void* owner, orv::TFixedText* s, double* v);

} // extern "C"

namespace orv {

inline constexpr const char* NomLibraryName = "nomlib";
inline constexpr const char* NomAttachHostEntry = "NomAttachHost";
inline constexpr const char* ShowAllObcDlgEntry = "ShowAllObcDlg";
inline constexpr const char* ShowConcreteObcDlgEntry = "ShowConcreteObcDlg";
inline constexpr const char* ShowWallsObcDlgEntry = "ShowWallsObcDlg";
inline constexpr const char* ShowWindWallLoadsDlgEntry = "ShowWindWallLoadsDlg";
inline constexpr const char* ShowWindAllWallLoadsDlgEntry = "ShowWindAllWallLoadsDlg";
inline constexpr const char* ShowObcZmienneDlgEntry = "ShowObcZmienneDlg";
inline constexpr const char* ShowObcStaleDlgEntry = "ShowObcStaleDlg";
inline constexpr const char* ShowSoilLoadDlgEntry = "ShowSoilLoadDlg";

} // namespace orv
