#pragma once
#include <functional>
#include <memory>

#include "core/context.h"

namespace kvd {

class TIntroForm;
class TMainForm;
class TKIForm;
class TWinnerForm;
class TOptions;
class TAboutForm;
class TMPForm;
class TForm1;
class TMapForm;
class TCampForm;

// The program: the shared state and its ten windows, created in a fixed order and kept for the
// whole run, wired to each other. Two programs can live side by side (tests build several).
class Program {
public:
    explicit Program(Platform& platform);
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    // Shows the start-up window; its checks have run when the program was created.
    void Start();
    // True once the program has asked to end (a failed start, Quit, Esc).
    bool Ended() const { return ended_; }
    // Leaves the event loop; called once when the program ends.
    std::function<void()> OnEnd;

    Context& State() { return context_; }
    TIntroForm& Intro() { return *intro_; }
    TMainForm& Board() { return *board_; }
    TOptions& Options() { return *options_; }
    TAboutForm& About() { return *about_; }
    TMPForm& MultiPlayer() { return *multiPlayer_; }
    TMapForm& MapEditor() { return *mapEditor_; }
    TCampForm& CampaignMenu() { return *campaign_; }

private:
    void Wire();
    void BackToMenu();
    void End();

    Context context_;
    bool ended_ = false;
    std::unique_ptr<TIntroForm> intro_;
    std::unique_ptr<TMainForm> board_;
    std::unique_ptr<TKIForm> opponent_;
    std::unique_ptr<TWinnerForm> winner_;
    std::unique_ptr<TOptions> options_;
    std::unique_ptr<TAboutForm> about_;
    std::unique_ptr<TMPForm> multiPlayer_;
    std::unique_ptr<TForm1> form1_;
    std::unique_ptr<TMapForm> mapEditor_;
    std::unique_ptr<TCampForm> campaign_;
};

}  // namespace kvd
