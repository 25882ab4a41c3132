#include "printing/jollib/JolDialogs.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFileDialog>
#include <QFontDatabase>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPageSize>
#include <QPrinterInfo>
#include <QPushButton>
#include <QScrollArea>
#include <QSpinBox>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

#include "components/DecimalSpinBox.h"
#include "components/DialogButtons.h"
#include "core/CommonParamsUnit.h"
#include "core/MessageService.h"
#include "core/MyUtils.h"
#include "core/SettingsStore.h"
#include "printing/ReportRenderer.h"

namespace orv {
namespace {

const char* const kPrinting = "Printing";
constexpr double kMaxMarginMm = 1000.0;

QString Q(const std::string& s) { return QString::fromStdString(s); }

QDialogButtonBox* AddOkCancel(QDialog* dlg)
{
    return CreateDialogButtons(*dlg, {"okButton", "cancelButton"}).box;
}

QCheckBox* MakeCheck(QWidget* parent, const char* name, const QString& text)
{
    auto* c = new QCheckBox(text, parent);
    c->setObjectName(QString::fromLatin1(name));
    return c;
}

// An editable list of the installed families that keeps a stored name as it
// is, installed or not.
QComboBox* MakeFontCombo(QWidget* parent, const char* name)
{
    auto* c = new QComboBox(parent);
    c->setObjectName(QString::fromLatin1(name));
    c->setEditable(true);
    c->setInsertPolicy(QComboBox::NoInsert);
    c->addItems(QFontDatabase::families());
    return c;
}

QDoubleSpinBox* MakePointSpin(QWidget* parent, const char* name)
{
    auto* s = new TDecimalSpinBox(parent);
    s->setObjectName(QString::fromLatin1(name));
    s->setRange(0.5, MaxWordFontSize / 2.0);
    s->setSingleStep(0.5);
    s->setDecimals(1);
    s->setSuffix(QStringLiteral(" pt"));
    return s;
}

// Half-points of a stored size shown in points; the default for nonsense.
double PointsOf(int halfPoints, int fallback)
{
    if (halfPoints < 1 || halfPoints > MaxWordFontSize) halfPoints = fallback;
    return halfPoints / 2.0;
}

int HalfPointsOf(double points) { return std::clamp(RoundToInt(points * 2), 1, MaxWordFontSize); }

std::string FontNameOf(const QComboBox* c, const std::string& fallback)
{
    const std::string name = c->currentText().trimmed().toStdString();
    return name.empty() ? fallback : name;
}

} // namespace

void ReadJolPrintingValues(TJolPrintingValues& v)
{
    ISettingsStore& s = Settings();
    const auto k = SettingsKey::Maker;
    const TJolPrintingValues d;
    v.HeaderType = s.readInteger(k, kPrinting, "HeaderType").value_or(d.HeaderType);
    v.LogoPath = s.readString(k, kPrinting, "LogoPath").value_or(d.LogoPath);
    v.DrawLogo = s.readBool(k, kPrinting, "DrawLogo").value_or(d.DrawLogo);
    v.DrawFrame = s.readBool(k, kPrinting, "DrawFrame").value_or(d.DrawFrame);
    v.ShowTotalPageNumber = s.readBool(k, kPrinting, "ShowTotalPageNumber").value_or(d.ShowTotalPageNumber);
    v.ShowObjectInfo = s.readBool(k, kPrinting, "ShowObjectInfo").value_or(d.ShowObjectInfo);
    v.ShowNumberInfo = s.readBool(k, kPrinting, "ShowNumberInfo").value_or(d.ShowNumberInfo);
    v.MarginLeft = s.readInteger(k, kPrinting, "MarginLeft").value_or(d.MarginLeft);
    v.MarginRight = s.readInteger(k, kPrinting, "MarginRight").value_or(d.MarginRight);
    v.MarginTop = s.readInteger(k, kPrinting, "MarginTop").value_or(d.MarginTop);
    v.MarginBottom = s.readInteger(k, kPrinting, "MarginBottom").value_or(d.MarginBottom);
    v.FontName = s.readString(k, kPrinting, " FontName").value_or(d.FontName);
    v.FontSize = s.readInteger(k, kPrinting, "FontSize").value_or(d.FontSize);
    v.ColorPrinting = s.readBool(k, kPrinting, "ColorPrinting").value_or(d.ColorPrinting);
}

void WriteJolPrintingValues(const TJolPrintingValues& v)
{
    ISettingsStore& s = Settings();
    const auto k = SettingsKey::Maker;
    s.writeInteger(k, kPrinting, "HeaderType", v.HeaderType);
    s.writeString(k, kPrinting, "LogoPath", v.LogoPath);
    s.writeBool(k, kPrinting, "DrawLogo", v.DrawLogo);
    s.writeBool(k, kPrinting, "DrawFrame", v.DrawFrame);
    s.writeBool(k, kPrinting, "ShowTotalPageNumber", v.ShowTotalPageNumber);
    s.writeBool(k, kPrinting, "ShowObjectInfo", v.ShowObjectInfo);
    s.writeBool(k, kPrinting, "ShowNumberInfo", v.ShowNumberInfo);
    s.writeInteger(k, kPrinting, "MarginLeft", v.MarginLeft);
    s.writeInteger(k, kPrinting, "MarginRight", v.MarginRight);
    s.writeInteger(k, kPrinting, "MarginTop", v.MarginTop);
    s.writeInteger(k, kPrinting, "MarginBottom", v.MarginBottom);
    s.writeString(k, kPrinting, " FontName", v.FontName);
    s.writeInteger(k, kPrinting, "FontSize", v.FontSize);
    s.writeBool(k, kPrinting, "ColorPrinting", v.ColorPrinting);
    s.flush();
}

namespace {

// The settings the report would be laid out with.
TPrintingSettings PrintingSettingsOf(const TJolPrintingValues& v)
{
    TPrintingSettings s{};
    s.HeaderType = v.HeaderType;
    s.LogoPath.set(v.LogoPath);
    s.DrawLogo = v.DrawLogo;
    s.DrawFrame = v.DrawFrame;
    s.ShowTotalPageNumber = v.ShowTotalPageNumber;
    s.ShowObjectInfo = v.ShowObjectInfo;
    s.ShowNumberInfo = v.ShowNumberInfo;
    s.MarginLeft = v.MarginLeft / 10.0;
    s.MarginRight = v.MarginRight / 10.0;
    s.MarginTop = v.MarginTop / 10.0;
    s.MarginBottom = v.MarginBottom / 10.0;
    s.FontName.set(v.FontName);
    s.FontSize = v.FontSize;
    s.ColorPrinting = v.ColorPrinting;
    return s;
}

// A sheet of the paper printable to its edges, at a printer's resolution.
TPageGeometry PaperGeometry(const QSizeF& mm)
{
    constexpr int dpi = 600;
    TPageGeometry g;
    g.dpiX = g.dpiY = dpi;
    g.physicalSize = {RoundToInt(mm.width() / 25.4 * dpi), RoundToInt(mm.height() / 25.4 * dpi)};
    g.pageSize = g.physicalSize;
    return g;
}

} // namespace

bool MarginsLeavePrintableArea(double left, double right, double top, double bottom, const QSizeF& pageMm)
{
    for (double m : {left, right, top, bottom})
        if (!std::isfinite(m) || m < 0) return false;
    return left + right < pageMm.width() && top + bottom < pageMm.height();
}

QSizeF DefaultPaperSize()
{
    const QPrinterInfo printer = QPrinterInfo::defaultPrinter();
    if (!printer.isNull()) {
        const QPageSize page = printer.defaultPageSize();
        if (page.isValid()) return page.size(QPageSize::Millimeter);
    }
    return QPageSize(QPageSize::A4).size(QPageSize::Millimeter);
}

void PlaceDialog(QDialog& dlg, int x, int y)
{
    if (x >= 0 && y >= 0) dlg.move(x, y);
}

// --- printing settings --------------------------------------------------------

TPrintingSettingsDlg::TPrintingSettingsDlg(QWidget* parent) : QDialog(parent), paperMm_(DefaultPaperSize())
{
    setObjectName(QStringLiteral("PrintingSettingsDlg"));
    setWindowTitle(QStringLiteral("Ustawienia wydruku"));

    auto* header = new QGroupBox(QStringLiteral("Nagłówek strony"), this);
    auto* hf = new QFormLayout(header);
    headerType_ = new QComboBox(header);
    headerType_->setObjectName(QStringLiteral("HeaderType"));
    // The kinds the header library draws (kept as their numbers).
    headerType_->addItem(QStringLiteral("pełny na każdej stronie"), 0);
    headerType_->addItem(QStringLiteral("pełny na pierwszej stronie, dalej skrócony"), 1);
    headerType_->addItem(QStringLiteral("skrócony na każdej stronie"), 2);
    hf->addRow(QStringLiteral("Rodzaj nagłówka:"), headerType_);
    auto* logoRow = new QHBoxLayout;
    logoPath_ = new QLineEdit(header);
    logoPath_->setObjectName(QStringLiteral("LogoPath"));
    auto* browse = new QToolButton(header);
    browse->setObjectName(QStringLiteral("LogoButton"));
    browse->setText(QStringLiteral("..."));
    connect(browse, &QToolButton::clicked, this, &TPrintingSettingsDlg::chooseLogo);
    logoRow->addWidget(logoPath_, 1);
    logoRow->addWidget(browse);
    hf->addRow(QStringLiteral("Logo:"), logoRow);
    drawLogo_ = MakeCheck(header, "DrawLogo", QStringLiteral("Drukuj logo"));
    drawFrame_ = MakeCheck(header, "DrawFrame", QStringLiteral("Ramka"));
    totalPages_ = MakeCheck(header, "ShowTotalPageNumber", QStringLiteral("Ilość stron"));
    objectInfo_ = MakeCheck(header, "ShowObjectInfo", QStringLiteral("Obiekt"));
    numberInfo_ = MakeCheck(header, "ShowNumberInfo", QStringLiteral("Numer projektu"));
    for (QCheckBox* c : {drawLogo_, drawFrame_, totalPages_, objectInfo_, numberInfo_}) hf->addRow(c);

    auto* margins = new QGroupBox(QStringLiteral("Marginesy [mm]"), this);
    auto* mg = new QGridLayout(margins);
    const char* names[4] = {"MarginLeft", "MarginRight", "MarginTop", "MarginBottom"};
    const char* labels[4] = {"Lewy:", "Prawy:", "Górny:", "Dolny:"};
    for (int i = 0; i < 4; ++i) {
        auto* s = new TDecimalSpinBox(margins);
        s->setObjectName(QString::fromLatin1(names[i]));
        s->setRange(0.0, kMaxMarginMm);
        s->setDecimals(1);
        s->setSingleStep(0.5);
        margins_[i] = s;
        mg->addWidget(new QLabel(QString::fromUtf8(labels[i]), margins), i / 2, (i % 2) * 2);
        mg->addWidget(s, i / 2, (i % 2) * 2 + 1);
    }

    auto* font = new QGroupBox(QStringLiteral("Czcionka wydruku"), this);
    auto* ff = new QHBoxLayout(font);
    fontName_ = MakeFontCombo(font, "FontName");
    fontSize_ = new QSpinBox(font);
    fontSize_->setObjectName(QStringLiteral("FontSize"));
    fontSize_->setRange(4, 72);
    ff->addWidget(fontName_, 1);
    ff->addWidget(fontSize_);

    colorPrinting_ = MakeCheck(this, "ColorPrinting", QStringLiteral("Drukowanie w kolorze"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(header);
    layout->addWidget(margins);
    layout->addWidget(font);
    layout->addWidget(colorPrinting_);
    layout->addWidget(AddOkCancel(this));

    TJolPrintingValues v;
    ReadJolPrintingValues(v);
    setValues(v);
}

void TPrintingSettingsDlg::setValues(const TJolPrintingValues& v)
{
    kept_ = v;
    int kind = headerType_->findData(v.HeaderType);
    if (kind < 0) {
        // A kind of another header library: kept as it is.
        headerType_->addItem(QStringLiteral("inny rodzaj (nr %1)").arg(v.HeaderType), v.HeaderType);
        kind = headerType_->count() - 1;
    }
    headerType_->setCurrentIndex(kind);
    logoPath_->setText(Q(v.LogoPath));
    drawLogo_->setChecked(v.DrawLogo);
    drawFrame_->setChecked(v.DrawFrame);
    totalPages_->setChecked(v.ShowTotalPageNumber);
    objectInfo_->setChecked(v.ShowObjectInfo);
    numberInfo_->setChecked(v.ShowNumberInfo);
    const int tenths[4] = {v.MarginLeft, v.MarginRight, v.MarginTop, v.MarginBottom};
    for (int i = 0; i < 4; ++i) margins_[i]->setValue(tenths[i] / 10.0);
    fontName_->setEditText(Q(v.FontName));
    fontSize_->setValue(v.FontSize);
    colorPrinting_->setChecked(v.ColorPrinting);
}

TJolPrintingValues TPrintingSettingsDlg::values() const
{
    TJolPrintingValues v = kept_;
    v.HeaderType = headerType_->currentData().toInt();
    const std::string logo = logoPath_->text().trimmed().toStdString();
    v.LogoPath = logo.empty() ? "(brak)" : logo;
    v.DrawLogo = drawLogo_->isChecked();
    v.DrawFrame = drawFrame_->isChecked();
    v.ShowTotalPageNumber = totalPages_->isChecked();
    v.ShowObjectInfo = objectInfo_->isChecked();
    v.ShowNumberInfo = numberInfo_->isChecked();
    int* tenths[4] = {&v.MarginLeft, &v.MarginRight, &v.MarginTop, &v.MarginBottom};
    for (int i = 0; i < 4; ++i) *tenths[i] = RoundToInt(margins_[i]->value() * 10);
    v.FontName = FontNameOf(fontName_, kept_.FontName);
    v.FontSize = fontSize_->value();
    v.ColorPrinting = colorPrinting_->isChecked();
    return v;
}

void TPrintingSettingsDlg::chooseLogo()
{
    const QString file = QFileDialog::getOpenFileName(this, QStringLiteral("Logo"), QString(),
                                                      QStringLiteral("Obrazy (*.bmp *.png *.jpg *.jpeg)"));
    if (!file.isEmpty()) logoPath_->setText(file);
}

void TPrintingSettingsDlg::accept()
{
    const TJolPrintingValues v = values();
    if (!MarginsLeavePrintableArea(v.MarginLeft / 10.0, v.MarginRight / 10.0, v.MarginTop / 10.0,
                                   v.MarginBottom / 10.0, paperMm_) ||
        !MarginsLeaveReportLines(PrintingSettingsOf(v), PaperGeometry(paperMm_))) {
        ShowMessageDialog("Popraw!", "Błąd w definicji marginesów.", mdWarning, mbOK);
        return;
    }
    WriteJolPrintingValues(v);
    QDialog::accept();
}

// --- editor export settings -----------------------------------------------------

TWordSettingsDlg::TWordSettingsDlg(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("WordSettingsDlg"));
    setWindowTitle(QStringLiteral("Wstaw do edytora - ustawienia"));

    auto* form = new QFormLayout;
    fontName_ = MakeFontCombo(this, "FontName");
    fontSize_ = MakePointSpin(this, "FontSize");
    form->addRow(QStringLiteral("Czcionka:"), fontName_);
    form->addRow(QStringLiteral("Rozmiar:"), fontSize_);
    colorPrinting_ = MakeCheck(this, "ColorPrinting", QStringLiteral("Tekst i rysunki w kolorze"));
    monochrome_ = MakeCheck(this, "MonochromePicutre", QStringLiteral("Rysunki czarno-białe"));

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(colorPrinting_);
    layout->addWidget(monochrome_);
    layout->addWidget(AddOkCancel(this));

    TWordSettings v;
    ReadWordSettings(v);
    setValues(v);
}

void TWordSettingsDlg::setValues(const TWordSettings& v)
{
    kept_ = v;
    fontName_->setEditText(Q(v.FontName));
    fontSize_->setValue(PointsOf(v.FontSize, TWordSettings().FontSize));
    colorPrinting_->setChecked(v.ColorPrinting);
    monochrome_->setChecked(v.MonochromePicutre);
}

TWordSettings TWordSettingsDlg::values() const
{
    TWordSettings v = kept_;
    v.FontName = FontNameOf(fontName_, kept_.FontName);
    v.FontSize = HalfPointsOf(fontSize_->value());
    v.ColorPrinting = colorPrinting_->isChecked();
    v.MonochromePicutre = monochrome_->isChecked();
    return v;
}

void TWordSettingsDlg::accept()
{
    WriteWordSettings(values());
    QDialog::accept();
}

// --- fonts of the results text and the calculation trace -------------------------

TFontSettingsDlg::TFontSettingsDlg(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FontSettingsDlg"));
    setWindowTitle(QStringLiteral("Czcionka"));

    std::string name[2];
    int size[2] = {0, 0};
    ReadReportFont(name[0], size[0]);
    ReadPwFont(name[1], size[1]);
    const int fallback[2] = {20, 16};
    const char* names[2] = {"FontName", "FontNamePW"};
    const char* sizes[2] = {"FontSize", "FontSizePW"};
    const char* titles[2] = {"Wyniki obliczeń", "Podgląd toku obliczeń"};

    auto* layout = new QVBoxLayout(this);
    for (int i = 0; i < 2; ++i) {
        auto* group = new QGroupBox(QString::fromUtf8(titles[i]), this);
        auto* row = new QHBoxLayout(group);
        names_[i] = MakeFontCombo(group, names[i]);
        names_[i]->setEditText(Q(name[i]));
        sizes_[i] = MakePointSpin(group, sizes[i]);
        sizes_[i]->setValue(PointsOf(size[i], fallback[i]));
        row->addWidget(names_[i], 1);
        row->addWidget(sizes_[i]);
        layout->addWidget(group);
    }
    layout->addWidget(AddOkCancel(this));
}

void TFontSettingsDlg::accept()
{
    ISettingsStore& s = Settings();
    const auto k = SettingsKey::Maker;
    std::string name[2];
    int size[2] = {0, 0};
    ReadReportFont(name[0], size[0]);
    ReadPwFont(name[1], size[1]);
    s.writeString(k, ParamsSection, "FontName", FontNameOf(names_[0], name[0]));
    s.writeInteger(k, ParamsSection, "FontSize", HalfPointsOf(sizes_[0]->value()));
    s.writeString(k, ParamsSection, "FontName PW", FontNameOf(names_[1], name[1]));
    s.writeInteger(k, ParamsSection, "FontSize PW", HalfPointsOf(sizes_[1]->value()));
    s.flush();
    QDialog::accept();
}

// --- drawing colours ------------------------------------------------------------------

TColorEditorDlg::TColorEditorDlg(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("ColorEditorDlg"));
    setWindowTitle(QStringLiteral("Kolory rysunków"));
    ReadDrawingColors(colors_);

    auto* inner = new QWidget;
    auto* grid = new QGridLayout(inner);
    int row = 0;
    for (int slot : EditableColorSlots()) {
        auto* label = new QLabel(Q(DrawingColorCaption(slot)), inner);
        auto* button = new QPushButton(inner);
        button->setObjectName(QStringLiteral("colorButton%1").arg(slot));
        button->setFixedSize(48, 20);
        connect(button, &QPushButton::clicked, this, [this, slot] { chooseColor(slot); });
        buttons_[slot] = button;
        label->setBuddy(button);
        grid->addWidget(label, row, 0);
        grid->addWidget(button, row, 1);
        showColor(slot);
        ++row;
    }
    auto* scroll = new QScrollArea(this);
    scroll->setWidget(inner);
    scroll->setWidgetResizable(true);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(scroll);
    layout->addWidget(AddOkCancel(this));
    resize(340, 480);
}

void TColorEditorDlg::setSlotColor(int slot, TColor color)
{
    if (slot < 0 || slot >= DrawingColorCount || !buttons_[slot]) return;
    colors_[slot] = color;
    if (slot == 3) colors_[31] = color; // both read the stored "Wymiary"
    showColor(slot);
}

QPushButton* TColorEditorDlg::slotButton(int slot) const
{
    return slot >= 0 && slot < DrawingColorCount ? buttons_[slot] : nullptr;
}

void TColorEditorDlg::showColor(int slot)
{
    const QColor c = ColorToQColor(colors_[slot]);
    buttons_[slot]->setStyleSheet(QStringLiteral("background-color: %1; border: 1px solid black;").arg(c.name()));
}

void TColorEditorDlg::chooseColor(int slot)
{
    const QColor c = QColorDialog::getColor(ColorToQColor(colors_[slot]), this, Q(DrawingColorCaption(slot)));
    if (c.isValid()) setSlotColor(slot, QColorToColor(c));
}

void TColorEditorDlg::accept()
{
    WriteDrawingColors(colors_);
    QDialog::accept();
}

} // namespace orv
