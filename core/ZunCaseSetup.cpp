#include "core/ZunCaseSetup.h"

#include "core/ZunCalc.h"

namespace orv {

double ComputedWallWeight(const TCalcInput& in)
{
    return in.ro_muru * in.gf_muru * in.h * in.t * in.l / 1000000;
}

double ComputedBasementWeight(const TCalcInput& in)
{
    return in.ro_muru * in.gf_muru * in.h * in.t / 10000;
}

double ComputedColumnWeight(const TCalcInput& in)
{
    return in.ro_muru * in.gf_muru * in.h * in.t * in.t2 / 1000000;
}

void TSelfWeight::Reset(const TCalcInput& in, double givenGs, double computedGs)
{
    computed = in.wylicz_Gs != 0;
    ro = computed ? in.ro_muru : 0.0;
    gf = computed ? in.gf_muru : 0.0;
    given = computed ? 0.0 : givenGs;
    Gs = computed ? computedGs : given;
}

void TVerticalWallSetup::Reset(const TCalcInput& in)
{
    external = in.ScianaZewnetrzna != 0;
    topStorey = in.ScianaNajwyzszejKodnygnacji != 0;
    ringBeams = external && in.def_szer_wiencow != 0;
    t_cm = in.t;
    h_cm = in.h;
    ag_cm = ringBeams ? in.ag : in.t;
    ad_cm = ringBeams ? in.ad : in.t;
    a_wg_cm = RingBeamWidth(ag_cm, t_cm);
    a_wd_cm = RingBeamWidth(ad_cm, t_cm);
    t = in.t / 100;
    b = in.l / 100;
    h = in.h / 100;
    l = in.l_usztw / 100;
    // min(a, t)/100 = min(a/100, t/100): the division keeps the order
    a_wg = a_wg_cm / 100;
    a_wd = a_wd_cm / 100;
    Nod = in.Nod;
    Nsld = in.Nsld;
    Nspd = external ? 0.0 : in.Nspd;
    wd = external ? in.wd : 0.0;
    wd2 = external ? in.wd2 : 0.0;
    weight.Reset(in, in.Gs, ComputedWallWeight(in));
}

void TContinuousWallSetup::Reset(const TCalcInput& in)
{
    TVerticalWallSetup::Reset(in);
    J2 = in.J2;
    J3 = in.J3;
    J5 = in.J5;
    J6 = in.J6;
    E2 = in.E2;
    E3 = in.E3;
    E5 = in.E5;
    E6 = in.E6;
    h2 = in.h2;
    l3 = in.l3;
    h5 = in.h5;
    l6 = in.l6;
    g3 = in.g3d;
    p3 = in.p3d;
    g6 = in.g6d;
    p6 = in.p6d;
    // the left slabs: none outside
    auto left = [this](double v) { return external ? 0.0 : v; };
    J4 = left(in.J4);
    J7 = left(in.J7);
    E4 = left(in.E4);
    E7 = left(in.E7);
    l4 = left(in.l4);
    l7 = left(in.l7);
    g4 = left(in.g4d);
    p4 = left(in.p4d);
    g7 = left(in.g7d);
    p7 = left(in.p7d);
}

void TColumnSetup::Reset(const TCalcInput& in)
{
    t_cm = in.t;
    b_cm = in.t2;
    h_cm = in.h;
    t = in.t / 100;
    b = in.t2 / 100;
    h = in.h / 100;
    N = in.Sily[0].NSd;
    Msdx = in.Msdx;
    Msdy = in.Msdy;
    supportX = in.PodpSTyp_x;
    supportY = in.PodpSTyp_y;
    weight.Reset(in, in.Gs_s, ComputedColumnWeight(in));
}

} // namespace orv
