// The export of the report to the report editor: the report of the current
// element, or of all elements, as one RTF document "zun.rtf" in a private
// folder of the user's, handed to the editor library, which opens it in the
// user's editor. The range choices and figure sizes come from the project
// header; the elements are read one by one through an element source.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

#include <functional>
#include <memory>
#include <ostream>
#include <string>

#include "core/ZunCalc.h"
#include "core/ZunStrings.h"
#include "core/ZunTypes.h"
#include "drawing/CommonColorUnit.h"
#include "printing/CommonWordUnit.h"
#include "printing/ElementSource.h"

class QObject;

namespace orv {

inline constexpr const char* RtfExportFileName = "zun.rtf";
// Resolution of the figures embedded in the document.
constexpr int RtfFigureDpi = 200;
// The longer side of an embedded figure, at most, in pixels.
constexpr int RtfFigureMaxPixels = 4000;

// A figure's image as the document's PNG: in a palette of its own colours,
// in the order they first appear, at 1, 2, 4 or 8 bits a pixel, as few as
// they need, no row filter, deflated for runs of one colour at the fastest
// level, the image's physical size; as Qt writes it when it has more than
// 256 colours. Empty when it cannot be written.
QByteArray RtfFigurePng(const QImage& image);

// Makes the folder (its parents as needed) and leaves it readable, writable
// and enterable by its owner alone. False when that cannot be had: the path
// is a symbolic link, no folder, someone else's, or cannot be created.
bool MakePrivateFolder(const QString& folder);
// The export's own folder: "raport" in the program's local data folder.
QString RtfExportFolder();

// Opens the written report: where the desktop has a program for RTF files,
// through the editor library; else in LibreOffice Writer when installed;
// else the user is told where the file lies.
void HandToEditor(QObject* owner, const QString& file);

class TWstawDW4Calc {
public:
    TWstawDW4Calc();
    ~TWstawDW4Calc();
    TWstawDW4Calc(const TWstawDW4Calc&) = delete;
    TWstawDW4Calc& operator=(const TWstawDW4Calc&) = delete;

    // --- filled by the caller ---------------------------------------------------
    QString ExportFolder;           // empty: RtfExportFolder(); made private before writing
    QObject* Owner = nullptr;       // the window the editor library is called for
    TProjectHeader Header{};        // figure sizes and range choices (element 0's)
    int Count = 1;
    int Current = 0;
    TProjectElement& Element() { return *element_; }
    const TProjectElement& Element() const { return *element_; }
    TCalcResults Results{};         // of Element()
    IElementSource* Source = nullptr; // read for "Wszystkie elementy"

    // --- taken from the stored settings by PrepareSettings ------------------------
    TWordSettings Word;
    bool ColorFlag = true;
    TDrawingColors TextColors{};    // the horizontal wall's figure
    TDrawingColors PictureColors{}; // every other figure

    // Writes the report as "zun.rtf" into the export folder (the file is
    // replaced only once the new one is complete) and hands it on
    // (HandToEditor). A folder or file that cannot be written is reported with
    // "Błąd zapisu pliku!" and nothing is handed over. Returns the file
    // written, empty when none was.
    QString BitBtn1Click();

    // The "Word" settings and the colours they choose.
    void PrepareSettings();
    // The whole document with the current settings and colours (CR LF lines).
    std::string BuildReport();

    // --- the document, section by section (texts in code page 1250 mark-up) ---
    // The text split at its first "@@": each non-empty part its own paragraph.
    void WriteRtfLine(std::ostream& f, const std::string& text);
    void WriteRtfPar(std::ostream& f);
    // The scheme of case k - 1 (k = 1..6) of Element() as a picture.
    void WriteRtfFigure(std::ostream& f, int k);
    void RtfInputSheet(std::ostream& f);
    void RtfAssumptionsSheet(std::ostream& f);
    void RtfResultsSheet(std::ostream& f);
    // The chosen sections of Element()'s report.
    void RtfReportBody(std::ostream& f);
    // Each line of the sheet a paragraph, its columns at tabs; a results
    // sheet also indents by the lines' positions and marks red lines "(!!!)".
    void WriteRtfSheet(std::ostream& f, const TReportSheet& sheet, bool results);

private:
    void writeElement(std::ostream& f, bool first);

    std::unique_ptr<TProjectElement> element_;
};

} // namespace orv
