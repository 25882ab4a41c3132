#include "printing/WydrukStart4.h"

#include <QApplication>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QStyledItemDelegate>
#include <QTabWidget>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <QVBoxLayout>

#include <cstring>

#include "components/DialogButtons.h"
#include "components/DialogKeys.h"
#include "components/DialogRunner.h"
#include "components/HelpRouterUnit.h"
#include "components/Realedit.h"
#include "platform/JolLib.h"
#include "printing/CalcZaawansowane.h"
#include "printing/CurrentPrinter.h"
#include "printing/PrinterSetup.h"

namespace orv {
namespace {

// Check kinds of the range rows.
enum TCheckKind { ckNone = 0, ckTriState = 1, ckCheckBox = 2, ckRadio = 3, ckButton = 4 };

struct TRangeRow {
    int level;
    int check;
    int image;
    int flag;  // k: the header byte +1108 + k; -1 none
    const char* text;
};

constexpr TRangeRow kRangeRows[] = {
    {0, ckNone, -1, -1, "ELEMENTY"},
    {1, ckRadio, -1, 5, "Wszystkie elementy"},
    {1, ckRadio, -1, 6, "Aktywny element"},
    {0, ckNone, -1, -1, "ZAKRES"},
    {1, ckCheckBox, -1, 7, "Nazwa elementu"},
    {1, ckCheckBox, -1, 1, "Dane"},
    {1, ckCheckBox, -1, 4, "Założenia"},
    {1, ckCheckBox, -1, 3, "Rysunek"},
    {1, ckCheckBox, -1, 2, "Wyniki"},
};

constexpr int kFlagRole = Qt::UserRole;
constexpr int kKindRole = Qt::UserRole + 1;
constexpr int kImageRole = Qt::UserRole + 2;

// Flags 1..7 are the bytes +1109..+1115 of the header.
u8& RangeByte(TProjectHeader& h, int k) { return h.PrintParts[k - 1]; }

int FlagOf(const QTreeWidgetItem* node) { return node->data(0, kFlagRole).toInt(); }
bool IsRadio(const QTreeWidgetItem* node) { return node->data(0, kKindRole).toInt() == ckRadio; }

// Radio rows get a round indicator in the place of the check box.
class TRangeRowDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        if (index.data(kKindRole).toInt() != ckRadio) {
            QStyledItemDelegate::paint(painter, option, index);
            return;
        }
        QStyleOptionViewItem opt = option;
        initStyleOption(&opt, index);
        const QWidget* w = opt.widget;
        QStyle* style = w ? w->style() : QApplication::style();
        const QRect mark = style->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &opt, w);
        QStyleOptionButton radio;
        radio.rect = mark;
        radio.state = (opt.state & QStyle::State_Enabled) |
                      (opt.checkState == Qt::Checked ? QStyle::State_On : QStyle::State_Off);
        opt.features &= ~QStyleOptionViewItem::HasCheckIndicator;
        opt.rect.setLeft(mark.right() + 1 + style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, w));
        style->drawControl(QStyle::CE_ItemViewItem, &opt, painter, w);
        style->drawPrimitive(QStyle::PE_IndicatorRadioButton, &radio, painter, w);
    }
};

std::string Text(const QLineEdit* e) { return e->text().toStdString(); }

QString LinesText(const std::vector<std::string>& lines)
{
    QStringList l;
    for (const std::string& s : lines) l << QString::fromStdString(s);
    return l.join(QLatin1Char('\n'));
}

bool SameText(const TShortString<255>& a, const TShortString<255>& b) { return a.raw() == b.raw(); }

} // namespace

TBeginPrint2::TBeginPrint2(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("BeginPrint2"));
    setWindowTitle(QStringLiteral("Drukuj"));

    // FormCreate
    rowVisible_.fill(true);
    rowEnabled_.fill(true);
    showPrintingSettings = ShowPrintingSettingsDlg;
    showWordInsertSettings = ShowWordInsertSettingsDlg;
    showAdvancedOptions = [this](QWidget* owner, TFigureSizes& sizes) {
        return ShowAdvancedPrintOptions(owner, sizes, onSaveDefaults,
                                        [](const std::string& topic) { ShowHelpTopic(QString::fromStdString(topic)); });
    };

    pages_ = new QTabWidget(this);
    pages_->setObjectName(QStringLiteral("PageControl1"));
    // Every tab whole, none behind scroll arrows: the dialog is as wide as they are.
    pages_->setUsesScrollButtons(false);
    pages_->setElideMode(Qt::ElideNone);

    // "Nagłówek / Drukarka"
    auto* headerPage = new QWidget;
    headerPage->setObjectName(QStringLiteral("TabSheet1"));
    auto* hv = new QVBoxLayout(headerPage);
    auto* fields = new QFormLayout;
    auto lineEdit = [headerPage](const char* name) {
        auto* e = new QLineEdit(headerPage);
        e->setObjectName(QString::fromLatin1(name));
        // Room for a title of 40 letters of Polish text ("n" is about as
        // wide as its average letter; averageCharWidth counts narrow ones
        // too), with the field's frame and margins.
        e->setMinimumWidth(e->fontMetrics().horizontalAdvance(QString(40, QLatin1Char('n'))) + 12);
        return e;
    };
    auto label = [headerPage](const char* name, const char* text) {
        auto* l = new QLabel(QString::fromUtf8(text), headerPage);
        l->setObjectName(QString::fromLatin1(name));
        return l;
    };
    autor1_ = lineEdit("autor1");
    tytul1_ = lineEdit("tytul1");
    obiekt1_ = lineEdit("obiekt1");
    nr_projektu1_ = lineEdit("nr_projektu1");
    obiektLabel_ = label("Label3", "Obiekt:");
    nrProjektuLabel_ = label("Label4", "Nr projektu:");
    fields->addRow(label("Label1", "Autor:"), autor1_);
    fields->addRow(label("Label2", "Tytuł:"), tytul1_);
    fields->addRow(obiektLabel_, obiekt1_);
    fields->addRow(nrProjektuLabel_, nr_projektu1_);
    auto spin = [headerPage](const char* name) {
        auto* e = new TIntegerSpinEdit(headerPage);
        e->setObjectName(QString::fromLatin1(name));
        e->setRange(1, 1000);
        e->setIncrement(1);
        e->setPrecision(0);
        e->setFixedWidth(80);
        return e;
    };
    str1_ = spin("str1");
    il_str1_ = spin("il_str1");
    ilStrLabel_ = label("Label6", "Ilość stron w projekcie");
    fields->addRow(label("Label5", "Zacznij numerować od strony:"), str1_);
    fields->addRow(ilStrLabel_, il_str1_);
    hv->addLayout(fields);

    auto* printerBox = new QGroupBox(QStringLiteral(" Drukarka "), headerPage);
    auto* ph = new QHBoxLayout(printerBox);
    ComboBox1_ = new QComboBox(printerBox);
    ComboBox1_->setObjectName(QStringLiteral("ComboBox1"));
    ComboBox1_->addItems(PrinterEntries());
    ComboBox1_->setCurrentIndex(CurrentPrinterIndex());
    auto* properties = new QPushButton(QStringLiteral("Właściwości"), printerBox);
    properties->setObjectName(QStringLiteral("BitBtn1"));
    properties->setAutoDefault(false);
    ph->addWidget(ComboBox1_, 1);
    ph->addWidget(properties);
    hv->addWidget(printerBox);
    hv->addStretch(1);

    // "Konfiguracja wydruku"
    auto* rangePage = new QWidget;
    rangePage->setObjectName(QStringLiteral("TabSheet2"));
    auto* rv = new QVBoxLayout(rangePage);
    tree_ = new QTreeWidget(rangePage);
    tree_->setObjectName(QStringLiteral("VirtualStringTree1"));
    tree_->setHeaderHidden(true);
    tree_->setColumnCount(1);
    tree_->setItemDelegate(new TRangeRowDelegate(tree_));
    auto* advanced = new QPushButton(QStringLiteral("Opcje zaawansowane"), rangePage);
    advanced->setObjectName(QStringLiteral("Button2"));
    advanced->setAutoDefault(false);
    rv->addWidget(tree_, 1);
    rv->addWidget(advanced, 0, Qt::AlignLeft);

    // "Komentarz"
    auto* commentPage = new QWidget;
    commentPage->setObjectName(QStringLiteral("TabSheet3"));
    auto* cv = new QVBoxLayout(commentPage);
    auto radio = [commentPage](const char* name, const char* text) {
        auto* r = new QRadioButton(QString::fromUtf8(text), commentPage);
        r->setObjectName(QString::fromLatin1(name));
        return r;
    };
    before_ = radio("RadioButton1", "wstaw przed wydrukiem");
    after_ = radio("RadioButton2", "wstaw po wydruku");
    none_ = radio("RadioButton3", "nie drukuj");
    none_->setChecked(true);
    cv->addWidget(before_);
    cv->addWidget(after_);
    cv->addWidget(none_);
    Memo1_ = new QPlainTextEdit(commentPage);
    Memo1_->setObjectName(QStringLiteral("Memo1"));
    Memo1_->setTabChangesFocus(true);
    cv->addWidget(Memo1_, 1);

    pages_->addTab(headerPage, QStringLiteral("Nagłówek / Drukarka"));
    pages_->addTab(rangePage, QStringLiteral("Konfiguracja wydruku"));
    pages_->addTab(commentPage, QStringLiteral("Komentarz"));

    auto button = [this](const char* name, const char* text) {
        auto* b = new QPushButton(QString::fromUtf8(text), this);
        b->setObjectName(QString::fromLatin1(name));
        b->setAutoDefault(false);
        return b;
    };
    const TDialogButtons row =
        CreateDialogButtons(*this, {"OKBtn", "CancelBtn"}, [this] { closeWith(ResultPrint); }, {}, Qt::Vertical);
    QPushButton* close = button("CloseBtn", "Zamknij");
    QPushButton* help = button("BitBtn3", "Pomoc");
    settingsBtn_ = button("Button3", "Ustawienia");
    preview_ = button("Button1", "Podgląd");
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(row.box);
    for (QPushButton* b : {close, help, settingsBtn_, preview_}) buttons->addWidget(b);
    buttons->addStretch(1);

    auto* layout = new QHBoxLayout(this);
    layout->addWidget(pages_, 1);
    layout->addLayout(buttons);

    connect(close, &QPushButton::clicked, this, [this] { closeWith(ResultClose); });
    connect(help, &QPushButton::clicked, this, &TBeginPrint2::BitBtn3Click);
    connect(settingsBtn_, &QPushButton::clicked, this, &TBeginPrint2::Button3Click);
    connect(preview_, &QPushButton::clicked, this, &TBeginPrint2::Button1Click);
    connect(advanced, &QPushButton::clicked, this, &TBeginPrint2::Button2Click);
    connect(properties, &QPushButton::clicked, this, &TBeginPrint2::BitBtn1Click);
    connect(ComboBox1_, &QComboBox::currentIndexChanged, this, &TBeginPrint2::ComboBox1Change);
    connect(tree_, &QTreeWidget::itemChanged, this, &TBeginPrint2::VirtualStringTree1Checked);

    // Enter moves on everywhere but in the memo, where it makes a new line.
    InstallEnterMovesFocus(this);
}

void TBeginPrint2::setHeader(const TProjectHeader& h)
{
    header_ = h;
    original_ = h;
    noteChanges();
}

void TBeginPrint2::setModified(bool m)
{
    modifiedIn_ = m;
    noteChanges();
}

void TBeginPrint2::setCommentLines(const std::vector<std::string>& lines)
{
    lines_ = lines;
    originalLines_ = lines;
    Memo1_->setPlainText(LinesText(lines));
    noteChanges();
}

bool TBeginPrint2::differsFromOriginal() const
{
    const TProjectHeader& a = header_;
    const TProjectHeader& b = original_;
    if (std::memcmp(a.FigureSize, b.FigureSize, sizeof a.FigureSize) != 0) return true;
    if (a.FirstPage != b.FirstPage || a.PageCount != b.PageCount) return true;
    if (!SameText(a.Author, b.Author) || !SameText(a.Title, b.Title) || !SameText(a.Object, b.Object) ||
        !SameText(a.ProjectNumber, b.ProjectNumber))
        return true;
    if (a.CommentPlace != b.CommentPlace) return true;
    for (int k = 1; k <= 7; ++k)
        if (a.PrintParts[k - 1] != b.PrintParts[k - 1]) return true;
    return lines_ != originalLines_;
}

void TBeginPrint2::noteChanges() { modified_ = modifiedIn_ || differsFromOriginal(); }

void TBeginPrint2::showEvent(QShowEvent* event)
{
    if (!event->spontaneous()) FormShow();
    QDialog::showEvent(event);
}

void TBeginPrint2::FormShow()
{
    const bool print = mode_ != 1;
    setWindowTitle(print ? QStringLiteral("Drukuj") : QStringLiteral("Wstaw do edytora"));
    pages_->setTabVisible(0, print);
    pages_->setTabVisible(2, print);
    pages_->setCurrentIndex(1);
    settingsBtn_->setToolTip(print ? QStringLiteral("Globalne ustawienia wydruku")
                                   : QStringLiteral("Ustawienia parametrów notki obliczeniowej"));
    preview_->setVisible(print);
    {
        // the printer may have been changed elsewhere since the last showing
        const QSignalBlocker block(ComboBox1_);
        ComboBox1_->setCurrentIndex(CurrentPrinterIndex());
    }
    ReadPrintingSettings(settings_);

    autor1_->setText(QString::fromStdString(header_.Author.str()));
    tytul1_->setText(QString::fromStdString(header_.Title.str()));
    obiekt1_->setText(QString::fromStdString(header_.Object.str()));
    nr_projektu1_->setText(QString::fromStdString(header_.ProjectNumber.str()));
    str1_->setValue(header_.FirstPage);
    il_str1_->setValue(header_.PageCount);

    if (header_.CommentPlace == 1) before_->setChecked(true);
    else if (header_.CommentPlace == 2) after_->setChecked(true);
    else none_->setChecked(true);
    Memo1_->setPlainText(LinesText(lines_));

    ShowHeaderFields();

    tree_->blockSignals(true);
    tree_->clear();
    tree_->blockSignals(false);
    BuildRangeTree();
    SetRangeChecks();
    ApplyRangeRowStates();
    tree_->viewport()->update();
    // Each opening at the size its pages ask for, whatever it was left at.
    resize(sizeHint());
}

void TBeginPrint2::ShowHeaderFields()
{
    obiekt1_->setVisible(settings_.ShowObjectInfo != 0);
    obiektLabel_->setVisible(settings_.ShowObjectInfo != 0);
    nr_projektu1_->setVisible(settings_.ShowNumberInfo != 0);
    nrProjektuLabel_->setVisible(settings_.ShowNumberInfo != 0);
    il_str1_->setVisible(settings_.ShowTotalPageNumber != 0);
    ilStrLabel_->setVisible(settings_.ShowTotalPageNumber != 0);
}

void TBeginPrint2::BuildRangeTree()
{
    const QSignalBlocker quiet(tree_);
    QTreeWidgetItem* parent = nullptr;
    for (const TRangeRow& row : kRangeRows) {
        QTreeWidgetItem* node = row.level == 0 || !parent ? new QTreeWidgetItem(tree_) : new QTreeWidgetItem(parent);
        if (row.level == 0) parent = node;
        node->setText(0, QString::fromUtf8(row.text));
        node->setData(0, kFlagRole, row.flag);
        node->setData(0, kImageRole, row.image);
        const int kind = row.check >= ckTriState && row.check <= ckButton ? row.check : ckNone;
        node->setData(0, kKindRole, kind);
        if (kind != ckNone) {
            Qt::ItemFlags f = node->flags() | Qt::ItemIsUserCheckable;
            if (kind == ckTriState) f |= Qt::ItemIsUserTristate;
            node->setFlags(f);
            node->setCheckState(0, Qt::Unchecked);
        }
    }
    tree_->expandAll();
}

void TBeginPrint2::SetRangeChecks()
{
    const QSignalBlocker quiet(tree_);
    for (QTreeWidgetItemIterator it(tree_); *it; ++it) {
        QTreeWidgetItem* node = *it;
        const int k = FlagOf(node);
        if (k < 1 || k > 7) continue;
        const bool on = RangeByte(header_, k) != 0;
        node->setCheckState(0, on ? Qt::Checked : Qt::Unchecked);
        // one radio row of a group at a time: the later one wins
        if (on && IsRadio(node) && node->parent())
            for (int i = 0; i < node->parent()->childCount(); ++i) {
                QTreeWidgetItem* other = node->parent()->child(i);
                if (other != node && IsRadio(other)) other->setCheckState(0, Qt::Unchecked);
            }
    }
}

void TBeginPrint2::ReadRangeChecks()
{
    for (QTreeWidgetItemIterator it(tree_); *it; ++it) {
        QTreeWidgetItem* node = *it;
        const int k = FlagOf(node);
        if (k < 1 || k > 7 || node->isHidden()) continue;
        RangeByte(header_, k) = node->checkState(0) == Qt::Checked ? 1 : 0;
    }
    noteChanges();
}

void TBeginPrint2::ApplyRangeRowStates()
{
    const QSignalBlocker quiet(tree_);
    int n = 0;
    for (QTreeWidgetItemIterator it(tree_); *it; ++it) {
        if (++n > RangeRowStates) break;
        (*it)->setHidden(!rowVisible_[n - 1]);
        (*it)->setDisabled(!rowEnabled_[n - 1]);
    }
}

void TBeginPrint2::VirtualStringTree1Checked(QTreeWidgetItem* node)
{
    if (node && IsRadio(node)) {
        const QSignalBlocker quiet(tree_);
        if (node->checkState(0) != Qt::Checked) {
            // a radio row is cleared only by choosing another
            node->setCheckState(0, Qt::Checked);
        } else if (node->parent()) {
            for (int i = 0; i < node->parent()->childCount(); ++i) {
                QTreeWidgetItem* other = node->parent()->child(i);
                if (other != node && IsRadio(other)) other->setCheckState(0, Qt::Unchecked);
            }
        }
    }
    ReadRangeChecks();
    ApplyRangeRowStates();
    tree_->viewport()->update();
}

bool TBeginPrint2::OKBtnClick()
{
    // a page number still being typed is checked as if its field were left
    if (!str1_->commit() || !il_str1_->commit()) return false;
    ReadRangeChecks();
    header_.Author.set(Text(autor1_));
    header_.Title.set(Text(tytul1_));
    header_.FirstPage = static_cast<u16>(str1_->intValue());
    header_.Object.set(Text(obiekt1_));
    header_.ProjectNumber.set(Text(nr_projektu1_));
    header_.PageCount = static_cast<u16>(il_str1_->intValue());
    header_.CommentPlace = before_->isChecked() ? 1 : after_->isChecked() ? 2 : 0;
    // the memo's lines, unless its text is still the one that came in
    const QString memo = Memo1_->toPlainText();
    if (memo != LinesText(lines_)) {
        lines_.clear();
        if (!memo.isEmpty())
            for (const QString& line : memo.split(QLatin1Char('\n'))) lines_.push_back(line.toStdString());
    }
    noteChanges();
    return true;
}

void TBeginPrint2::closeWith(int result)
{
    if (OKBtnClick()) done(result);
}

void TBeginPrint2::reject()
{
    // nothing is taken back: the copies are again the ones that came in
    header_ = original_;
    lines_ = originalLines_;
    modified_ = modifiedIn_;
    done(ResultCancel);
}

void TBeginPrint2::ComboBox1Change(int index) { SetCurrentPrinter(index); }

void TBeginPrint2::BitBtn1Click()
{
    ShowPrinterProperties(this);
}

void TBeginPrint2::Button1Click()
{
    if (!OKBtnClick()) return;
    if (onPreview && onPreview(header_, lines_)) closeWith(ResultPrint);
}

void TBeginPrint2::Button2Click()
{
    TFigureSizes sizes = FigureSizesOf(header_);
    if (!showAdvancedOptions || !showAdvancedOptions(this, sizes)) return;
    SetFigureSizes(header_, sizes);
    noteChanges();
}

void TBeginPrint2::Button3Click()
{
    if (mode_ == 1) {
        if (showWordInsertSettings) showWordInsertSettings(this, wordPlace_);
        return;
    }
    if (showPrintingSettings && showPrintingSettings(this, printingPlace_)) {
        ReadPrintingSettings(settings_);
        ShowHeaderFields();
    }
}

void TBeginPrint2::BitBtn3Click()
{
    if (mode_ == 1) ShowHelpTopic("wstawianie");
    else ShowHelpTopic("wydruk");
}

void TBeginPrint2::keyPressEvent(QKeyEvent* event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) && focusWidget() != Memo1_) {
        focusNextChild();
        return;
    }
    QDialog::keyPressEvent(event);
}

} // namespace orv
