// The building blocks the element editor's pages share: the widths of
// captions and fields, the column and line layouts, and the showing of a
// stored choice in a button or list.
#pragma once

#include <QString>
#include <QStringList>

#include <initializer_list>
#include <string>

#include "core/ZunTypes.h"

class QAbstractButton;
class QComboBox;
class QHBoxLayout;
class QStackedWidget;
class QVBoxLayout;
class QWidget;

namespace orv::editorui {

constexpr int kCaptionWidth = 130;
constexpr int kEditWidth = 100;
constexpr int kMemberWidth = 130;

inline QString Q(const std::string& s) { return QString::fromStdString(s); }
inline QString Q(const char* s) { return QString::fromUtf8(s); }

QVBoxLayout* Column(QWidget* w);
QHBoxLayout* Line(QWidget* w);
// A page in a frameless scroll area that sizes it.
QWidget* Scrolled(QWidget* page);
// A page of the editor holding a notebook of the case's panels.
QWidget* AroundBook(QStackedWidget* book);
// The widgets side by side, from the left.
QWidget* InLine(std::initializer_list<QWidget*> widgets);
// A page of such a notebook: the groups one below the other, at its top.
QWidget* BookPage(std::initializer_list<QWidget*> groups);

// A check or radio box shows its state whatever the state of its group;
// an auto-exclusive button cannot be cleared otherwise.
void SetButtonState(QAbstractButton* b, bool checked);
// The items of a list, set only when they differ.
void SetComboItems(QComboBox* combo, const QStringList& items);
// The selection of a list, none for a stored value outside it.
void SetComboIndex(QComboBox* combo, int index);

// A wall stiffened along one or both vertical edges.
inline bool IsStiffened(u32 v) { return v == 1 || v == 2; }

} // namespace orv::editorui
