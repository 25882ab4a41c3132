#include "core/ZunTypes.h"

#include <cstring>

#include "core/ZunCaseSetup.h"

namespace orv {

const char* const ExecutionCategoryText[2] = {
    "Roboty murarskie wykonuje należycie wyszkolony zespół pod nadzorem mistrza murarskiego, "
    "stosuje się zaprawy produkowane fabrycznie, a jeżeli zaprawy wytwarzane są na budowie, "
    "kontroluje się dozowanie składników, a także wytrzymałość zaprawy, a jakość robót "
    "kontroluje inspektor nadzoru inwestorskiego",
    "Podczas wykonywania robót na budowie nie są spełnione warunki określające kategorię A",
};

void StrToFixedText(const std::string& utf8, TFixedText& t)
{
    std::memset(t.Chars, ' ', sizeof t.Chars);
    std::string cp = Utf8ToCp1250(utf8);
    if (cp.size() > sizeof t.Chars) cp.resize(sizeof t.Chars);
    std::memcpy(t.Chars, cp.data(), cp.size());
    t.Length = static_cast<i32>(cp.size());
}

std::string FixedTextToStr(const TFixedText& t)
{
    i32 n = t.Length;
    if (n <= 0) return {};
    if (n > 512) n = 512;
    return Cp1250ToUtf8(std::string(t.Chars, static_cast<std::size_t>(n)));
}

void InitElementRecord(TCalcInput& in)
{
    // 1. geometry, loads, wind texts
    in.Case = ccWallVerticalHinged;
    in.t = 25; in.t2 = 25; in.h = 300; in.l = 100;
    in.def_szer_wiencow = 0;
    in.ag = 25; in.ad = 25;
    in.Nod = 0; in.Nsld = 0; in.Nspd = 0; in.wd = 0;
    in.wd2 = 0;
    for (u8& f : in.WindFlags) f = 1;
    in.wd_kNm2 = 0;
    in.wylicz_Gs = 1;
    for (TFixedText& t : in.WindText) StrToFixedText({}, t);

    // 2. wind-table hand-back values
    for (i32& v : in.WindTableInt) v = 0;
    for (f64& v : in.WindTableValue) v = -1.0;
    in.WindTableWidth = in.l / 100;
    in.WindTableFlag = 1;

    // 3. enumerations and switches
    in.UsztywnienieSciany = 0;
    in.RodzajKonstrSciany = 0;
    in.RodzajStropow = 0;
    in.ScianaNajwyzszejKodnygnacji = 0;
    in.ScianaZewnetrzna = 1;
    in.fb = 10;
    in.OgolnaDefElementu = 1;
    in.RodzajElementuM = mkCeramic1;
    in.KategoriaWykRobot = 1;
    in.KategoriaWykElementu = 0;
    in.sytuacja = 0;
    in.RodzajZaprawy = mtGeneral;
    in.KlasaZaprawy = 2;
    in.ZaprawaTyp = 0;
    in.UserElement.set("Cegła ceramiczna pełna kl.10");
    in.stal.Znak.set("34GS");
    in.beton = 2;
    in.ro_muru_text.set("stałe@@Tabela@@5@@0@@poz@@33@@_HLB@@000@@H0@@100@@A0@@3000@@B0@@3000@@M@@100@@000");
    in.ro_muru = 18;
    in.gf_muru = 1.1;

    // 4. self weights
    in.Gs = ComputedWallWeight(in);
    in.Gs_mb = ComputedBasementWeight(in);
    in.Gs_s = ComputedColumnWeight(in);

    // 5. joint of the continuous model
    in.J2 = in.J5 = in.t * in.t * in.t * in.l / 12;
    in.J3 = in.J4 = in.J6 = in.J7 = 0;
    in.h2 = 300; in.l3 = 600; in.l4 = 600; in.h5 = 300; in.l6 = 600; in.l7 = 600;
    in.E2 = 0; in.E3 = 29; in.E4 = 29; in.E5 = 0; in.E6 = 29; in.E7 = 29;
    in.g3d = in.g4d = in.g6d = in.g7d = 0;
    in.p3d = in.p4d = in.p6d = in.p7d = 0;
    for (int k = 0; k < 4; ++k) {
        StrToFixedText({}, in.pText[k]);
        StrToFixedText({}, in.gText[k]);
        in.SlabGammaF[k] = 1.2;
    }
    in.zezwolB25 = 0;
    in.IdentyczneParametryScian = 1;

    // 6. units of the walls above and below
    in.ElementE2.RodzajElementu = static_cast<i32>(in.RodzajElementuM);
    in.ElementE2.KlasaZaprawy = static_cast<i32>(in.KlasaZaprawy);
    in.ElementE2.RodzajZaprawy = static_cast<i32>(in.RodzajZaprawy);
    in.ElementE2.fb = in.fb;
    in.ElementE2.OgolnaDef = in.OgolnaDefElementu;
    in.ElementE2.Nazwa = in.UserElement;
    in.ElementE5 = in.ElementE2;

    // 7. case 2 and the concentrated loads
    in.Reserved12[0] = 1; in.Reserved12[1] = 1;
    in.Reserved13[0] = 0; in.Reserved13[1] = 0;
    in.SchematScianyTyp = 2;
    in.SchematPlytySciany = 0;
    in.ScianaZOtworami = 0;
    in.LiczbaOkien = 0;
    in.LiczbaSilSkup = 1;
    static constexpr f64 kDistance[3] = {20, 50, 70};
    for (int k = 0; k < 3; ++k) {
        in.Sily[k].NSd = 0;
        in.Sily[k].aL = 20;
        in.Sily[k].aT = 25;
        in.Sily[k].a1 = kDistance[k];
        in.Sily[k].hN = 0;
    }

    // 8. basement wall
    in.N0_mb = 0; in.he = 200; in.be = 600; in.ro_e = 18.5;
    in.BasementReserved[0] = 5.0; in.BasementReserved[1] = 0; in.BasementReserved[2] = 1.5;
    StrToFixedText({}, in.ro_e_text);
    in.Reserved16 = 150.0;

    // 9. pier
    in.PodpSTyp_x = 0; in.PodpSTyp_y = 0;
    in.Msdx = 0; in.Msdy = 0;
    in.MsdxDef = 0; in.MsdyDef = 0;
    in.l_usztw = 100;
    in.ex = 0; in.ey = 0;
    in.Reserved17 = 0; in.spoina_podluzna = 0; in.Reserved18 = 0;
    for (int k = 0; k < 6; ++k) {
        StrToFixedText({}, in.ForceText[k]);
        in.ForceGammaF[k] = 1.2;
    }
    in.Reserved9 = 0;
    for (f64& v : in.Reserved10) v = 0;
    std::memset(in.Reserved11, 0, sizeof in.Reserved11);

    // 10. first slab record, second wind texts
    TSlabRecord& s = in.Stropy[0];
    s.Flag0 = 0; s.Flag1 = 1; s.Flag2 = 0;
    s.Nazwa.set("Płyta żelbetowa gr.15 cm");
    s.J = 28125.0;
    s.Width = 100.0;
    for (TFixedText& t : in.WindText2) StrToFixedText({}, t);
    std::memset(in.Reserved6, 0, sizeof in.Reserved6);
}

void InitProjectHeader(const std::string& name, TProjectHeader& header)
{
    header.FirstPage = 1;
    header.PageCount = 100;
    header.Author.set(name);
    header.Title.set({});
    header.Object.set({});
    header.ProjectNumber.set({});
    header.CommentPlace = 0;
    static constexpr u8 kParts[8] = {1, 1, 1, 1, 0, 1, 1, 1};
    for (int i = 0; i < 8; ++i) header.PrintParts[i] = kParts[i];
}

void InitLoadCompilation(TLoadCompilation& l)
{
    l.TakeFromElement = 1;
    l.StoreyCount = 1;
    l.kond_powtrz = 1;
    l.b = 1.5;
    l.bUnit = 0;
    l.CurrentStorey = 1;
    l.F_dach = 0;
    for (int s = 0; s < MaxStoreys; ++s) {
        l.h[s] = 3.0;
        l.t[s] = 0.25;
        l.bs[s] = l.b;
        l.Q3[s] = 0;
        l.Unit_h[s] = l.Unit_bs[s] = l.Unit_t[s] = 0;
        l.Unit_lo_L[s] = l.Unit_lo_P[s] = l.Unit_hw[s] = l.Unit_tw[s] = 0;
        std::memset(&l.Block[s], 0, sizeof l.Block[s]);
        l.lo_L[s] = 6.0;
        l.lo_P[s] = 6.0;
        l.strop_L[s] = 1;
        l.strop_P[s] = 1;
        l.wieniec[s] = 1;
        l.SwitchReserved[s] = 0;
        l.Q6[s] = 1.2;
        l.Q7[s] = 1.2;
        l.GsTyp[s] = 0;
        l.ro[s] = 0;
        l.gf_muru[s] = 1.2;
        l.Gs[s] = 0;
        l.GwTyp[s] = 0;
        l.ro_w[s] = 24.0;
        l.gf_w[s] = 1.2;
        l.tw[s] = 0.25;
        l.hw[s] = 0.25;
        l.twTyp[s] = 0;
        l.bs_ind[s] = 0;
        l.Gw[s] = l.tw[s] * l.hw[s] * l.ro_w[s] * l.gf_w[s];
        StrToFixedText({}, l.pPText[s]);
        StrToFixedText({}, l.pLText[s]);
        StrToFixedText({}, l.roText[s]);
        StrToFixedText({}, l.ro_wText[s]);
        StrToFixedText({}, l.gLText[s]);
        StrToFixedText({}, l.gPText[s]);
    }
}

} // namespace orv
