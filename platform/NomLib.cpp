#include "platform/NomLib.h"

#include "core/ZunTypes.h"
#include "platform/MakerLibrary.h"
#include "platform/NomLibApi.h"

#include <initializer_list>
#include <utility>
#include <vector>

namespace orv {
namespace {


// The library's text buffers, filled from the caller's strings.
struct Texts {
    explicit Texts(std::initializer_list<const std::string*> in)
    {
        for (const std::string* s : in) {
            TFixedText t{};
            StrToFixedText(s ? *s : std::string(), t);
            buf.push_back(t);
        }
    }
    TFixedText* operator[](std::size_t i) { return &buf[i]; }
    std::string str(std::size_t i) const { return FixedTextToStr(buf[i]); }
    std::vector<TFixedText> buf;
};

template <typename Fn, typename Call>
bool CallNom(const char* entryName, Call&& call)
{
    return CallAttachedEntry<Fn>(QString::fromLatin1(NomLibraryName), NomAttachHostEntry, entryName,
                                 std::forward<Call>(call));
}

} // namespace

QString NomLibraryFile() { return MakerLibraryFile(QString::fromLatin1(NomLibraryName)); }

bool CallShowAllObcDlg(QObject* owner, TPoint& placeA, TPoint& placeB, int mode,
                       TLoadTableSettings& settings, std::string& s1, std::string& s2, double& a1,
                       double& a2, double& a3)
{
    return CallNom<ShowAllObcDlgFn>(ShowAllObcDlgEntry, [&](ShowAllObcDlgFn fn) {
        TPoint pa = placeA, pb = placeB;
        TLoadTableSettings st = settings;
        double r1 = a1, r2 = a2, r3 = a3;
        unsigned char unused = 0;
        Texts t{&s1, &s2, nullptr, nullptr};
        if (!fn(owner, &pa, &pb, mode, 1, 0, 0, 0, 0, &st.I1, &st.I2, &st.I3, &st.D1, &st.D2, &st.D3,
                -1.0, t[0], t[1], t[2], t[3], &r1, &r2, &r3, &unused))
            return false;
        placeA = pa;
        placeB = pb;
        settings = st;
        s1 = t.str(0);
        s2 = t.str(1);
        a1 = r1;
        a2 = r2;
        a3 = r3;
        return true;
    });
}

namespace {

template <typename Fn>
bool CallValueTable(const char* entry, QObject* owner, TPoint& placeA, TPoint& placeB,
                    std::string& s, double& v)
{
    return CallNom<Fn>(entry, [&](Fn fn) {
        TPoint pa = placeA, pb = placeB;
        double value = v;
        Texts t{&s};
        if (!fn(owner, &pa, &pb, t[0], &value)) return false;
        placeA = pa;
        placeB = pb;
        s = t.str(0);
        v = value;
        return true;
    });
}

} // namespace

bool CallShowConcreteObcDlg(QObject* owner, TPoint& placeA, TPoint& placeB, std::string& s,
                            double& v)
{
    return CallValueTable<ShowConcreteObcDlgFn>(ShowConcreteObcDlgEntry, owner, placeA, placeB, s, v);
}

bool CallShowWallsObcDlg(QObject* owner, TPoint& placeA, TPoint& placeB, std::string& s, double& v)
{
    return CallValueTable<ShowWallsObcDlgFn>(ShowWallsObcDlgEntry, owner, placeA, placeB, s, v);
}

bool CallShowWindWallLoadsDlg(QObject* owner, int mode, TLoadTableSettings& settings,
                              std::string& s1, std::string& s2, std::string& s3, std::string& s4,
                              double& a1, double& a2)
{
    return CallNom<ShowWindWallLoadsDlgFn>(ShowWindWallLoadsDlgEntry, [&](ShowWindWallLoadsDlgFn fn) {
        TLoadTableSettings st = settings;
        double r1 = a1, r2 = a2;
        Texts t{&s1, &s2, &s3, &s4};
        if (!fn(owner, mode, &st.I1, &st.I2, &st.I3, &st.D1, &st.D2, &st.D3, t[0], t[1], t[2], t[3],
                &r1, &r2))
            return false;
        settings = st;
        s1 = t.str(0);
        s2 = t.str(1);
        s3 = t.str(2);
        s4 = t.str(3);
        a1 = r1;
        a2 = r2;
        return true;
    });
}

bool CallShowWindAllWallLoadsDlg(QObject* owner, int mode, unsigned char& b,
                                 TLoadTableSettings& settings, std::string (&s)[6], double& a1,
                                 double& a2, double& a3)
{
    return CallNom<ShowWindAllWallLoadsDlgFn>(ShowWindAllWallLoadsDlgEntry,
                                              [&](ShowWindAllWallLoadsDlgFn fn) {
        TLoadTableSettings st = settings;
        unsigned char both = b;
        double r1 = a1, r2 = a2, r3 = a3;
        Texts t{&s[0], &s[1], &s[2], &s[3], &s[4], &s[5]};
        if (!fn(owner, mode, 1, &both, &st.I1, &st.I2, &st.I3, &st.D1, &st.D2, &st.D3, t[0], t[1],
                t[2], t[3], t[4], t[5], &r1, &r2, &r3))
            return false;
        settings = st;
        b = both;
        for (std::size_t i = 0; i < 6; ++i) s[i] = t.str(i);
        a1 = r1;
        a2 = r2;
        a3 = r3;
        return true;
    });
}

bool CallShowObcZmienneDlg(QObject* owner, int mode, TLoadTableSettings& settings, std::string& s1,
                           std::string& s2, double& a1, double& a2, double& a3)
{
    return CallNom<ShowObcZmienneDlgFn>(ShowObcZmienneDlgEntry, [&](ShowObcZmienneDlgFn fn) {
        TLoadTableSettings st = settings;
        double r1 = a1, r2 = a2, r3 = a3;
        Texts t{&s1, &s2};
        if (!fn(owner, mode, &st.I1, &st.I2, &st.I3, &st.D1, &st.D2, &st.D3, t[0], t[1], &r1, &r2,
                &r3))
            return false;
        settings = st;
        s1 = t.str(0);
        s2 = t.str(1);
        a1 = r1;
        a2 = r2;
        a3 = r3;
        return true;
    });
}

bool CallShowObcStaleDlg(QObject* owner, int mode, TLoadTableSettings& settings, std::string& s1,
                         std::string& s2, double& a1, double& a2)
{
    return CallNom<ShowObcStaleDlgFn>(ShowObcStaleDlgEntry, [&](ShowObcStaleDlgFn fn) {
        TLoadTableSettings st = settings;
        double r1 = a1, r2 = a2;
        Texts t{&s1, &s2};
        if (!fn(owner, mode, &st.I1, &st.I2, &st.I3, &st.D1, &st.D2, &st.D3, t[0], t[1], &r1, &r2))
            return false;
        settings = st;
        s1 = t.str(0);
        s2 = t.str(1);
        a1 = r1;
        a2 = r2;
        return true;
    });
}

bool CallShowSoilLoadDlg(QObject* owner, std::string& s, double& v)
{
    return CallNom<ShowSoilLoadDlgFn>(ShowSoilLoadDlgEntry, [&](ShowSoilLoadDlgFn fn) {
        double value = v;
        Texts t{&s};
        if (!fn(owner, t[0], &value)) return false;
        s = t.str(0);
        v = value;
        return true;
    });
}

} // namespace orv
