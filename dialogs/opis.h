// "Opis projektu": the texts of the project header that the page header
// prints (author, title, object, project number) and the project comment.
// The dialog keeps no data of its own: the caller copies the texts in,
// shows it modally and copies them back on OK.
#pragma once

#include <QDialog>

#include <functional>
#include <string>
#include <vector>

#include "core/ZunTypes.h"

class QLineEdit;
class QPlainTextEdit;

namespace orv {

struct TDescriptionData {
    std::string Author;
    std::string Title;
    std::string Object;
    std::string ProjectNumber;
    std::vector<std::string> Comments; // the comment, line by line
};

// The header's texts with the given comment.
TDescriptionData DescriptionOf(const TProjectHeader& header, const std::vector<std::string>& comments);
// The four texts into the header (each cut to the header's 255 characters).
void SetDescription(TProjectHeader& header, const TDescriptionData& data);

class TDescription : public QDialog {
    Q_OBJECT
public:
    explicit TDescription(QWidget* parent = nullptr);

    void setData(const TDescriptionData& data);
    TDescriptionData data() const;

    // Opens a help topic.
    std::function<void(const std::string& topic)> onHelp;

    void BitBtn3Click();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QLineEdit* Author1 = nullptr;
    QLineEdit* Title1 = nullptr;
    QLineEdit* Object1 = nullptr;
    QLineEdit* Design_No1 = nullptr;
    QPlainTextEdit* Memo1 = nullptr;
};

// Shows the dialog with data; true on OK, and data holds the edited texts then.
bool ShowDescription(QWidget* parent, TDescriptionData& data,
                     const std::function<void(const std::string&)>& help = {});

} // namespace orv
