// The multi-player window's panels and controls, laid out as the window has always had them.
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

#include "core/context.h"
#include "net/mp_form.h"
#include "platform/desktop/window_style.h"
#include "platform/platform.h"

namespace kvd {

namespace {
constexpr int kLabelPixels = 24;
}  // namespace

QWidget* TMPForm::MakePanel(QWidget* parent, int w, int h, const char* name) {
    auto* p = new QWidget(parent);
    p->setObjectName(QString::fromLatin1(name));
    p->resize(w, h);
    p->setMouseTracking(true);
    p->installEventFilter(this);
    p->setAttribute(Qt::WA_StyledBackground, true);
    p->setStyleSheet(QStringLiteral("#%1 { background: black; }").arg(QString::fromLatin1(name)));
    return p;
}

QLabel* TMPForm::MakeLabel(QWidget* parent, const QString& caption, int x, int y, int w,
                           bool clickable) {
    auto* l = new QLabel(caption, parent);
    l->setGeometry(x, y, w, 34);
    l->setTextFormat(Qt::PlainText);
    l->setFont(context_.platform.fonts->TitleFont(kLabelPixels));
    l->setStyleSheet(TextColourSheet(MenuTextColour()));
    l->setMouseTracking(true);
    if (clickable) {
        l->installEventFilter(this);
        l->setCursor(Qt::PointingHandCursor);
        clickable_.push_back(l);
    }
    return l;
}

QLineEdit* TMPForm::MakeEdit(QWidget* parent, int x, int y, int w, bool readOnly, int maxLength) {
    auto* e = new QLineEdit(parent);
    e->setGeometry(x, y + 3, w, 28);
    e->setReadOnly(readOnly);
    e->setMaxLength(maxLength);
    QFont font = e->font();
    font.setPixelSize(16);
    e->setFont(font);
    e->setStyleSheet(
        QStringLiteral("QLineEdit { color: %1; background: #101418; border: 1px solid %1; "
                       "padding-left: 4px; }")
            .arg(MenuTextColour().name()));
    return e;
}

void TMPForm::BuildLayout() {
    const QString text = MenuTextColour().name();
    BackPanel = MakePanel(this, 604, 500, "BackPanel");
    BackPanel->setStyleSheet(
        QStringLiteral("#BackPanel { background: black; border: 1px solid %1; }").arg(text));
    Label4 = MakeLabel(BackPanel, QStringLiteral("Multi-Player"), 0, 24, 604);
    Label4->setFont(context_.platform.fonts->TitleFont(44));
    Label4->setGeometry(0, 20, 604, 60);
    Label4->setAlignment(Qt::AlignCenter);
    MainPanel = MakePanel(BackPanel, 545, 361, "MainPanel");
    MainPanel->move(30, 110);

    BuildStartAndHostPanels();
    BuildJoinPanel();

    // The status lines speak in a smaller type, two lines of it, so a long message is read whole.
    for (QLabel* log : {SvrLogLabel, CltLogLabel}) {
        QFont font = AlliedName->font();
        font.setPixelSize(15);
        log->setFont(font);
        log->resize(log->width(), 44);
    }

    // The focus rests off screen, so no edit takes the keys meant for the window.
    outBox = new QLineEdit(this);
    outBox->setGeometry(-999, -999, 10, 10);
}

void TMPForm::BuildStartAndHostPanels() {
    StartPanel = MakePanel(MainPanel, 509, 170, "StartPanel");
    Label8 = MakeLabel(StartPanel, QStringLiteral("Host"), 0, 4, 509, true);
    Label9 = MakeLabel(StartPanel, QStringLiteral("Join"), 0, 58, 509, true);
    Label1 = MakeLabel(StartPanel, QStringLiteral("Cancel"), 0, 112, 509, true);
    for (QLabel* l : {Label8, Label9, Label1}) l->setAlignment(Qt::AlignCenter);

    SvrPanel = MakePanel(MainPanel, 527, 343, "SvrPanel");
    Label2 = MakeLabel(SvrPanel, QStringLiteral("Server IP Address  :"), 10, 6, 250);
    ServerIP = MakeEdit(SvrPanel, 270, 6, 230, true);
    Label3 = MakeLabel(SvrPanel, QStringLiteral("Enter Name :"), 10, 42, 250);
    AlliedName = MakeEdit(SvrPanel, 270, 42, 230, false, 16);
    Label15 = MakeLabel(SvrPanel, QStringLiteral("Multi-Player Game :"), 10, 78, 250);
    GameName = MakeEdit(SvrPanel, 270, 78, 230, false, 16);
    ServerPortLab = MakeLabel(SvrPanel, QStringLiteral("Port :"), 10, 114, 250);
    ServerPortEdit = MakeEdit(SvrPanel, 270, 114, 90, false, 5);
    ServerPortEdit->setText(QStringLiteral("1234"));
    SvrLogLabel = MakeLabel(SvrPanel, QStringLiteral("Log Status"), 10, 152, 507);
    AxisPanel = MakePanel(SvrPanel, 490, 80, "AxisPanel");
    Label6 = MakeLabel(AxisPanel, QStringLiteral("Enemy Commander:"), 2, 4, 250);
    AxisName = MakeEdit(AxisPanel, 262, 4, 220, true);
    Label26 = MakeLabel(AxisPanel, QStringLiteral("Enemy Navy:"), 2, 42, 250);
    Edit6 = MakeEdit(AxisPanel, 262, 42, 220, true);
    Label10 = MakeLabel(SvrPanel, QStringLiteral("Start "), 30, 295, 240, true);
    Label7 = MakeLabel(SvrPanel, QStringLiteral("Cancel"), 300, 295, 200, true);
}

void TMPForm::BuildJoinPanel() {
    const QString text = MenuTextColour().name();
    ClientPanel = MakePanel(MainPanel, 527, 343, "ClientPanel");
    Label5 = MakeLabel(ClientPanel, QStringLiteral("Server IP Address :"), 10, 6, 250);
    ClientIP = MakeEdit(ClientPanel, 270, 6, 230, false, 16);
    Label11 = MakeLabel(ClientPanel, QStringLiteral("Axis Commander name :"), 10, 42, 250);
    Edit1 = MakeEdit(ClientPanel, 270, 42, 230, false, 16);
    Label12 = MakeLabel(ClientPanel, QStringLiteral("Port :"), 10, 78, 250);
    ClientPortEdit = MakeEdit(ClientPanel, 270, 78, 90, false, 5);
    ClientPortEdit->setText(QStringLiteral("1234"));
    CltLogLabel = MakeLabel(ClientPanel, QStringLiteral("Log Status"), 10, 112, 507);
    // The games heard on the local network, where the host's greeting shows once connected.
    GameList = new QListWidget(ClientPanel);
    GameList->setGeometry(16, 160, 473, 88);
    GameList->setFocusPolicy(Qt::NoFocus);
    QFont listFont = GameList->font();
    listFont.setPixelSize(16);
    GameList->setFont(listFont);
    GameList->setStyleSheet(
        QStringLiteral("QListWidget { color: %1; background: #101418; border: 1px solid %1; } "
                       "QListWidget::item:selected { color: black; background: %1; }")
            .arg(text));
    connect(GameList, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { PickHeardGame(item); });
    AlliedPanel = MakePanel(ClientPanel, 473, 130, "AlliedPanel");
    Label21 = MakeLabel(AlliedPanel, QStringLiteral("Multi-Player Game :"), 2, 0, 240);
    Edit4 = MakeEdit(AlliedPanel, 250, 0, 215, true, 16);
    Label17 = MakeLabel(AlliedPanel, QStringLiteral("Allied Commander :"), 2, 32, 240);
    Edit3 = MakeEdit(AlliedPanel, 250, 32, 215, true, 16);
    Label22 = MakeLabel(AlliedPanel, QStringLiteral("Allied Navy :"), 2, 64, 240);
    Edit5 = MakeEdit(AlliedPanel, 250, 64, 215, true, 16);
    Label18 = MakeLabel(AlliedPanel, QStringLiteral("Join"), 30, 96, 180, true);
    Label19 = MakeLabel(AlliedPanel, QStringLiteral("Cancel"), 260, 96, 180, true);
    Label23 = MakeLabel(ClientPanel, QStringLiteral("Rejoin"), 30, 252, 470, true);
    Label13 = MakeLabel(ClientPanel, QStringLiteral("Connect"), 30, 295, 240, true);
    Label14 = MakeLabel(ClientPanel, QStringLiteral("Cancel"), 300, 295, 200, true);
}

}  // namespace kvd
