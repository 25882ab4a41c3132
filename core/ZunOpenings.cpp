#include "core/ZunOpenings.h"

#include "core/MessageService.h"

namespace orv {

int OpeningCount(const TCalcInput& in)
{
    const i32 n = in.LiczbaOkien;
    return n < 0 ? 0 : n > MaxOpenings ? MaxOpenings : n;
}

void DeleteOpening(const TCalcInput& in, int index, TCalcInput& out)
{
    if (&out != &in) out = in;
    const int n = OpeningCount(out);
    if (index < 1 || index > n) return;
    for (int k = index; k < n; ++k) out.Okna[k - 1] = out.Okna[k];
    out.Okna[n - 1] = TOpening{}; // the grid would bring the freed slot back
    out.LiczbaOkien = n - 1;
}

int PrunedOpenings(const TCalcInput& in, TOpening (&out)[MaxOpenings])
{
    const int n = OpeningCount(in);
    const double wallL = in.l;
    const double wallH = in.h;
    int kept = 0;
    for (int k = 0; k < n; ++k) {
        TOpening o = in.Okna[k];
        if (o.x + o.l > wallL) o.l = wallL - o.x;
        if (o.y + o.h > wallH) o.h = wallH - o.y;
        if (o.x < wallL && o.l > 0.0001 && o.y < wallH && o.h > 0.0001) out[kept++] = o;
    }
    return kept;
}

void PruneOpenings(const TCalcInput& in, TCalcInput& out)
{
    TOpening kept[MaxOpenings];
    const int n = PrunedOpenings(in, kept);
    const int before = OpeningCount(in);
    if (&out != &in) out = in;
    for (int k = 0; k < n; ++k) out.Okna[k] = kept[k];
    for (int k = n; k < before; ++k) out.Okna[k] = TOpening{}; // the slots freed
    out.LiczbaOkien = n;
}

bool OpeningCollides(const TCalcInput& in, int editedIndex, double x, double y, double l, double h)
{
    const int n = OpeningCount(in);
    auto skip = [&](int k) { return k + 1 == editedIndex; };
    const double px[8] = {x, x + l, x, x + l, x + 0.01, x + l - 0.01, x + 0.01, x + l - 0.01};
    const double py[8] = {y, y, y + h, y + h, y + 0.01, y + 0.01, y + h - 0.01, y + h - 0.01};
    for (int k = 0; k < n; ++k) {
        if (skip(k)) continue;
        const TOpening o = in.Okna[k];
        for (int p = 0; p < 8; ++p)
            if (o.x < px[p] && px[p] < o.x + o.l && o.y < py[p] && py[p] < o.y + o.h) return true;
    }
    for (int k = 0; k < n; ++k) {
        if (skip(k)) continue;
        const TOpening o = in.Okna[k];
        if (o.x >= x && o.x + o.l <= x + l && o.y >= y && o.y + o.h <= y + h) return true;
    }
    for (int k = 0; k < n; ++k) {
        if (skip(k)) continue;
        const TOpening o = in.Okna[k];
        const bool edgeInX = (o.x < x && x < o.x + o.l) || (o.x < x + l && x + l < o.x + o.l);
        const bool coversY = y <= o.y && o.y + o.h <= y + h;
        if (edgeInX && coversY) return true;
        if (!(edgeInX && coversY)) {
            const bool coversX = x <= o.x && o.x + o.l <= x + l;
            const bool edgeInY = (o.y < y && y < o.y + o.h) || (o.y < y + h && y + h < o.y + o.h);
            if (coversX && edgeInY) return true;
        }
    }
    return false;
}

bool CheckOpening(const TCalcInput& in, int editedIndex, double x, double y, double l, double h)
{
    if (!OpeningCollides(in, editedIndex, x, y, l, h)) return true;
    ShowMessageDialog("Popraw definicję otworu!",
                      "Zdefiniowany otwór koliduje z otworem już istniejącym.", mdError, mbOK, 0);
    return false;
}

} // namespace orv
