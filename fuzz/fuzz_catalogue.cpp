// The catalogue readers on any bytes, the masonry units' and the steel
// grades'. The first byte picks the decimal separator (bit 0); the rest is
// the file. What a reader takes comes back from a save and a read as it was,
// under either separator, and the second save is the first byte for byte; a
// saved catalogue reads whole; a blank line or a line that is no row added
// at the end changes neither the rows nor whether the file was cut.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "core/MasonryCatalogue.h"
#include "core/MyUtils.h"
#include "core/ZELBET_PN99.h"
#include "fuzz/FuzzSupport.h"

using namespace orv;
using namespace orvfuzz;

namespace {

template <typename Row>
struct TRead {
    std::vector<Row> rows;
    bool cut = false;
};

TRead<TMasonryUnitRow> ReadMasonry(const std::string& file)
{
    TMasonryCatalogue c;
    c.Initialize(file);
    return {c.Rows(), c.FileCut()};
}

TRead<TSteelRow> ReadSteel(const std::string& file)
{
    TSteelCatalogue c;
    c.Initialize(file);
    return {c.Rows(), c.FileCut()};
}

void Write(const std::string& file, const std::string& bytes)
{
    WriteBytes(file, reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
}

// The files of one input: the bytes, and when they end a line the same with
// a blank line and a line that is no row added.
struct TInput {
    std::string bytes;
    std::string file;
    std::string longer;
    char sep = ',';
};

// One catalogue's checks on an input; `copy` takes its save.
template <typename Row, typename Read, typename Text>
void CheckCatalogue(const char* name, const TInput& in, const std::string& copy, Read read, Text text,
                    const TCatalogueLimits& limits, std::size_t builtIn)
{
    const std::string& bytes = in.bytes;
    const char sep = in.sep;
    const std::string what = std::string(name) + ": ";
    SetDecimalSeparator(sep);
    const TRead<Row> first = read(in.file);
    const std::size_t kept = first.rows.size() - builtIn;
    if (first.cut && kept != static_cast<std::size_t>(limits.maxRows) && bytes.size() <= limits.maxBytes)
        Fail(what + "a file within the limits told as cut", bytes);
    if (!in.longer.empty()) {
        const TRead<Row> more = read(in.longer);
        if (more.rows != first.rows || more.cut != first.cut)
            Fail(what + "a blank line or a line that is no row, added at the end, changed the catalogue", bytes);
    }

    const std::string saved = text(first.rows);
    Write(copy, saved);
    for (const char readSep : {sep == ',' ? '.' : ',', sep}) {
        SetDecimalSeparator(readSep);
        const TRead<Row> again = read(copy);
        if (again.cut) Fail(what + "a saved catalogue reads cut", saved);
        if (again.rows != first.rows) Fail(what + "rows changed in a save and read", saved);
        if (readSep == sep && text(again.rows) != saved) Fail(what + "a second save differs from the first", saved);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0) return 0;
    BindSilentMessages();
    static const std::string file = ScratchFile("catalogue.def");
    static const std::string longer = ScratchFile("longer.def");
    static const std::string masonryCopy = ScratchFile("elementy_mur.def");
    static const std::string steelCopy = ScratchFile("stal_zbrojeniowa.def");
    TInput in;
    in.sep = (data[0] & 1) ? '.' : ',';
    in.bytes.assign(reinterpret_cast<const char*>(data + 1), size - 1);
    in.file = file;
    Write(file, in.bytes);
    if (in.bytes.empty() || in.bytes.back() == '\n') {
        in.longer = longer;
        Write(longer, in.bytes + "\r\n#\t\r\n");
    }

    CheckCatalogue<TMasonryUnitRow>("masonry units", in, masonryCopy, ReadMasonry, MasonryCatalogueText,
                                    {MaxUserMasonryUnits, MaxMasonryFileBytes, MaxMasonryLineBytes},
                                    BuiltInMasonryUnitCount);
    CheckCatalogue<TSteelRow>("steel grades", in, steelCopy, ReadSteel, SteelCatalogueText,
                              {MaxUserSteelRows, MaxSteelFileBytes, MaxSteelLineBytes}, BuiltInSteelRowCount);
    return 0;
}
