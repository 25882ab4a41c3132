// Scheme of the load compilation: a section through the storeys above the
// element with their walls, ring beams and floors, the floor and roof loads,
// the dimensions, the storey names and the collected force F at the level of
// the element's wall (or of the slab over the basement). The storeys' bands
// are too short for labels on the floors: each storey's values stand in two
// rows beside its band, the left floor's in a column on the left, the height,
// thickness, name and right floor's right of the heights' line; the slab's
// below the level caption.
#include <algorithm>
#include <cmath>
#include <iterator>
#include <limits>
#include <string>
#include <vector>

#include "drawing/DimensionLines.h"
#include "drawing/DrawPrimitives.h"
#include "drawing/SchemeFit.h"
#include "drawing/ZunPaint.h"
#include "drawing/ZunPaintLayout.h"
#include "drawing/ZunPaintLoadSymbols.h"

namespace orv {

namespace {

constexpr int kBasementEntry = 9;
constexpr int kValueMode = 1;  // "wartość": the load is given, not computed

struct Entry {
    double h = 0, t = 0, loL = 0, loP = 0, gL = 0, pL = 0, gP = 0, pP = 0, Fp = 0, Fl = 0;
    double hw = 0, tw = 0;
    bool left = false, right = false, ring = false;
    int wallMode = 0, leftMode = 0, rightMode = 0;

    // Lengths not negative, every number drawn finite.
    bool sound() const
    {
        for (double v : {h, t, loL, loP, gL, pL, gP, pP, Fp, Fl, hw, tw})
            if (!std::isfinite(v)) return false;
        return h >= 0 && t >= 0 && hw >= 0 && tw >= 0 && (!left || loL >= 0) &&
               (!right || loP >= 0);
    }
};

Entry ReadEntry(const TLoadCompilation& l, int e)
{
    Entry s;
    s.h = l.h[e];
    s.t = l.t[e];
    s.loL = l.lo_L[e];
    s.loP = l.lo_P[e];
    s.gL = l.gL[e];
    s.pL = l.pL[e];
    s.gP = l.gP[e];
    s.pP = l.pP[e];
    s.Fp = l.Fp[e];
    s.Fl = l.Fl[e];
    s.hw = l.hw[e];
    s.tw = l.tw[e];
    s.left = l.strop_L[e] != 0;
    s.right = l.strop_P[e] != 0;
    s.ring = l.wieniec[e] != 0;
    s.wallMode = l.GsTyp[e];
    s.leftMode = l.SlTyp[e];
    s.rightMode = l.SpTyp[e];
    return s;
}

// A floor's values: the load (or force) and the span.
struct FloorTexts {
    std::string value, span;
    bool force = false;
};

// What reaches left or right of the walls' axis, or below the top floor: a
// model length at the scale and a length of its own.
struct Reach {
    double model;
    int fixed;
};

class LoadScheme {
public:
    LoadScheme(Canvas& canvas, const TPoint& size, bool basement, const TCalcInput& input,
               const TDrawingColors& colors, int yOffset)
        : c_(canvas), size_(size), basement_(basement), colors_(colors), yOffset_(yOffset),
          tEl_(input.t / 100), l3_(input.l3 / 100), l4_(input.l4 / 100)
    {
    }

    // False when there is nothing sound to draw.
    bool read(const TLoadCompilation& loads);
    bool layOut();
    // How much of the two rows of values the shortest storey's band holds
    // (1 or more: all).
    double rowsRoom() const;
    void drawStructure();
    void drawLoads();
    void drawValues();
    void drawCollectedForce();

private:
    int S(double n) const { return SizeUnit(c_, n); }
    TPoint SP(double x, double y) const;
    static TPoint moved(TPoint p, int dx, int dy) { return {p.X + dx, p.Y + dy}; }
    // a brush colour set makes the brush solid
    void setBrush(TColor color)
    {
        c_.brush.color = color;
        c_.brush.style = TBrushStyle::Solid;
    }

    std::string loadText(double g, double p) const
    {
        return (basement_ ? "g= " : "g+p= ") + FormatFixed(2, basement_ ? g : g + p);
    }
    static std::string forceText(double f) { return FormatFixed(2, std::fabs(f)); }
    FloorTexts floorTexts(const Entry& s, bool right) const;
    std::vector<std::string> storeyValues(int e) const;
    int rowWidth(const std::vector<std::string>& texts) const;
    int arrowReach(double f) const;
    double fitScale(const Reach* lefts, std::size_t nl, const Reach* rights, std::size_t nr,
                    const Reach* downs, std::size_t nd) const;
    int reach(const Reach* r, std::size_t count) const;

    void section(double y, double hs, double ws, bool right, double r, bool left, double l);
    void floorLoads(const Entry& s, double y);
    void spans(const Entry& s, double y, int down);
    void row(int x, int y, const std::vector<std::string>& texts, TColor first);
    void floorRows(const Entry& s, int row1, int row2, int rightRow);

    static constexpr const char* kLevelText = "poziom zbierania obciążenia";

    Canvas& c_;
    TPoint size_;
    bool basement_;
    const TDrawingColors& colors_;
    int yOffset_;
    double tEl_, l3_, l4_;
    double fRoof_ = 0;
    int n_ = 0;
    Entry st_[kBasementEntry];
    Entry slab_;
    double wMax_ = 0, leftMax_ = 0, rightMax_ = 0, a_ = 0, maxF_ = 0;
    double yTop_[kBasementEntry + 1] = {};
    double yL_ = 0, hb_ = 0;  // the level and the level element's depth

    // the layout
    int gap_ = 0, margin_ = 0, th_ = 0, leftW_ = 0, rightW_ = 0, topArrow_ = 0, levelRows_ = 0;
    double scale_ = 0;
    int x0_ = 0, y0_ = 0, xh_ = 0, xl_ = 0, xr_ = 0;
    TPoint levelFoot_;
    TColor background_ = 0, outline_ = 0, textColor_ = 0;
};

bool LoadScheme::read(const TLoadCompilation& loads)
{
    const TLoadCompilation lc = LoadCompilationInMetres(loads);
    fRoof_ = lc.F_dach;
    n_ = std::clamp(int(lc.StoreyCount), 0, kBasementEntry);
    for (int e = 0; e < n_; ++e) st_[e] = ReadEntry(lc, e);
    slab_ = ReadEntry(lc, kBasementEntry);
    for (int e = 0; e < n_; ++e)
        if (!st_[e].sound()) return false;
    if (!std::isfinite(fRoof_) || !std::isfinite(tEl_) || tEl_ < 0) return false;
    if (basement_ && !slab_.sound()) return false;
    if (!basement_ && (!std::isfinite(l3_) || !std::isfinite(l4_) || l3_ < 0 || l4_ < 0)) return false;
    if (!basement_) slab_ = Entry();

    for (int e = 0; e < n_; ++e) {
        Entry& s = st_[e];
        if (!s.ring) s.tw = s.t;
        wMax_ = std::max({wMax_, s.t, s.tw});
        if (s.left) leftMax_ = std::max(leftMax_, 0.5 * s.loL);
        if (s.right) rightMax_ = std::max(rightMax_, 0.5 * s.loP);
    }
    if (slab_.left) leftMax_ = std::max(leftMax_, 0.5 * slab_.loL);
    if (slab_.right) rightMax_ = std::max(rightMax_, 0.5 * slab_.loP);
    a_ = wMax_ / 2;
    for (int e = 0; e < n_; ++e) yTop_[e + 1] = yTop_[e] + st_[e].hw + st_[e].h;
    yL_ = yTop_[n_];
    hb_ = basement_ ? slab_.hw : tEl_;
    // the force arrows share the largest magnitude as reference
    maxF_ = std::fabs(fRoof_);
    for (int e = 0; e < n_; ++e) {
        if (st_[e].right && st_[e].rightMode == kValueMode) maxF_ = std::max(maxF_, std::fabs(st_[e].Fp));
        if (st_[e].left && st_[e].leftMode == kValueMode) maxF_ = std::max(maxF_, std::fabs(st_[e].Fl));
    }
    return leftMax_ + wMax_ + rightMax_ > 0 && yL_ + hb_ > 0;
}

FloorTexts LoadScheme::floorTexts(const Entry& s, bool right) const
{
    FloorTexts f;
    if (right ? !s.right : !s.left) return f;
    f.force = (right ? s.rightMode : s.leftMode) == kValueMode;
    if (f.force) {
        f.value = forceText(right ? s.Fp : s.Fl);
    } else {
        f.value = right ? loadText(s.gP, s.pP) : loadText(s.gL, s.pL);
        f.span = "l=" + FormatFixed(2, right ? s.loP : s.loL);
    }
    return f;
}

// The height and thickness when the wall's weight follows from them, and the
// storey's name; the top storey bears the number n.
std::vector<std::string> LoadScheme::storeyValues(int e) const
{
    const Entry& s = st_[e];
    std::vector<std::string> v;
    if (s.wallMode != kValueMode) v = {"h=" + FormatFixed(2, s.h), "t=" + FormatFixed(2, s.t)};
    v.push_back("kond. n+" + std::to_string(n_ - e));
    return v;
}

int LoadScheme::rowWidth(const std::vector<std::string>& texts) const
{
    int x = 0;
    for (const std::string& t : texts)
        if (!t.empty()) x += (x > 0 ? gap_ : 0) + c_.textWidth(t);
    return x;
}

// How far an arrow on a floor reaches above it.
int LoadScheme::arrowReach(double f) const
{
    int most = 0;
    for (const TPoint& q : ForceArrowShape(c_, {0, 0}, 0, f, maxF_, forceText(f)).points) most = std::max(most, -q.Y);
    return most + S(1);
}

// The largest scale at which every pair of reaches left and right fits the
// width and every reach down fits below the top room.
double LoadScheme::fitScale(const Reach* lefts, std::size_t nl, const Reach* rights, std::size_t nr,
                            const Reach* downs, std::size_t nd) const
{
    double scale = std::numeric_limits<double>::infinity();
    for (std::size_t i = 0; i < nl; ++i)
        for (std::size_t j = 0; j < nr; ++j)
            if (lefts[i].model + rights[j].model > 0)
                scale = std::min(scale, (size_.X - 2 * margin_ - lefts[i].fixed - rights[j].fixed) /
                                            (lefts[i].model + rights[j].model));
    for (std::size_t k = 0; k < nd; ++k) scale = std::min(scale, (size_.Y - downs[k].fixed) / downs[k].model);
    return scale;
}

int LoadScheme::reach(const Reach* r, std::size_t count) const
{
    int most = 0;
    for (std::size_t k = 0; k < count; ++k) most = std::max(most, RoundToInt(scale_ * r[k].model) + r[k].fixed);
    return most;
}

bool LoadScheme::layOut()
{
    gap_ = S(6);
    margin_ = S(4);
    th_ = c_.textHeight("Ź");
    background_ = c_.brush.color;
    outline_ = c_.pen.color;
    textColor_ = c_.font.color;

    // the columns' widths
    for (int e = 0; e <= n_; ++e) {
        if (e == n_ && !basement_) break;
        const Entry& s = e < n_ ? st_[e] : slab_;
        const FloorTexts l = floorTexts(s, false), r = floorTexts(s, true);
        leftW_ = std::max({leftW_, c_.textWidth(l.value), c_.textWidth(l.span)});
        rightW_ = std::max(rightW_, rowWidth({r.value, r.span}));
        if (e < n_) rightW_ = std::max(rightW_, rowWidth(storeyValues(e)));
    }
    if (leftW_ > 0) leftW_ += gap_;
    const int heightsGap = S(8);  // from the floors to the heights' line
    rightW_ += heightsGap + gap_;

    // room above the top floor for the arrows on it and the roof's value,
    // below the level for the collected force, the caption and the slab's rows
    topArrow_ = S(11);  // the floors' load blocks
    if (n_ > 0) {
        const Entry& s = st_[0];
        if (s.right && s.rightMode == kValueMode) topArrow_ = std::max(topArrow_, arrowReach(s.Fp));
        if (s.left && s.leftMode == kValueMode) topArrow_ = std::max(topArrow_, arrowReach(s.Fl));
    }
    if (fRoof_ != 0) topArrow_ = std::max(topArrow_, arrowReach(fRoof_));
    const int top = margin_ + topArrow_ + (fRoof_ != 0 ? S(3) + th_ : 0);
    levelRows_ = std::max(S(25), S(10) + th_);
    const int bottom = margin_ + std::max(S(32) + th_, basement_ ? levelRows_ + S(3) + 2 * th_ + S(2) : levelRows_);

    // F left of the element's wall, the caption S(25) right of it
    const int wF = c_.textWidth("F"), levelW = S(27) + c_.textWidth(kLevelText);
    const Reach lefts[] = {{a_ + leftMax_, leftW_}, {tEl_ / 2, S(8) + wF}, {0, S(8) + wF}};
    const Reach rights[] = {{wMax_ - a_ + rightMax_, rightW_}, {tEl_ / 2, S(5)}, {tEl_ / 2, levelW}};
    const Reach downs[] = {{yL_ + hb_, top + bottom}, {yL_ + hb_ + 2 * tEl_, top + margin_ + S(1)}};
    scale_ = fitScale(lefts, std::size(lefts), rights, std::size(rights), downs, std::size(downs));
    if (!std::isfinite(scale_) || !(scale_ > 0)) return false;
    const int left = reach(lefts, std::size(lefts)), right = reach(rights, std::size(rights));
    const int axis = margin_ + (size_.X - 2 * margin_ - left - right) / 2 + left;
    x0_ = axis - RoundToInt(scale_ * a_);
    y0_ = top + (size_.Y - reach(downs, std::size(downs))) / 2;
    xh_ = SP(wMax_ + rightMax_, 0).X + heightsGap;
    xr_ = xh_ + gap_;
    xl_ = SP(-leftMax_, 0).X - gap_;
    levelFoot_ = SP(a_ + tEl_ / 2, yL_ + hb_);
    return true;
}

double LoadScheme::rowsRoom() const
{
    double room = 1;
    for (int e = 0; e < n_; ++e)
        room = std::min(room, double(SP(0, yTop_[e + 1]).Y - SP(0, yTop_[e]).Y) / (2 * th_ + S(4)));
    return room;
}

// Model points beyond the area stay just beyond it.
TPoint LoadScheme::SP(double x, double y) const
{
    const TRect lim = DrawingLimits({0, 0, size_.X, size_.Y});
    return TPoint{LimitCoord(x0_ + RoundHalfEven(scale_ * x), lim.Left, lim.Right),
                  LimitCoord(double(y0_) + yOffset_ + RoundHalfEven(scale_ * y), lim.Top, lim.Bottom)};
}

// Slab over the band top with the ring beam below it, cut ends of the floors.
void LoadScheme::section(double y, double hs, double ws, bool right, double r, bool left, double l)
{
    const double a = a_;
    if (!right) r = 0;
    if (!left) l = 0;
    const double xr = a + ws / 2 + r / 2, xl = a - ws / 2 - l / 2;
    c_.polygon({SP(a - ws / 2, y + hs / 2), SP(a - ws / 2, y + hs), SP(a + ws / 2, y + hs), SP(a + ws / 2, y + hs / 2),
                SP(xr, y + hs / 2), SP(xr, y), SP(xl, y), SP(xl, y + hs / 2)});
    auto line = [&](TPoint p, TPoint q) {
        c_.moveTo(p.X, p.Y);
        c_.lineTo(q.X, q.Y);
    };
    if (right) {
        c_.pen.color = background_;
        line(SP(xr, y + hs / 2), SP(xr, y));
        c_.pen.color = outline_;
        DrawDashedLine(c_, moved(SP(xr, y + hs / 2), 0, S(5)), moved(SP(xr, y), 0, -S(5)));
    }
    if (left) {
        c_.pen.color = background_;
        line(SP(xl, y), SP(xl, y + hs / 2));
        c_.pen.color = outline_;
        DrawDashedLine(c_, moved(SP(xl, y), 0, -S(5)), moved(SP(xl, y + hs / 2), 0, S(5)));
    }
}

// Walls and floors top to bottom, the level element and the element's wall
// below it, the level's caption below the level element.
void LoadScheme::drawStructure()
{
    const double a = a_;
    for (int e = 0; e < n_; ++e) {
        const Entry& s = st_[e];
        const double y = yTop_[e];
        c_.pen.width = S(1);
        c_.pen.color = colors_[dcMasonryOutline];
        setBrush(colors_[dcMasonryFill]);
        c_.polygon({SP(a - s.t / 2, y + s.hw), SP(a + s.t / 2, y + s.hw), SP(a + s.t / 2, y + s.hw + s.h),
                    SP(a - s.t / 2, y + s.hw + s.h)});
        setBrush(colors_[dcSection]);
        c_.pen.color = clBlack;
        section(y, s.hw, s.tw, s.right, s.loP, s.left, s.loL);
    }

    setBrush(colors_[dcSection]);
    if (!basement_) c_.brush.style = TBrushStyle::Clear;
    c_.pen.color = clBlack;
    if (basement_) {
        section(yL_, slab_.hw, slab_.tw, slab_.right, slab_.loP, slab_.left, slab_.loL);
    } else {
        // the element's floors run to the area's edges
        const double edgeR = (size_.X - margin_ - x0_) / scale_ - a - tEl_ / 2;
        const double edgeL = (x0_ - margin_) / scale_ + a - tEl_ / 2;
        section(yL_, tEl_, tEl_, true, std::clamp(l3_, 0.0, 2 * edgeR), true, std::clamp(l4_, 0.0, 2 * edgeL));
    }
    const double yb = yL_ + hb_ + 2 * tEl_;
    c_.moveTo(SP(a - tEl_ / 2, yb).X, SP(a - tEl_ / 2, yb).Y);
    c_.lineTo(SP(a - tEl_ / 2, yL_ + hb_).X, SP(a - tEl_ / 2, yL_ + hb_).Y);
    c_.lineTo(SP(a + tEl_ / 2, yL_ + hb_).X, SP(a + tEl_ / 2, yL_ + hb_).Y);
    c_.lineTo(SP(a + tEl_ / 2, yb).X, SP(a + tEl_ / 2, yb).Y);
    DrawDashedLine(c_, moved(SP(a - tEl_ / 2, yb), -S(5), 0), moved(SP(a + tEl_ / 2, yb), S(5), 0));

    setBrush(clBlack);
    TRect bounds;
    DrawLevelMarkBelow(c_, {levelFoot_.X + S(25), levelFoot_.Y}, kLevelText, bounds);
}

void LoadScheme::floorLoads(const Entry& s, double y)
{
    const double a = a_;
    if (s.right) {
        const TPoint pa = moved(SP(a + s.t / 2, y), S(1), -S(1));
        const TPoint pb = moved(SP(a + s.t / 2 + s.loP / 2, y), 0, -S(1));
        if (s.rightMode == kValueMode) DrawForceArrow(c_, pa, 0, s.Fp, maxF_, 0, colors_[dcForce], false, 2, true);
        DrawFloorLoad(c_, pa, pb, 10, 0, false, false, "", colors_[dcDistributedLoad]);
    }
    if (s.left) {
        const TPoint pa = moved(SP(a - s.t / 2 - s.loL / 2, y), 0, -S(1));
        const TPoint pb = moved(SP(a - s.t / 2, y), -S(1), -S(1));
        if (s.leftMode == kValueMode) DrawForceArrow(c_, pb, 0, s.Fl, maxF_, 0, colors_[dcForce], false, 2, false);
        DrawFloorLoad(c_, pa, pb, 10, 0, false, true, "", colors_[dcDistributedLoad]);
    }
}

// The floors' loads and the roof's, their values in the columns but the
// roof's, which stands above the arrows on the top floor.
void LoadScheme::drawLoads()
{
    setBrush(background_);
    for (int e = 0; e < n_; ++e) floorLoads(st_[e], yTop_[e]);
    if (basement_) floorLoads(slab_, yL_);
    if (fRoof_ != 0) {
        const TPoint p = SP(a_, 0);
        DrawForceArrow(c_, p, 0, fRoof_, maxF_, 0, colors_[dcForce], false, 2, false);
        const std::string v = forceText(fRoof_);
        row(p.X - c_.textWidth(v) / 2, p.Y - topArrow_ - S(3) - th_, {v}, colors_[dcForce]);
    }
}

void LoadScheme::spans(const Entry& s, double y, int down)
{
    const double a = a_;
    if (s.right && s.rightMode != kValueMode)
        DrawDimensionHArrow(c_, moved(SP(a + s.t / 2, y), 0, down), moved(SP(a + s.t / 2 + s.loP / 2, y), 0, down),
                            "", 'R', 0, false, true);
    if (s.left && s.leftMode != kValueMode)
        DrawDimensionHArrow(c_, moved(SP(a - s.t / 2 - s.loL / 2, y), 0, down), moved(SP(a - s.t / 2, y), 0, down),
                            "", 'L', 0, true, false);
}

// A row of texts from x, the first in its own colour.
void LoadScheme::row(int x, int y, const std::vector<std::string>& texts, TColor first)
{
    for (std::size_t k = 0; k < texts.size(); ++k) {
        if (texts[k].empty()) continue;
        c_.font.color = k == 0 ? first : textColor_;
        c_.textOut(x, y, texts[k]);
        x += c_.textWidth(texts[k]) + gap_;
    }
    c_.font.color = textColor_;
}

// The left floor's values right-aligned in two rows, the right one's in a row.
void LoadScheme::floorRows(const Entry& s, int row1, int row2, int rightRow)
{
    auto color = [&](const FloorTexts& f) { return f.force ? colors_[dcForce] : colors_[dcDistributedLoad]; };
    const FloorTexts l = floorTexts(s, false), r = floorTexts(s, true);
    if (!l.value.empty()) {
        row(xl_ - c_.textWidth(l.value), row1, {l.value}, color(l));
        if (!l.span.empty()) row(xl_ - c_.textWidth(l.span), row2, {l.span}, textColor_);
    }
    if (!r.value.empty()) row(xr_, rightRow, {r.value, r.span}, color(r));
}

// The spans under the floors, the heights on a line right of the floors,
// every storey's values in two rows about its band's middle.
void LoadScheme::drawValues()
{
    c_.brush.style = TBrushStyle::Clear;
    TRect bounds;
    for (int e = 0; e < n_; ++e) {
        const Entry& s = st_[e];
        const double y = yTop_[e];
        spans(s, y + s.hw, S(20));
        const int mid = (SP(0, y).Y + SP(0, y + s.hw + s.h).Y) / 2;
        const int row1 = mid - th_ - S(1), row2 = mid + S(1);
        if (s.wallMode != kValueMode)
            DrawDimensionV(c_, {xh_, SP(0, y + s.hw).Y}, {xh_, SP(0, y + s.hw + s.h).Y}, "", 'A', bounds);
        row(xr_, row1, storeyValues(e), textColor_);
        floorRows(s, row1, row2, row2);
    }
    if (basement_) {
        spans(slab_, yL_ + slab_.hw, S(35));
        const int rowA = levelFoot_.Y + levelRows_ + S(3);
        floorRows(slab_, rowA, rowA + th_ + S(2), rowA);
    }
}

// The collected force, its tip on the level, its name left of the element's
// wall below the level element.
void LoadScheme::drawCollectedForce()
{
    const TPoint pf = SP(a_, basement_ ? yL_ + slab_.hw : yL_);
    setBrush(background_);
    DrawNamedForceArrow(c_, pf, 0, "F", 180, colors_[dcReactions], false, true);
    const int x = std::min(SP(a_ - tEl_ / 2, 0).X - S(5), pf.X - S(5)) - S(3) - c_.textWidth("F");
    row(x, std::max(pf.Y + S(32) - th_, levelFoot_.Y + S(3)), {"F"}, colors_[dcReactions]);
}

// With a font too large for the storeys' bands to hold their two rows of
// values the scheme is drawn in a smaller one, down to one still readable.
constexpr double kSmallestPoints = 6;

bool LoadCollection(Canvas& canvas, const TPoint& size, bool basement, const TLoadCompilation& loads,
                    const TCalcInput& input, const TDrawingColors& colors, int yOffset)
{
    const TCanvasFont callerFont = canvas.font;
    bool drawn = false;
    for (int pass = 0; pass < 6; ++pass) {
        LoadScheme scheme(canvas, size, basement, input, colors, yOffset);
        if (!scheme.read(loads)) break;
        // the values' columns leave the drawing no room
        const bool laidOut = scheme.layOut();
        const double room = laidOut ? scheme.rowsRoom() : 0.8;
        if (room < 1 && canvas.font.size > kSmallestPoints && pass < 5) {
            canvas.font.size = std::max(kSmallestPoints, canvas.font.size * room * 0.98);
            continue;
        }
        if (!laidOut) break;
        scheme.drawStructure();
        scheme.drawLoads();
        scheme.drawValues();
        scheme.drawCollectedForce();
        drawn = true;
        break;
    }
    canvas.font = callerFont;
    return drawn;
}

// The scheme kept inside its area; false when nothing was drawn.
bool FittedLoadCollection(Canvas& canvas, const TPoint& size, bool basement,
                          const TLoadCompilation& loads, const TCalcInput& input,
                          const TDrawingColors& colors, int yOffset)
{
    bool drawn = false;
    DrawFitted(canvas, size, [&](Canvas& c, const TPoint& area) {
        drawn = LoadCollection(c, area, basement, loads, input, colors, yOffset);
    });
    return drawn;
}

} // namespace

void DrawLoadCollectionScheme(Canvas& canvas, const TPoint& size, bool basementVariant,
                              const TLoadCompilation& loads, const TCalcInput& input,
                              const TDrawingColors& colors, int yOffset)
{
    FittedLoadCollection(canvas, size, basementVariant, loads, input, colors, yOffset);
}

void DrawLoadCollectionSchemeMetafile(TSchemePicture& pic, bool basementVariant,
                                      const TLoadCompilation& loads, double w, double h,
                                      const TCalcInput& input, const TDrawingColors& colors)
{
    bool drawn = false;
    RecordSchemePicture(pic, w, h, [&](Canvas& canvas, const TPoint& size) {
        drawn = FittedLoadCollection(canvas, size, basementVariant, loads, input, colors, 0);
    });
    if (!drawn) pic = TSchemePicture();  // nothing to copy
}

} // namespace orv
