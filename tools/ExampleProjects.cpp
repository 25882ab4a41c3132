#include "tools/ExampleProjects.h"

#include <algorithm>
#include <cstring>
#include <filesystem>

#include "core/ZELBET_PN99.h"
#include "core/ZunCalc.h"
#include "core/ZunEditor.h"
#include "core/ZunProject.h"

namespace orv {

namespace {

constexpr int MortarM5 = 2;
constexpr int MortarM10 = 3;

struct ProjectTexts {
    const char* title;
    const char* object;
    const char* number;
};

// A zero-filled element with the defaults of a new element, the project
// header and the load compilation; the steel grade from the catalogue.
TProjectElement NewElement(const ProjectTexts& project, const char* name, const char* description,
                           TCalcCase calcCase)
{
    TProjectElement e;
    std::memset(&e, 0, sizeof e);
    e.Name.set(name);
    e.Description.set(description);

    TCalcInput& in = e.Input;
    InitElementRecord(in);
    in.Case = calcCase;
    const TSteelCatalogue steel;
    steel.getStalZbrojeniowa(in.stal.Znak.str(), in.stal);

    TProjectHeader& h = e.Header;
    InitProjectHeader("mgr inż. Jan Kowalski", h);
    for (int i = 0; i < 10; ++i) h.FigureSize[i] = i % 2 == 0 ? 10.0 : 8.0;
    h.Title.set(project.title);
    h.Object.set(project.object);
    h.ProjectNumber.set(project.number);
    h.CommentPlace = 1;

    InitLoadCompilation(e.Loads);
    return e;
}

// The unit and mortar of the wall (general definition, general-purpose
// mortar), also for the walls above and below.
void SetMasonry(TCalcInput& in, TMaterialKind kind, double fb, int mortarClass, const char* unit)
{
    in.RodzajElementuM = static_cast<u32>(kind);
    in.fb = fb;
    in.KlasaZaprawy = static_cast<u32>(mortarClass);
    in.RodzajZaprawy = mtGeneral;
    in.OgolnaDefElementu = 1;
    in.UserElement.set(unit);
    TElementMurowy m = in.ElementE2;
    m.RodzajElementu = kind;
    m.KlasaZaprawy = mortarClass;
    m.RodzajZaprawy = mtGeneral;
    m.fb = fb;
    m.OgolnaDef = 1;
    m.Nazwa.set(unit);
    in.ElementE2 = m;
    in.ElementE5 = m;
}

// Thickness, width and height of a wall [cm]; unit weight of the masonry [kN/m3].
void SetGeometry(TCalcInput& in, double t, double l, double h, double density)
{
    in.t = t;
    in.l = l;
    in.h = h;
    if (density != in.ro_muru) in.ro_muru_text.set("");
    in.ro_muru = density;
    in.WindTableWidth = l / 100;
    ComputeSelfWeights(in);
}

const ProjectTexts House = {
    "Ściany parteru budynku jednorodzinnego",
    "Budynek mieszkalny jednorodzinny, ul. Lipowa 12",
    "PB-01/K",
};

TExampleProject Example1()
{
    TExampleProject p;
    p.FileName = "Przykład 1.clcm";
    p.Comments = {
        "Przykład 1: ściany parteru budynku jednorodzinnego, podpiwniczonego, z poddaszem użytkowym.",
        "Stropy żelbetowe gęstożebrowe i płytowe, wieńce żelbetowe na każdej kondygnacji.",
        "Obciążenia obliczeniowe zebrano z kondygnacji wyższych i z dachu na pasmo ściany szerokości 1 m.",
    };

    {
        TProjectElement e = NewElement(House, "Ściana zewnętrzna osi A",
                                       "Ściana zewnętrzna parteru z pustaków ceramicznych gr. 25 cm "
                                       "na zaprawie M10, pasmo 1 m, strop od strony wewnętrznej.",
                                       ccWallVerticalHinged);
        TCalcInput& in = e.Input;
        SetMasonry(in, mkCeramic2, 15, MortarM10, "Pustak ceramiczny drążony kl.15");
        SetGeometry(in, 25, 100, 280, 11.0);
        in.ScianaZewnetrzna = 1;
        in.Nod = 48.0;
        in.Nsld = 27.5;
        in.wd = -0.45;
        in.wd2 = 0.55;
        p.Elements.push_back(e);
    }
    {
        TProjectElement e = NewElement(House, "Ściana wewnętrzna nośna osi B",
                                       "Ściana wewnętrzna z bloków silikatowych gr. 18 cm na zaprawie M10, "
                                       "stropy o rozpiętościach 5,4 m i 4,8 m z obu stron.",
                                       ccWallVerticalHinged);
        TCalcInput& in = e.Input;
        SetMasonry(in, mkSilicate1, 20, MortarM10, "Blok silikatowy pełny kl.20");
        SetGeometry(in, 18, 100, 280, 19.0);
        in.ScianaZewnetrzna = 0;
        in.Nod = 72.0;
        in.Nsld = 30.5;
        in.Nspd = 26.0;
        p.Elements.push_back(e);
    }
    {
        TProjectElement e = NewElement(House, "Ściana zewnętrzna osi D (model ciągły)",
                                       "Ściana zewnętrzna gr. 30 cm z pustaków ceramicznych, połączona "
                                       "sztywno ze stropami płytowymi gr. 15 cm o rozpiętości 5,4 m.",
                                       ccWallVerticalContinuous);
        TCalcInput& in = e.Input;
        SetMasonry(in, mkCeramic2, 15, MortarM10, "Pustak ceramiczny drążony kl.15");
        SetGeometry(in, 30, 100, 280, 11.0);
        in.ScianaZewnetrzna = 1;
        in.Nod = 82.0;
        in.wd = -0.45;
        in.wd2 = 0.55;
        // The walls above and below: the same masonry, one storey high.
        const double E = MasonryModulusE(mkCeramic2, MortarM10, mtGeneral, 15) / 1e9;
        const double J = 30.0 * 30.0 * 30.0 * 100.0 / 12;
        in.J2 = J;
        in.J5 = J;
        in.E2 = E;
        in.E5 = E;
        in.h2 = 280;
        in.h5 = 280;
        // Slabs 15 cm thick over 5.4 m: J = 100 x 15^3/12 = 28125 cm4, concrete 29 GPa.
        in.J3 = 28125;
        in.J6 = 28125;
        in.E3 = 29;
        in.E6 = 29;
        in.l3 = 540;
        in.l6 = 540;
        in.g3d = 6.6;
        in.p3d = 3.2;
        in.g6d = 6.6;
        in.p6d = 3.2;
        p.Elements.push_back(e);
    }
    {
        TProjectElement e = NewElement(House, "Ściana pod podciągiem osi C",
                                       "Oparcie podciągu żelbetowego 25 x 40 cm na ścianie z cegły "
                                       "pełnej gr. 25 cm, reakcja obliczeniowa 95 kN.",
                                       ccConcentratedLoad);
        TCalcInput& in = e.Input;
        SetMasonry(in, mkCeramic1, 15, MortarM10, "Cegła ceramiczna pełna kl.15");
        SetGeometry(in, 25, 250, 280, 18.0);
        in.LiczbaSilSkup = 1;
        TConcentratedLoad f = in.Sily[0];
        f.NSd = 95.0;
        f.aL = 25;
        f.aT = 25;
        f.a1 = 125;
        f.hN = 0;
        in.Sily[0] = f;
        p.Elements.push_back(e);
    }
    {
        TProjectElement e = NewElement(House, "Ściana szczytowa poddasza osi 1",
                                       "Ściana szczytowa najwyższej kondygnacji z pustaków ceramicznych "
                                       "gr. 25 cm, obciążona murłatą i stropem nad poddaszem.",
                                       ccWallVerticalHinged);
        TCalcInput& in = e.Input;
        SetMasonry(in, mkCeramic2, 10, MortarM5, "Pustak ceramiczny drążony kl.10");
        SetGeometry(in, 25, 100, 260, 11.0);
        in.ScianaZewnetrzna = 1;
        in.ScianaNajwyzszejKodnygnacji = 1;
        in.Nod = 9.5;
        in.Nsld = 14.0;
        in.wd = -0.60;
        in.wd2 = 0.70;
        p.Elements.push_back(e);
    }
    return p;
}

const ProjectTexts Villa = {
    "Ściany piwnic i filary budynku jednorodzinnego",
    "Budynek mieszkalny jednorodzinny, ul. Lipowa 12",
    "PB-02/K",
};

TExampleProject Example2()
{
    TExampleProject p;
    p.FileName = "Przykład 2.clcm";
    p.Comments = {
        "Przykład 2: ściana z otworami okiennymi obciążona wiatrem, ściana piwnicy",
        "obciążona parciem gruntu oraz murowany filar międzyokienny (słup).",
    };

    {
        TProjectElement e = NewElement(Villa, "Ściana z otworami okiennymi osi 3",
                                       "Ściana osłonowa gr. 25 cm z dwoma oknami 90 x 135 cm, rozpięta "
                                       "poziomo między ścianami poprzecznymi, parcie wiatru 0,50 kN/m2.",
                                       ccWallHorizontal);
        TCalcInput& in = e.Input;
        SetMasonry(in, mkCeramic2, 15, MortarM10, "Pustak ceramiczny drążony kl.15");
        SetGeometry(in, 25, 360, 280, 11.0);
        in.KategoriaWykRobot = 0; // category A: factory-made mortar of a designed class
        in.ZaprawaTyp = 1;
        in.wd_kNm2 = 0.50;
        in.SchematScianyTyp = 0;  // horizontal beam, hinged at the cross walls
        in.ScianaZOtworami = 1;
        in.LiczbaOkien = 2;
        in.Okna[0] = TOpening{60, 85, 90, 135};
        in.Okna[1] = TOpening{210, 85, 90, 135};
        p.Elements.push_back(e);
    }
    {
        TProjectElement e = NewElement(Villa, "Ściana piwnicy osi A",
                                       "Ściana piwnicy z bloczków betonowych gr. 38 cm, naziom 1,7 m, "
                                       "ściany poprzeczne co 6,0 m.",
                                       ccBasementWall);
        TCalcInput& in = e.Input;
        SetMasonry(in, mkConcrete1, 15, MortarM10, "Bloczek betonowy pełny kl.15");
        SetGeometry(in, 38, 100, 250, 22.0);
        in.N0_mb = 65.0;
        in.he = 170;
        in.be = 600;
        in.ro_e = 18.5;
        p.Elements.push_back(e);
    }
    {
        TProjectElement e = NewElement(Villa, "Filar międzyokienny – słup murowany",
                                       "Słup z cegły pełnej 38 x 51 cm między oknami parteru, "
                                       "obciążony podciągiem i stropem.",
                                       ccColumn);
        TCalcInput& in = e.Input;
        SetMasonry(in, mkCeramic1, 15, MortarM10, "Cegła ceramiczna pełna kl.15");
        SetGeometry(in, 38, 100, 280, 18.0);
        in.t2 = 51;
        ComputeSelfWeights(in);
        TConcentratedLoad f = in.Sily[0];
        f.NSd = 220.0;
        in.Sily[0] = f;
        in.Msdx = 3.0;
        in.Msdy = 1.5;
        in.PodpSTyp_x = 1; // reinforced-concrete members at the top
        in.PodpSTyp_y = 1;
        p.Elements.push_back(e);
    }
    return p;
}

} // namespace

std::vector<TExampleProject> BuildExampleProjects()
{
    std::vector<TExampleProject> projects;
    projects.push_back(Example1());
    projects.push_back(Example2());
    return projects;
}

TElementList VariedExampleElements(int count)
{
    TElementList examples;
    for (const TExampleProject& p : BuildExampleProjects())
        for (const TProjectElement& e : p.Elements) examples.push_back(e);
    const int n = static_cast<int>(examples.size());
    TElementList out;
    out.reserve(static_cast<std::size_t>(std::max(count, 0)));
    for (int i = 0; i < count; ++i) {
        TProjectElement e = examples[static_cast<std::size_t>(i % n)];
        SetGeometry(e.Input, e.Input.t, e.Input.l, e.Input.h - i / n, e.Input.ro_muru);
        out.push_back(e);
    }
    return out;
}

bool WriteExampleProjects(const std::string& folder, std::string& failedFile)
{
    for (TExampleProject& p : BuildExampleProjects()) {
        const std::string file = (std::filesystem::path(folder) / p.FileName).string();
        const int count = static_cast<int>(p.Elements.size());
        if (!WriteProjectFile(p.Comments, file, p.Elements, count, 0)) {
            failedFile = file;
            return false;
        }
    }
    return true;
}

} // namespace orv
