#include "core/ZELBET_PN99.h"

#include <unordered_set>

#include "core/Cp1250.h"
#include "core/MyUtils.h"

namespace orv {

const char* const SteelCatalogueFileName = "stal_zbrojeniowa.def";
const char* const SteelCatalogueHeader = "Klasa\tZnak\tfyk\tfyd\tftk";

const TSteelRow BuiltInSteelRows[BuiltInSteelRowCount] = {
    {"A-0", "St0S-b", "220", "190", "300"},
    {"A-I", "St3SX-b", "240", "210", "320"},
    {"A-I", "St3SY-b", "240", "210", "320"},
    {"A-I", "St3S-b", "240", "210", "320"},
    {"A-I", "PB240", "240", "210", "265"},
    {"A-II", "St50B", "355", "310", "480"},
    {"A-II", "18G2-b", "355", "310", "480"},
    {"A-II", "20G2Y-b", "355", "310", "480"},
    {"A-III", "25G2S", "395", "350", "530"},
    {"A-III", "35G2Y", "410", "350", "550"},
    {"A-III", "34GS", "410", "350", "550"},
    {"A-III", "RB400", "400", "350", "440"},
    {"A-III", "RB400W", "400", "350", "440"},
    {"A-IIIN", "20G2VY-b", "490", "420", "590"},
    {"A-IIIN", "RB500", "500", "420", "550"},
    {"A-IIIN", "RB500W", "500", "420", "550"},
};

namespace {

// The older grades with strengths of their own [MPa]; they take precedence
// over the rows of the list (f_tk differs from the list's column).
struct FixedGrade {
    const char* mark;
    i32 klasa;
    double fyk = 0, fyd = 0, ftk = 0;
};
constexpr FixedGrade FixedGrades[] = {
    {"St0S-b", 0, 220, 190, 260},
    {"St3SX-b", 1, 240, 210, 310},
    {"St3SY-b", 1, 240, 210, 310},
    {"St3S-b", 1, 240, 210, 310},
    {"St50B", 2, 355, 310, 410},
    {"18G2-b", 2, 355, 310, 410},
    {"20G2Y-b", 2, 355, 310, 410},
    {"25G2S", 3, 395, 350, 500},
    {"35G2Y", 3, 410, 350, 500},
    {"34GS", 3, 410, 350, 500},
    {"20G2VY-b", 4, 490, 420, 500},
};

constexpr const char* ClassTexts[] = {"A-0", "A-I", "A-II", "A-III", "A-IIIN"};
constexpr double SteelModulus = 2e11; // [Pa]

// Removes the last UTF-8 character (with its continuation bytes).
void dropLastCharacter(std::string& s)
{
    while (!s.empty()) {
        const unsigned char c = static_cast<unsigned char>(s.back());
        s.pop_back();
        if ((c & 0xC0) != 0x80) break;
    }
}

std::string trimmed(const std::string& s)
{
    const std::size_t b = s.find_first_not_of(' ');
    if (b == std::string::npos) return {};
    return s.substr(b, s.find_last_not_of(' ') - b + 1);
}

bool strengthInRange(const std::string& text)
{
    double v = 0;
    return TryTextToFloat(text, v) && v >= MinSteelStrength && v <= MaxSteelStrength;
}

// A strength text as a number in Pa; a text that is no number gives 0.
double strengthPa(const std::string& text)
{
    double v = 0;
    return TryTextToFloat(text, v) ? v * 1e6 : 0.0;
}

} // namespace

int GetKlasa(const std::string& classText)
{
    const std::string head = classText.substr(0, classText.find(' '));
    for (int k = 0; k < 5; ++k)
        if (head == ClassTexts[k]) return k;
    return -1;
}

std::string getZnak(const std::string& description)
{
    std::string mark = description.substr(0, description.find('('));
    dropLastCharacter(mark);
    return mark;
}

std::string SteelItemText(const TSteelRow& row) { return row.Znak + " (" + row.Klasa + ")"; }

bool IsValidSteelRow(const TSteelRow& row)
{
    bool knownClass = false;
    for (const char* c : ClassTexts) knownClass = knownClass || row.Klasa == c;
    if (!knownClass || CheckSteelMark(row.Znak) != TSteelMarkCheck::Ok) return false;
    return strengthInRange(row.fyk) && strengthInRange(row.fyd) && strengthInRange(row.ftk);
}

TSteelMarkCheck CheckSteelMark(const std::string& mark, const std::vector<std::string>& marksInUse)
{
    const std::string bytes = Utf8ToCp1250(mark);
    if (bytes.empty()) return TSteelMarkCheck::Empty;
    for (char c : bytes)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F || c == '(' || c == ')')
            return TSteelMarkCheck::BadCharacters;
    if (bytes.size() > static_cast<std::size_t>(MaxSteelMarkLength)) return TSteelMarkCheck::TooLong;
    for (const std::string& used : marksInUse)
        if (used == mark) return TSteelMarkCheck::Duplicate;
    return TSteelMarkCheck::Ok;
}

bool IsBuiltInSteelRow(const TSteelRow& row)
{
    for (const TSteelRow& b : BuiltInSteelRows)
        if (b == row) return true;
    return false;
}

void InsertSteelRow(std::vector<TSteelRow>& rows, const TSteelRow& row)
{
    auto at = rows.begin();
    while (at != rows.end() && !(at->Klasa > row.Klasa)) ++at;
    rows.insert(at, row);
}

std::string SteelCatalogueText(const std::vector<TSteelRow>& rows)
{
    std::string text = std::string(SteelCatalogueHeader) + "\r\n";
    for (const TSteelRow& r : rows)
        text += Utf8ToCp1250(r.Klasa + '\t' + r.Znak + '\t' + r.fyk + '\t' + r.fyd + '\t' + r.ftk) + "\r\n";
    return text;
}

TFileResult SaveSteelCatalogue(const std::string& fileName, const std::vector<TSteelRow>& rows)
{
    if (WriteFileAtomically(fileName, SteelCatalogueText(rows))) return {};
    return FileWriteFailed(fileName);
}

TSteelCatalogue::TSteelCatalogue()
{
    Initialize({});
}

void TSteelCatalogue::Initialize(const std::string& userFile)
{
    rows_.assign(std::begin(BuiltInSteelRows), std::end(BuiltInSteelRows));
    cutNotice_.clear();
    if (!userFile.empty()) LoadUserSteels(userFile);
    rebuildItems();
}

void TSteelCatalogue::rebuildItems()
{
    pn99_.clear();
    pn99_.reserve(rows_.size());
    for (const TSteelRow& row : rows_) pn99_.push_back(SteelItemText(row));
}

void TSteelCatalogue::getStalZbrojeniowa(const std::string& mark, TSteelGrade& grade) const
{
    grade.Es = SteelModulus;
    grade.UserGrade = 1;
    for (const FixedGrade& f : FixedGrades) {
        if (mark != f.mark) continue;
        grade.Klasa = f.klasa;
        grade.Znak.set(mark);
        grade.fyk = f.fyk * 1e6;
        grade.fyd = f.fyd * 1e6;
        grade.ftk = f.ftk * 1e6;
        grade.UserGrade = 0;
        return;
    }
    const int i = GetIndexOfPN99(mark);
    if (i < 0) return;
    const TSteelRow& row = rows_[static_cast<std::size_t>(i)];
    grade.Klasa = GetKlasa(row.Klasa);
    grade.Znak.set(row.Znak);
    grade.fyk = strengthPa(row.fyk);
    grade.fyd = strengthPa(row.fyd);
    grade.ftk = strengthPa(row.ftk);
}

int TSteelCatalogue::GetIndexOfPN99(const std::string& mark) const
{
    for (std::size_t i = 0; i < rows_.size(); ++i)
        if (rows_[i].Znak == mark) return static_cast<int>(i);
    return -1;
}

int TSteelCatalogue::GetIndexOfPN99StalOpis(const std::string& description) const
{
    std::string mark = getZnak(description);
    // The older notation put the class first: "A-I  (St3S)". An item of the
    // list has a class in its brackets, whatever its mark looks like.
    const std::size_t open = description.find('(');
    if (open != std::string::npos && GetKlasa(trimmed(mark)) >= 0) {
        const std::size_t close = description.find(')', open);
        const std::string inBrackets = trimmed(
            description.substr(open + 1, close == std::string::npos ? std::string::npos : close - open - 1));
        if (GetKlasa(inBrackets) < 0) mark = inBrackets;
    }
    int i = GetIndexOfPN99(mark);
    if (i < 0) i = GetIndexOfPN99(mark + "-b");
    if (i < 0 && mark == "20GSVY") i = GetIndexOfPN99("20G2VY-b");
    return i;
}

void TSteelCatalogue::AddSteelRow(const TSteelRow& row)
{
    InsertSteelRow(rows_, row);
}

int TSteelCatalogue::LoadUserSteels(const std::string& fileName)
{
    int added = 0;
    // The marks known, looked up once a line.
    std::unordered_set<std::string> marks;
    for (const TSteelRow& r : rows_) marks.insert(r.Znak);
    const auto takeRow = [this, &marks](const std::string& line, bool keep) {
        std::string rest = Cp1250ToUtf8(line);
        TSteelRow row;
        SplitAtTab(rest, row.Klasa, rest);
        SplitAtTab(rest, row.Znak, rest);
        SplitAtTab(rest, row.fyk, rest);
        SplitAtTab(rest, row.fyd, rest);
        SplitAtTab(rest, row.ftk, rest);
        if (!IsValidSteelRow(row) || marks.count(row.Znak) > 0) return false;
        if (keep) {
            marks.insert(row.Znak);
            AddSteelRow(row);
        }
        return true;
    };
    cutNotice_ = ReadCatalogueRows(fileName, {MaxUserSteelRows, MaxSteelFileBytes, MaxSteelLineBytes}, takeRow, added);
    return added;
}

} // namespace orv
