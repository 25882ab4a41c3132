// The program's side of the load-tables library ("nomlib"): one wrapper per
// entry point. Each loads the library beside the program, attaches it to the
// program's settings store and message box, calls the entry point on copies
// of the caller's texts and numbers and frees the library. Only a confirmed
// call (true) writes the copies back; a cancelled one leaves the caller's
// variables as they were. A missing library or entry point is reported
// ("Nie można uruchomić tej funkcji!", naming the file looked for) and the
// call answers false.
#pragma once

#include <QString>

#include <string>

#include "core/MyUtils.h"

class QObject;

namespace orv {

// The load-table settings the library keeps per element (I1..I3, D1..D3).
struct TLoadTableSettings {
    int I1 = 0, I2 = 0, I3 = 0;
    double D1 = 0, D2 = 0, D3 = 0;
};

// The file the load-tables library is looked for as.
QString NomLibraryFile();

bool CallShowAllObcDlg(QObject* owner, TPoint& placeA, TPoint& placeB, int mode,
                       TLoadTableSettings& settings, std::string& s1, std::string& s2, double& a1,
                       double& a2, double& a3);
bool CallShowConcreteObcDlg(QObject* owner, TPoint& placeA, TPoint& placeB, std::string& s,
                            double& v);
bool CallShowWallsObcDlg(QObject* owner, TPoint& placeA, TPoint& placeB, std::string& s, double& v);
bool CallShowWindWallLoadsDlg(QObject* owner, int mode, TLoadTableSettings& settings,
                              std::string& s1, std::string& s2, std::string& s3, std::string& s4,
                              double& a1, double& a2);
bool CallShowWindAllWallLoadsDlg(QObject* owner, int mode, unsigned char& b,
                                 TLoadTableSettings& settings, std::string (&s)[6], double& a1,
                                 double& a2, double& a3);
bool CallShowObcZmienneDlg(QObject* owner, int mode, TLoadTableSettings& settings, std::string& s1,
                           std::string& s2, double& a1, double& a2, double& a3);
bool CallShowObcStaleDlg(QObject* owner, int mode, TLoadTableSettings& settings, std::string& s1,
                         std::string& s2, double& a1, double& a2);
bool CallShowSoilLoadDlg(QObject* owner, std::string& s, double& v);

} // namespace orv
