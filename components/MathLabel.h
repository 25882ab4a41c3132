// The label of the input forms that carries engineering symbols: "!" runs
// are raised and "_" runs lowered in the index font, "@" runs are Symbol
// letters (shown as their Unicode Greek), a doubled mark is the mark itself.
//   "f_b_ [MPa] =", "[cm!4!]", "@g@_f_="
#pragma once

#include <QFont>
#include <QSize>
#include <QString>
#include <QWidget>

#include <vector>

namespace orv {

struct TCaptionPiece {
    enum Kind { Plain, Superscript, Subscript, Symbol } kind = Plain;
    QString text;
    bool operator==(const TCaptionPiece& o) const { return kind == o.kind && text == o.text; }
};

// The pieces of a caption in drawing order; a run without its closing
// mark extends to the end. Symbol pieces are already mapped to Unicode.
std::vector<TCaptionPiece> SplitCaptionMarkup(const QString& caption);

class TMathLabel : public QWidget {
    Q_OBJECT
public:
    explicit TMathLabel(QWidget* parent = nullptr);
    TMathLabel(const QString& caption, QWidget* parent = nullptr);

    QString caption() const { return caption_; }
    void setCaption(const QString& caption);
    QFont indexFont() const { return indexFont_; }
    void setIndexFont(const QFont& font);

    QSize sizeHint() const override;
    // A caption is never cut: the layout gives it its whole width.
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent* e) override;
    void changeEvent(QEvent* e) override;

private:
    QString caption_;
    QFont indexFont_;
    // The measured size until the caption or a font changes: layouts ask
    // for it over and over, and measuring shapes every piece of the text.
    mutable QSize sizeHint_;
};

} // namespace orv
