// The lines a word-wrapping label shows its text in at a width, and the
// text without the invisible characters that steer its line breaking.
#pragma once

#include <QChar>
#include <QFont>
#include <QString>
#include <QStringList>
#include <QTextLayout>
#include <QTextOption>

namespace orvtest {

// The text without word joiners and zero-width spaces.
inline QString VisibleText(QString text)
{
    text.remove(QChar(0x2060));
    text.remove(QChar(0x200B));
    return text;
}

// The lines of the text wrapped at word boundaries within `width` pixels.
inline QStringList WrappedLines(const QString& text, const QFont& font, int width)
{
    QStringList lines;
    for (const QString& paragraph : text.split(QLatin1Char('\n'))) {
        QTextLayout layout(paragraph, font);
        QTextOption option;
        option.setWrapMode(QTextOption::WordWrap);
        layout.setTextOption(option);
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(width);
            lines << paragraph.mid(line.textStart(), line.textLength());
        }
        layout.endLayout();
    }
    return lines;
}

} // namespace orvtest
