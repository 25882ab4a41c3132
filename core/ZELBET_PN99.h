// Reinforcing-steel grades to PN-B-03264:2002: the sixteen built-in rows of
// the catalogue, the user's own rows from "stal_zbrojeniowa.def" and the
// look-ups that turn a grade mark into a TSteelGrade.
#pragma once

#include <string>
#include <vector>

#include "core/ZunFiles.h"
#include "core/ZunTypes.h"

namespace orv {

// Name of the user's catalogue file.
extern const char* const SteelCatalogueFileName; // "stal_zbrojeniowa.def"

// One row of the catalogue as the list shows it: class text ("A-0" ..
// "A-IIIN"), grade mark and the strengths f_yk, f_yd, f_tk in MPa as typed.
struct TSteelRow {
    std::string Klasa;
    std::string Znak;
    std::string fyk;
    std::string fyd;
    std::string ftk;

    friend bool operator==(const TSteelRow&, const TSteelRow&) = default;
};

constexpr int BuiltInSteelRowCount = 16;
extern const TSteelRow BuiltInSteelRows[BuiltInSteelRowCount];

// Limits of a user row read from the file.
constexpr int MaxSteelMarkLength = 20;     // characters of TSteelGrade::Znak
constexpr double MinSteelStrength = 100;   // [MPa]
constexpr double MaxSteelStrength = 700;
constexpr int MaxUserSteelRows = 1000;
constexpr std::size_t MaxSteelFileBytes = 256 * 1024;
constexpr std::size_t MaxSteelLineBytes = 255;

// Class index of a class text: the text up to the first blank, "A-0" 0,
// "A-I" 1, "A-II" 2, "A-III" 3, "A-IIIN" 4; -1 for anything else.
int GetKlasa(const std::string& classText);

// Grade mark of a list item "mark (class)": the text before the first "("
// less its last character; without "(" the whole text less its last
// character; "" for "".
std::string getZnak(const std::string& description);

// The list item of a row: mark + " (" + class + ")".
std::string SteelItemText(const TSteelRow& row);

// The catalogue: the built-in rows in table order, then the user's rows,
// each inserted in front of the first row of a greater class text.
class TSteelCatalogue {
public:
    // Built-in rows only.
    TSteelCatalogue();

    // Rebuilds the rows from the built-in ones and the user file (none when
    // `userFile` is empty or missing) and the item list PN99.
    void Initialize(const std::string& userFile);

    const std::vector<TSteelRow>& Rows() const { return rows_; }
    // The items "mark (class)" of every row, in list order.
    const std::vector<std::string>& PN99() const { return pn99_; }

    // Fills `grade` for a mark. E_s 200 GPa always; the eleven fixed marks
    // take their own strengths (flag 0), any other mark those of its first
    // row (flag 1); a mark found nowhere leaves class, mark and strengths.
    void getStalZbrojeniowa(const std::string& mark, TSteelGrade& grade) const;

    // 0-based position of the first row with the mark, -1 when none.
    int GetIndexOfPN99(const std::string& mark) const;
    // Position of the row of a list item; also finds "mark-b" for "mark",
    // "20G2VY-b" for "20GSVY", and items of the older notation "class  (mark)".
    int GetIndexOfPN99StalOpis(const std::string& description) const;
    bool IsZnakExists(const std::string& mark) const { return GetIndexOfPN99(mark) >= 0; }

    // Inserts a row in front of the first row whose class text is greater.
    void AddSteelRow(const TSteelRow& row);
    // Appends the valid rows of the file whose marks are not known yet (the
    // first line, the header, is skipped); returns how many were added.
    int LoadUserSteels(const std::string& fileName);
    // Whether the last file read held a row the catalogue would have taken
    // past its limits (MaxUserSteelRows rows, MaxSteelFileBytes bytes), left
    // unread, and what CatalogueCutNotice says of it; empty when not.
    bool FileCut() const { return !cutNotice_.empty(); }
    const std::string& CutNotice() const { return cutNotice_; }

private:
    void rebuildItems();

    std::vector<TSteelRow> rows_;
    std::vector<std::string> pn99_;
    std::string cutNotice_;
};

// True when a row read from the file can stand in the list: a known class
// text, a valid mark, and three numbers within MinSteelStrength..MaxSteelStrength.
bool IsValidSteelRow(const TSteelRow& row);

// A mark the file keeps: 1..20 single-byte characters, no brackets (the list
// item "mark (class)" is split at the first one) and no control characters
// (a tab or a line break would split the file's line).
enum class TSteelMarkCheck { Ok, Empty, BadCharacters, TooLong, Duplicate };
TSteelMarkCheck CheckSteelMark(const std::string& mark, const std::vector<std::string>& marksInUse = {});

// One of the sixteen built-in rows, all five texts alike.
bool IsBuiltInSteelRow(const TSteelRow& row);
// Inserts `row` in front of the first row whose class text is greater.
void InsertSteelRow(std::vector<TSteelRow>& rows, const TSteelRow& row);

// The catalogue file: the header line, then every row (the built-in ones
// included) as class, mark, fyk, fyd, ftk separated by tabs; Windows-1250,
// lines ended by CR LF.
extern const char* const SteelCatalogueHeader; // "Klasa\tZnak\tfyk\tfyd\tftk"
std::string SteelCatalogueText(const std::vector<TSteelRow>& rows);
// Writes the file atomically; a failure leaves the previous file whole.
TFileResult SaveSteelCatalogue(const std::string& fileName, const std::vector<TSteelRow>& rows);

} // namespace orv
