#include "mainwindow/EditorHelp.h"

#include <QEvent>
#include <QHash>
#include <QLabel>
#include <QMouseEvent>
#include <QWidget>

#include "components/HelpRouterUnit.h"

namespace orv {
namespace {

const TFieldHelp kFieldHelp[] = {
    // case
    {"tryb1", "Opcja obliczeń: rodzaj sprawdzenia elementu (ściana obciążona pionowo - model przegubowy lub "
              "ciągły, ściana obciążona poziomo, ściana pod obciążeniem skupionym, ściana piwnic wg załącznika A, "
              "słup)."},
    // masonry unit and mortar
    {"OgolnaDefElementu1", "Element murowy określony ogólnie: rodzaj i grupa elementu oraz jego wytrzymałość f_b."},
    {"OgolnaDefElementu0", "Element murowy wybrany z listy elementów murowych (katalogu)."},
    {"RodzajElementuM1", "Rodzaj i grupa elementu murowego wg PN-B-03002:2007; od nich zależą współczynnik K, "
                         "dopuszczalne zaprawy i smukłość graniczna."},
    {"fb1", "Znormalizowana wytrzymałość elementu murowego na ściskanie f_b [MPa]; można wybrać z listy lub wpisać "
            "wartość większą od 0."},
    {"KategoriaWykElementu1", "Kategoria wykonania elementu murowego (I lub II); wpływa na współczynnik "
                              "bezpieczeństwa muru γ_m."},
    {"UserElement1", "Element murowy z listy elementów murowych."},
    {"spoina_podluzna1", "Mur ze spoiną podłużną (w grubości muru): wytrzymałość charakterystyczna muru jest "
                         "zmniejszana."},
    {"RodzajZaprawy1", "Rodzaj zaprawy: zwykła, do cienkich spoin albo lekka (lista zależy od elementu murowego)."},
    {"KlasaZaprawy1", "Klasa zaprawy M1 ... M20 - średnia wytrzymałość zaprawy na ściskanie f_m [MPa]."},
    {"ZaprawaTyp0", "Zaprawa przepisana (o składzie określonym recepturą)."},
    {"ZaprawaTyp1", "Zaprawa projektowana (o właściwościach potwierdzonych badaniami)."},
    // wall geometry
    {"t1a", "Grubość ściany t [cm]."},
    {"h1a", "Wysokość ściany w świetle h [cm] (wysokość kondygnacji)."},
    {"l1", "Szerokość (długość) rozpatrywanego odcinka ściany b [cm]."},
    {"def_szer_wiencow1", "Wieńce żelbetowe węższe od grubości ściany zewnętrznej; wtedy podaje się szerokości "
                          "oparcia a_w,g i a_w,d."},
    {"ag1", "Szerokość wieńca górnego a_w,g [cm], nie większa od grubości ściany."},
    {"ad1", "Szerokość wieńca dolnego a_w,d [cm], nie większa od grubości ściany."},
    {"UsztywnienieSciany1", "Ściana usztywniona ścianami poprzecznymi wzdłuż pionowej krawędzi; zmniejsza "
                            "wysokość efektywną h_eff."},
    {"UsztywnienieScianyBox12", "Usztywnienie wzdłuż jednej albo obu pionowych krawędzi ściany."},
    {"l_usztw1", "Odległość l [cm]: od swobodnej krawędzi do osi ściany usztywniającej (jedna krawędź) albo "
                 "między osiami ścian usztywniających (obie krawędzie)."},
    // joint of the continuous model
    {"IdentyczneParametryScian1", "Ściany górna i dolna mają te same parametry co rozpatrywana ściana "
                                  "(J = t³·b/12 i moduł E ściany)."},
    {"J2", "Moment bezwładności przekroju ściany górnej J [cm⁴]."},
    {"J3", "Moment bezwładności przekroju stropu górnego (prawego) J [cm⁴]."},
    {"J4", "Moment bezwładności przekroju stropu górnego lewego J [cm⁴]."},
    {"J5", "Moment bezwładności przekroju ściany dolnej J [cm⁴]."},
    {"J6", "Moment bezwładności przekroju stropu dolnego (prawego) J [cm⁴]."},
    {"J7", "Moment bezwładności przekroju stropu dolnego lewego J [cm⁴]."},
    {"E2", "Moduł sprężystości muru ściany górnej E [GPa]."},
    {"E3", "Moduł sprężystości stropu górnego (prawego) E [GPa] albo klasa betonu."},
    {"E4", "Moduł sprężystości stropu górnego lewego E [GPa] albo klasa betonu."},
    {"E5", "Moduł sprężystości muru ściany dolnej E [GPa]."},
    {"E6", "Moduł sprężystości stropu dolnego (prawego) E [GPa] albo klasa betonu."},
    {"E7", "Moduł sprężystości stropu dolnego lewego E [GPa] albo klasa betonu."},
    {"h2", "Wysokość ściany górnej h [cm]."},
    {"l3", "Rozpiętość stropu górnego (prawego) l [cm]."},
    {"l4", "Rozpiętość stropu górnego lewego l [cm]."},
    {"h5", "Wysokość ściany dolnej h [cm]."},
    {"l6", "Rozpiętość stropu dolnego (prawego) l [cm]."},
    {"l7", "Rozpiętość stropu dolnego lewego l [cm]."},
    // horizontally loaded wall
    {"SchematScianyTyp1", "Model statyczny ściany obciążonej poziomo: płyta, belka, łuk albo wspornik."},
    {"SchematPlytySciany1", "Schemat podparcia krawędzi płyty (A ... L): krawędzie swobodne, przegubowe "
                            "lub utwierdzone."},
    {"ScianaZOtworami1", "Ściana z otworami (do pięciu); ściana jest dzielona na pasma."},
    {"OknaGrid1", "Otwory ściany: położenie lewego dolnego rogu x, y oraz szerokość l i wysokość h [cm]."},
    // basement wall
    {"t1b", "Grubość ściany piwnic t [cm]; metoda załącznika A wymaga t ≥ 20 cm."},
    {"h1b", "Wysokość ściany piwnic w świetle h [cm]; metoda załącznika A wymaga h ≤ 260 cm."},
    {"he1", "Wysokość naziomu h_e [cm], nie większa od wysokości ściany."},
    {"be1", "Odległość b_e [cm] między ścianami poprzecznymi usztywniającymi ścianę piwnic."},
    // column
    {"t1c", "Wymiar przekroju słupa t [cm] w kierunku osi x."},
    {"t2", "Wymiar przekroju słupa b [cm] w kierunku osi y."},
    {"h1c", "Wysokość słupa h [cm]."},
    {"PodpSTyp_x0", "Góra słupa bez podparcia w tym kierunku."},
    {"PodpSTyp_x1", "Góra słupa podparta elementem żelbetowym."},
    {"PodpSTyp_x2", "Góra słupa podparta innym elementem."},
    {"PodpSTyp_y0", "Góra słupa bez podparcia w tym kierunku."},
    {"PodpSTyp_y1", "Góra słupa podparta elementem żelbetowym."},
    {"PodpSTyp_y2", "Góra słupa podparta innym elementem."},
    // loads of the wall
    {"Nod1", "Obliczeniowa siła pionowa N_0d [kN] z wyższych kondygnacji; przycisk „...” otwiera zestawienie "
             "obciążeń."},
    {"Nsld1", "Obliczeniowe obciążenie od stropu opartego na ścianie N_sl,d [kN]; dla ściany wewnętrznej od "
              "stropu prawego."},
    {"Nspd1", "Obliczeniowe obciążenie od stropu lewego N_sl,d(L) [kN] (ściana wewnętrzna)."},
    {"g3d", "Obliczeniowe obciążenie stałe stropu górnego (prawego) g_d [kN/m]."},
    {"g4d", "Obliczeniowe obciążenie stałe stropu górnego lewego g_d [kN/m]."},
    {"g6d", "Obliczeniowe obciążenie stałe stropu dolnego (prawego) g_d [kN/m]."},
    {"g7d", "Obliczeniowe obciążenie stałe stropu dolnego lewego g_d [kN/m]."},
    {"p3d", "Obliczeniowe obciążenie zmienne stropu górnego (prawego) p_d [kN/m]."},
    {"p4d", "Obliczeniowe obciążenie zmienne stropu górnego lewego p_d [kN/m]."},
    {"p6d", "Obliczeniowe obciążenie zmienne stropu dolnego (prawego) p_d [kN/m]."},
    {"p7d", "Obliczeniowe obciążenie zmienne stropu dolnego lewego p_d [kN/m]."},
    {"wd1", "Obliczeniowe obciążenie wiatrem - ssanie w_d [kN/m], wartość ujemna."},
    {"wd2", "Obliczeniowe obciążenie wiatrem - parcie w_d [kN/m], wartość dodatnia."},
    {"wd_kNm2", "Obliczeniowe obciążenie poziome ściany w_d [kN/m²]: parcie (+) lub ssanie (-)."},
    // self weight
    {"wylicz_Gs1", "Ciężar własny liczony z wymiarów i ciężaru objętościowego: G_s = ρ·γ_f·h·t·b."},
    {"wylicz_Gs2", "Ciężar własny liczony z wymiarów i ciężaru objętościowego: G_s = ρ·γ_f·h·t (na 1 m)."},
    {"wylicz_Gs3", "Ciężar własny liczony z wymiarów i ciężaru objętościowego: G_s = ρ·γ_f·h·t·b."},
    {"wylicz_Gs0a", "Ciężar własny podany wprost."},
    {"wylicz_Gs0b", "Ciężar własny podany wprost."},
    {"wylicz_Gs0c", "Ciężar własny podany wprost."},
    {"ro_muru1", "Ciężar objętościowy muru ρ [kN/m³]."},
    {"ro_muru2", "Ciężar objętościowy muru ρ [kN/m³]."},
    {"ro_muru3", "Ciężar objętościowy muru ρ [kN/m³]."},
    {"gf_muru1", "Częściowy współczynnik bezpieczeństwa γ_f ciężaru własnego."},
    {"gf_muru2", "Częściowy współczynnik bezpieczeństwa γ_f ciężaru własnego."},
    {"gf_muru3", "Częściowy współczynnik bezpieczeństwa γ_f ciężaru własnego."},
    {"Gs1", "Obliczeniowy ciężar własny ściany G_s [kN]."},
    {"Gs_mb1", "Obliczeniowy ciężar własny ściany piwnic G_s [kN/m]."},
    {"Gs_s1", "Obliczeniowy ciężar własny słupa G_s [kN]."},
    // concentrated loads
    {"LiczbaSilSkup1", "Liczba obciążeń skupionych (1 ... 3)."},
    {"Nsd1a", "Obliczeniowe obciążenie skupione N_Sd [kN]."},
    {"NSd2", "Obliczeniowe obciążenie skupione nr 2 N_Sd [kN]."},
    {"NSd3", "Obliczeniowe obciążenie skupione nr 3 N_Sd [kN]."},
    {"aL1", "Długość pola docisku a_l [cm] wzdłuż ściany."},
    {"aL2", "Długość pola docisku a_l [cm] wzdłuż ściany."},
    {"aL3", "Długość pola docisku a_l [cm] wzdłuż ściany."},
    {"aT1", "Szerokość pola docisku a_t [cm] w poprzek ściany, nie większa od jej grubości."},
    {"aT2", "Szerokość pola docisku a_t [cm] w poprzek ściany, nie większa od jej grubości."},
    {"aT3", "Szerokość pola docisku a_t [cm] w poprzek ściany, nie większa od jej grubości."},
    {"a11", "Odległość środka pola docisku od lewej krawędzi ściany a [cm]."},
    {"a12", "Odległość lewego boku pola docisku od lewej krawędzi ściany a [cm]."},
    {"a13", "Odległość lewego boku pola docisku od lewej krawędzi ściany a [cm]."},
    {"hN1", "Głębokość pola docisku poniżej górnej krawędzi ściany h_N [cm]."},
    {"hN2", "Głębokość pola docisku poniżej górnej krawędzi ściany h_N [cm]."},
    {"hN3", "Głębokość pola docisku poniżej górnej krawędzi ściany h_N [cm]."},
    // basement wall loads
    {"N0_mb1", "Obliczeniowe obciążenie ściany piwnic z wyższych kondygnacji N_0d [kN/m], tylko od obciążeń "
               "stałych."},
    {"ro_e1", "Ciężar objętościowy gruntu ρ_e [kN/m³]."},
    // column loads
    {"NSd1b", "Obliczeniowa siła pionowa w głowicy słupa N_Sd [kN]."},
    {"Msdx1", "Obliczeniowy moment zginający M_Sd,x [kNm]; przycisk „...” wyznacza go jako N·e."},
    {"Msdy1", "Obliczeniowy moment zginający M_Sd,y [kNm]; przycisk „...” wyznacza go jako N·e."},
    // assumptions
    {"ScianaZewnetrzna1", "Ściana zewnętrzna: strop z jednej strony, obciążenie wiatrem."},
    {"ScianaZewnetrzna0", "Ściana wewnętrzna: stropy z obu stron."},
    {"RodzajKonstrSciany1", "Przestrzenne usztywnienie budynku; wraz z rodzajem stropów wyznacza współczynnik "
                            "ρ_h wysokości efektywnej."},
    {"RodzajStropow1", "Rodzaj stropów: z betonu z wieńcami żelbetowymi albo inne."},
    {"ScianaNajwyzszejKodnygnacji1", "Ściana najwyższej kondygnacji (model przegubowy)."},
    {"zezwolB251", "Ściany grubsze niż 25 cm mogą być obliczane jako płyty."},
    {"sytuacja1", "Sytuacja obliczeniowa: trwała, przejściowa albo wyjątkowa; wpływa na współczynnik γ_m."},
    {"KategoriaWykRobot1", "Kategoria wykonania robót murowych A lub B; wpływa na współczynnik γ_m."},
};

// A label that opens a help topic when clicked, as a link does.
class TopicLink : public QObject {
public:
    TopicLink(QLabel* label, const char* topic) : QObject(label), topic_(topic)
    {
        label->setCursor(Qt::PointingHandCursor);
        QFont f = label->font();
        f.setUnderline(true);
        label->setFont(f);
        QPalette p = label->palette();
        p.setColor(QPalette::WindowText, p.color(QPalette::Link));
        label->setPalette(p);
        label->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::MouseButtonRelease &&
            static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
            ShowHelpTopic(topic_);
            return true;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    const char* topic_;
};

// Names the widgets under `parent` in the order findChild searches: every
// child of a parent before the children's own descendants, the subtrees in
// order; a name keeps the first widget.
void NameWidgets(const QObject& parent, QHash<QString, QWidget*>& named)
{
    const QObjectList& children = parent.children();
    for (QObject* child : children) {
        if (!child->isWidgetType()) continue;
        const QString name = child->objectName();
        if (!name.isEmpty() && !named.contains(name)) named.insert(name, static_cast<QWidget*>(child));
    }
    for (QObject* child : children) NameWidgets(*child, named);
}

} // namespace

std::span<const TFieldHelp> EditorFieldHelp()
{
    return kFieldHelp;
}

void ApplyEditorHelp(QWidget* editor)
{
    // The widgets by name in one walk of the tree, each name for the widget
    // findChild would give.
    QHash<QString, QWidget*> named;
    NameWidgets(*editor, named);
    for (const TFieldHelp& h : kFieldHelp) {
        if (QWidget* w = named.value(QString::fromLatin1(h.name))) w->setWhatsThis(QString::fromUtf8(h.text));
    }
    if (auto* annex = editor->findChild<QLabel*>(QStringLiteral("ZalacznikA"))) new TopicLink(annex, "zalacznik_A");
}

} // namespace orv
