#include "app/program.h"

#include "app/form1.h"
#include "campaign/camp_form.h"
#include "campaign/winner_form.h"
#include "core/main_form.h"
#include "frontend/about_form.h"
#include "frontend/intro_form.h"
#include "frontend/options_form.h"
#include "mapeditor/map_form.h"
#include "net/mp_form.h"
#include "opponent/ki_form.h"
#include "platform/platform.h"

namespace kvd {

Program::Program(Platform& platform) : context_(platform) {
    intro_ = std::make_unique<TIntroForm>(context_);
    board_ = std::make_unique<TMainForm>(context_);
    opponent_ = std::make_unique<TKIForm>(context_);
    winner_ = std::make_unique<TWinnerForm>(context_);
    options_ = std::make_unique<TOptions>(context_, board_->MemoPad);
    about_ = std::make_unique<TAboutForm>(context_);
    multiPlayer_ = std::make_unique<TMPForm>(context_);
    form1_ = std::make_unique<TForm1>();
    mapEditor_ = std::make_unique<TMapForm>(context_);
    campaign_ = std::make_unique<TCampForm>(context_);
    Wire();
    intro_->FormCreate();
}

Program::~Program() = default;

void Program::Wire() {
    TIntroForm& intro = *intro_;
    intro.EndProgram = [this] { End(); };
    intro.StartGameInit = [this] { board_->GameInit(); };
    intro.ShowOptions = [this] { options_->show(); };
    intro.ShowAbout = [this] {
        about_->move((context_.platform.screen->Width() - about_->width()) / 2,
                     (context_.platform.screen->Height() - about_->height()) / 2);
        about_->show();
    };
    intro.ShowMultiPlayer = [this] { multiPlayer_->ShowFullScreen(); };
    intro.ShowCampaign = [this] { campaign_->ShowFullScreen(); };
    intro.ShowMapMaker = [this] { mapEditor_->ShowFullScreen(); };

    options_->OnSubmitted = [this] { BackToMenu(); };
    about_->OnClosed = [this] { intro_->setEnabled(true); };
    for (PendingWindow* window : std::initializer_list<PendingWindow*>{
             multiPlayer_.get(), campaign_.get(), mapEditor_.get(), winner_.get()})
        window->OnBack = [this] { BackToMenu(); };

    board_->OnSetupFailed = [this] { BackToMenu(); };
    board_->OnFatalFailure = [this] { End(); };
    board_->OnEndProgram = [this] { End(); };
}

void Program::BackToMenu() {
    intro_->setEnabled(true);
    intro_->show();
    intro_->raise();
    intro_->activateWindow();
    intro_->FormShow();
    context_.platform.cursor->Set(intro_.get(), CursorShape::Arrow);
}

void Program::Start() {
    const Screen& screen = *context_.platform.screen;
    intro_->setGeometry(0, 0, screen.Width(), screen.Height());
    intro_->showFullScreen();
}

void Program::End() {
    if (ended_) return;
    ended_ = true;
    for (QWidget* window : std::initializer_list<QWidget*>{
             board_.get(), options_.get(), about_.get(), multiPlayer_.get(), mapEditor_.get(),
             campaign_.get(), winner_.get()})
        window->hide();
    if (OnEnd) OnEnd();
}

}  // namespace kvd
