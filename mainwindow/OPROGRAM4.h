// The about box, which is also the splash screen of the start-up: a
// borderless teal picture with the program's name, version and the maker's
// lines. As a splash it stays on top and cannot be closed; once closable it
// closes on a click, on Escape or when it loses the focus.
#pragma once

#include <QDialog>

class QLabel;

namespace orv {

class TAbout4 : public QDialog {
    Q_OBJECT
public:
    explicit TAbout4(QWidget* parent = nullptr);

    bool splash() const { return splash_; }
    void setSplash(bool on);
    bool closable() const { return closable_; }
    void setClosable(bool on) { closable_ = on; }

protected:
    void showEvent(QShowEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void changeEvent(QEvent* e) override;
    void paintEvent(QPaintEvent* e) override;

private:
    void closeIfClosable();

    bool splash_ = false;
    bool closable_ = false;
    QLabel* version_ = nullptr;
};

} // namespace orv
