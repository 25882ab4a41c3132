#include "mainwindow/ZunWelcome.h"

#include <QCheckBox>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include "components/MSpeedBtn.h"
#include "components/StandardIcons.h"
#include "core/MyUtils.h"

namespace orv {
namespace {

const char* const kTag = "welcomeTag";

const QString kExampleText = QStringLiteral(
    "Otwórz plik z przykładowymi obliczeniami elementów murowych. Możesz zmienić niektóre dane, "
    "wydrukować lub wstawić do edytora.");

} // namespace

TWelcomeDlg::TWelcomeDlg(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("WelcomeDlg"));
    setWindowTitle(QStringLiteral("Witamy"));
    setMouseTracking(true);

    auto* layout = new QVBoxLayout(this);
    auto* heading = new QLabel(QStringLiteral("Obliczenia ścian i filarów murowych"), this);
    heading->setObjectName(QStringLiteral("Label1"));
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    layout->addWidget(heading);
    auto* product = new QLabel(QStringLiteral("Orvandel  v.") + QString::fromStdString(GetVersionText(false)), this);
    product->setObjectName(QStringLiteral("Label10"));
    product->setFont(bold);
    product->setStyleSheet(QStringLiteral("color: blue"));
    layout->addWidget(product);

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(12);
    int row = 0;
    auto addGroup = [&](const char* buttonName, QStyle::StandardPixmap icon, int tag, const char* titleName,
                        const QString& title, const char* textName, const QString& text) {
        auto* button = new TMMSpeedButton(this);
        button->setObjectName(QString::fromLatin1(buttonName));
        button->setIcon(StandardIcon(style(), icon));
        button->setIconSize(QSize(32, 32));
        button->setProperty(kTag, tag);
        button->installEventFilter(this);
        grid->addWidget(button, row, 0, 2, 1, Qt::AlignTop);
        auto* titleLabel = new QLabel(title, this);
        titleLabel->setObjectName(QString::fromLatin1(titleName));
        titleLabel->setFont(bold);
        titleLabel->setProperty(kTag, tag);
        titleLabel->setMouseTracking(true);
        titleLabel->installEventFilter(this);
        grid->addWidget(titleLabel, row, 1);
        if (textName) {
            auto* textLabel = new QLabel(text, this);
            textLabel->setObjectName(QString::fromLatin1(textName));
            textLabel->setWordWrap(true);
            textLabel->setProperty(kTag, tag);
            textLabel->setMouseTracking(true);
            textLabel->installEventFilter(this);
            grid->addWidget(textLabel, row + 1, 1);
        }
        row += 2;
        return button;
    };
    auto* newButton = addGroup("SpeedButton4", QStyle::SP_FileIcon, 10, "Label4", QStringLiteral("Nowe obliczenia"),
                               nullptr, QString());
    auto* example1 = addGroup("SpeedButton1", QStyle::SP_DialogOpenButton, 11, "Label8",
                              QStringLiteral("Przykład nr 1"), "Label5", kExampleText);
    auto* example2 = addGroup("SpeedButton2", QStyle::SP_DialogOpenButton, 12, "Label7",
                              QStringLiteral("Przykład nr 2"), "Label9", kExampleText);
    auto* help = addGroup("SpeedButton5", QStyle::SP_DialogHelpButton, 13, "Label6",
                          QStringLiteral("Przeglądnij plik pomocy."), nullptr, QString());
    layout->addLayout(grid);

    connect(newButton, &QToolButton::clicked, this, [this] {
        close();
        if (onNewProject) onNewProject();
    });
    connect(example1, &QToolButton::clicked, this, [this] {
        if (onOpenExample) onOpenExample(1);
        close();
    });
    connect(example2, &QToolButton::clicked, this, [this] {
        if (onOpenExample) onOpenExample(2);
        close();
    });
    connect(help, &QToolButton::clicked, this, [this] {
        if (onHelp) onHelp();
    });

    auto* bottom = new QHBoxLayout;
    checkBox1_ = new QCheckBox(QStringLiteral("nie pokazuj więcej tego okna"), this);
    checkBox1_->setObjectName(QStringLiteral("CheckBox1"));
    checkBox1_->installEventFilter(this);
    bottom->addWidget(checkBox1_);
    bottom->addStretch(1);
    auto* closeButton = new QPushButton(QStringLiteral("Zamknij"), this);
    closeButton->setObjectName(QStringLiteral("CloseButton"));
    connect(closeButton, &QPushButton::clicked, this, &QDialog::reject);
    bottom->addWidget(closeButton);
    layout->addLayout(bottom);
}

void TWelcomeDlg::HighlightWelcomeGroup(int hoveredTag)
{
    for (QLabel* label : findChildren<QLabel*>()) {
        const int tag = label->property(kTag).toInt();
        if (tag < 10 || tag > 30) continue;
        QPalette p = label->palette();
        p.setColor(QPalette::WindowText, tag == hoveredTag ? QColor(Qt::blue) : palette().color(QPalette::WindowText));
        label->setPalette(p);
    }
}

bool TWelcomeDlg::eventFilter(QObject* watched, QEvent* e)
{
    if (e->type() == QEvent::MouseMove || e->type() == QEvent::Enter)
        HighlightWelcomeGroup(watched->property(kTag).toInt());
    return QDialog::eventFilter(watched, e);
}

void TWelcomeDlg::mouseMoveEvent(QMouseEvent* e)
{
    HighlightWelcomeGroup(0);
    QDialog::mouseMoveEvent(e);
}

} // namespace orv
