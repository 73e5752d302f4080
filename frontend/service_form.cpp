#include "frontend/service_form.h"

#include <QKeyEvent>
#include <QLocale>

#include "core/context.h"
#include "core/navy.h"
#include "core/text_ids.h"
#include "platform/desktop/window_style.h"
#include "platform/platform.h"

namespace kvd {

namespace {
constexpr int kPanelWidth = 730, kPanelHeight = 560, kRowHeight = 15;

QString Tally(const QString& name, const ServiceTally& t, const LanguageTexts& texts) {
    return texts.TextOr(text::kServiceTally, QStringLiteral("%1: %2 of %3 won (%4%)"))
        .arg(name, QString::number(t.won), QString::number(t.battles),
             QString::number(t.WinPercent()));
}

// The lines of a tally by name, the most fought first, as many as the box holds.
QString TallyLines(const std::map<QString, ServiceTally>& tallies, int most,
                   const std::function<QString(const QString&)>& nameOf,
                   const LanguageTexts& texts) {
    std::vector<std::pair<QString, ServiceTally>> sorted(tallies.begin(), tallies.end());
    std::stable_sort(sorted.begin(), sorted.end(), [](const auto& a, const auto& b) {
        return a.second.battles > b.second.battles;
    });
    QStringList lines;
    for (size_t k = 0; k < sorted.size() && int(k) < most; ++k)
        lines << Tally(nameOf(sorted[k].first), sorted[k].second, texts);
    return lines.join(QLatin1Char('\n'));
}
}  // namespace

TServiceForm::TServiceForm(Context& context, QWidget* parent) : QWidget(parent), context_(context) {
    StyleFullScreenWindow(*this);
    BuildLayout();
}

void TServiceForm::BuildLayout() {
    panel_ = new QWidget(this);
    panel_->setObjectName(QStringLiteral("ServicePanel"));
    panel_->setFixedSize(kPanelWidth, kPanelHeight);
    panel_->setStyleSheet(
        QStringLiteral("#ServicePanel { background: black; border: 1px solid %1; }")
            .arg(MenuTextColour().name()));
    auto label = [&](int x, int y, int w, int h, int px) {
        auto* l = new QLabel(panel_);
        l->setGeometry(x, y, w, h);
        QFont font = l->font();
        font.setPixelSize(px);
        l->setFont(font);
        l->setStyleSheet(TextColourSheet(MenuTextColour()));
        l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        return l;
    };
    Fonts& fonts = *context_.platform.fonts;
    Title = label(20, 8, 690, 42, 0);
    Title->setFont(fonts.TitleFont(32));
    Title->setAlignment(Qt::AlignCenter);
    // The totals may take two lines in a longer language.
    Summary = label(20, 52, 690, 38, 14);
    Summary->setWordWrap(true);
    ByCommander = label(20, 94, 330, 80, 13);
    ByMap = label(370, 94, 340, 80, 13);
    ListHeading = label(20, 178, 690, 18, 14);
    for (int k = 0; k < ServiceRecord::kReplaysKept; ++k) {
        Rows.push_back(label(20, 198 + k * kRowHeight, 585, kRowHeight, 12));
        QLabel* watch = label(610, 198 + k * kRowHeight, 100, kRowHeight, 12);
        watch->setAlignment(Qt::AlignRight | Qt::AlignTop);
        watch->setCursor(Qt::PointingHandCursor);
        watch->installEventFilter(this);
        Watch.push_back(watch);
    }
    Back = label(20, 518, 690, 36, 0);
    Back->setFont(fonts.TitleFont(28));
    Back->setAlignment(Qt::AlignCenter);
    Back->setCursor(Qt::PointingHandCursor);
    Back->installEventFilter(this);
}

QString TServiceForm::OpponentName(const QString& opponent) const {
    const LanguageTexts& texts = context_.texts;
    if (opponent == QLatin1String("S")) return texts.TextOr(271, QStringLiteral("Standard"));
    if (opponent == QLatin1String("A")) return texts.TextOr(272, QStringLiteral("Admiral"));
    return opponent;
}

QString TServiceForm::RowText(const ServiceEntry& e) const {
    const LanguageTexts& texts = context_.texts;
    const int results[] = {text::kServiceWon, text::kServiceLost, text::kServiceDrawn};
    const char* english[] = {"won", "lost", "drawn"};
    QString map = e.map;
    if (map.startsWith(QLatin1Char('$'))) map.remove(0, 1);
    return texts
        .TextOr(text::kServiceRow,
                QStringLiteral("%1  %2, %3 against %4: %5 in %6 turns, %7 lost, %8 sunk"))
        .arg(QLocale::system().toString(e.date.toLocalTime().date(), QLocale::ShortFormat) +
                 e.date.toLocalTime().toString(QStringLiteral(" HH:mm")),
             map, NavyName(e.navy, texts), OpponentName(e.opponent),
             texts.TextOr(results[e.result], QLatin1String(english[e.result])),
             QString::number(e.turns), QString::number(e.ownLost), QString::number(e.enemyLost));
}

void TServiceForm::FormShow() {
    const LanguageTexts& texts = context_.texts;
    Files& files = *context_.platform.files;
    ServiceRecord record(files);
    bool damaged = false;
    const std::vector<ServiceEntry> entries = record.Read(&damaged);
    const ServiceTotals totals = TotalsOf(entries);
    Title->setText(texts.TextOr(text::kServiceRecord, QStringLiteral("Service Record")));
    Summary->setText(
        texts
            .TextOr(
                text::kServiceSummary,
                QStringLiteral("%1 battles: %2 won, %3 lost, %4 drawn (%5% won); campaigns won: %6 "
                               "of %7"))
            .arg(QString::number(totals.all.battles), QString::number(totals.all.won),
                 QString::number(totals.all.lost), QString::number(totals.all.drawn),
                 QString::number(totals.all.WinPercent()), QString::number(totals.campaignsWon),
                 QString::number(totals.campaignsFought)));
    ByCommander->setText(TallyLines(
        totals.byOpponent, 5, [this](const QString& o) { return OpponentName(o); }, texts));
    ByMap->setText(TallyLines(
        totals.byMap, 5,
        [](const QString& m) { return m.startsWith(QLatin1Char('$')) ? m.mid(1) : m; }, texts));
    ListHeading->setText(
        damaged
            ? texts.TextOr(text::kServiceDamaged, QStringLiteral("The record was damaged; it is "
                                                                 "kept as service.txt.damaged."))
            : texts.TextOr(text::kServiceLast, QStringLiteral("Last battles")));
    shown_.assign(entries.rbegin(), entries.rend());
    if (int(shown_.size()) > ServiceRecord::kReplaysKept)
        shown_.resize(ServiceRecord::kReplaysKept);
    // The replay's command takes the room its words need, the battle's line the rest.
    const QString watchText = texts.Text(text::kWatchReplay);
    const int watchWidth = Watch.front()->fontMetrics().horizontalAdvance(watchText) + 6;
    for (size_t k = 0; k < Rows.size(); ++k) {
        const bool used = k < shown_.size();
        const bool kept = used && !shown_[k].record.isEmpty() && files.Exists(shown_[k].record);
        const int y = Rows[k]->y();
        Rows[k]->setGeometry(20, y, kPanelWidth - 40 - (kept ? watchWidth + 10 : 0), kRowHeight);
        Watch[k]->setGeometry(kPanelWidth - 20 - watchWidth, y, watchWidth, kRowHeight);
        // A long map or commander name gives up the line's end, never its start.
        Rows[k]->setText(used ? Rows[k]->fontMetrics().elidedText(RowText(shown_[k]),
                                                                  Qt::ElideRight, Rows[k]->width())
                              : QString());
        Watch[k]->setText(kept ? watchText : QString());
        Watch[k]->setVisible(kept);
    }
    Back->setText(texts.Text(text::kReturnToMainMenu));
    const Screen& screen = *context_.platform.screen;
    setGeometry(0, 0, screen.Width(), screen.Height());
    panel_->move((screen.Width() - kPanelWidth) / 2, (screen.Height() - kPanelHeight) / 2);
    showFullScreen();
    TakeKeyboard(*this);
    context_.platform.cursor->Set(this, CursorShape::Arrow);
}

void TServiceForm::BackClick() {
    hide();
    flow->BackToMenu();
}

void TServiceForm::WatchClick(int row) {
    if (row < 0 || row >= int(shown_.size()) || !watchReplay) return;
    const QString file = shown_[size_t(row)].record;
    hide();
    watchReplay(file);
}

void TServiceForm::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape)
        BackClick();
    else
        QWidget::keyPressEvent(event);
}

bool TServiceForm::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease) {
        if (watched == Back) BackClick();
        for (size_t k = 0; k < Watch.size(); ++k)
            if (watched == Watch[k]) WatchClick(int(k));
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace kvd
