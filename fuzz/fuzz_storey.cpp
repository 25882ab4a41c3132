// The storey-file reader on any bytes. A compilation read has its texts
// taken out as the load dialog shows them, is written back and read again,
// and must come back byte for byte.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

#include "core/ZunFiles.h"
#include "fuzz/FuzzSupport.h"

using namespace orv;
using namespace orvfuzz;

namespace {

void CheckRanges(const TLoadCompilation& l)
{
    if (l.StoreyCount < 1 || l.StoreyCount > MaxStoreys - 1) Fail("storey count out of range", {});
    // The current entry is a storey or the slab over the basement.
    if ((l.CurrentStorey < 1 || l.CurrentStorey > l.StoreyCount) && l.CurrentStorey != BasementSlabEntry)
        Fail("current storey out of range", {});
    if (l.bUnit < 0 || l.bUnit > 2) Fail("unit of b out of range", {});
    // The record is packed: its fields are read in place, never through an i32*.
    for (int s = 0; s < MaxStoreys; ++s) {
        for (i32 unit : {l.Unit_lo_L[s], l.Unit_lo_P[s], l.Unit_hw[s], l.Unit_tw[s], l.Unit_h[s],
                         l.Unit_bs[s], l.Unit_t[s]})
            if (unit < 0 || unit > 2) Fail("display unit out of range", {});
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    BindSilentMessages();
    static const std::string file = ScratchFile("storey.kond");
    static const std::string copy = ScratchFile("copy.kond");
    WriteBytes(file, data, size);

    TLoadCompilation l;
    std::memset(&l, 0x5a, sizeof l);
    TLoadCompilation before = l;
    if (!ReadStoreyFile(file, l)) {
        if (std::memcmp(&l, &before, sizeof l) != 0) Fail("a failed read changed the compilation", {});
        return 0;
    }
    CheckRanges(l);
    const TFixedText* texts[6] = {l.pPText, l.pLText, l.roText, l.ro_wText, l.gLText, l.gPText};
    std::size_t total = 0;
    for (const TFixedText* row : texts)
        for (int s = 0; s < MaxStoreys; ++s) total += FixedTextToStr(row[s]).size();
    if (total > 6u * MaxStoreys * 512 * 3) Fail("texts longer than their fields can hold", {});

    if (!WriteStoreyFile(copy, l)) Fail("a compilation read could not be written back", {});
    TLoadCompilation again;
    if (!ReadStoreyFile(copy, again)) Fail("a storey file written could not be read", {});
    if (std::memcmp(&l, &again, sizeof l) != 0) Fail("compilation changed in a write and read", {});
    return 0;
}
