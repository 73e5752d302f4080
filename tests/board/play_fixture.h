#pragma once
#include <QCoreApplication>
#include <QMouseEvent>

#include "board/player_turn.h"
#include "tests/board/board_fixture.h"

namespace kvd::test {

// A single game against a computer that passes its turn, on a board driven by the real turn
// rules. Units are placed by the test: Only() keeps the named unit lines and puts them where
// the test says.
struct PlayFixture : BoardFixture {
    struct Computer : ComputerTurn {
        int turns = 0, retreats = 0;
        void RunKI(Rules&) override { ++turns; }
        Move SubmarineRetreat(Rules&) override {
            ++retreats;
            return {};
        }
    } computer;
    struct End : EndOfGame {
        Game* game = nullptr;
        int shown = 0, closed = 0, stageShown = -1;
        void ShowEndOfGame() override { ++shown, stageShown = game->Gamestage; }
        void Closedown() override { ++closed; }
    } end;
    struct Network : NetworkBoard {
        void SendMove(Rules&, const Move&) override {}
        void HandedOver() override {}
        void ResendTable() override {}
        void SendChat(const QString&) override {}
        QString Commander(bool) const override { return {}; }
        void ResetConnection() override {}
    } network;
    std::unique_ptr<PlayerTurn> turn;

    void StartGame(int mode = 0, QChar home = 'L') {
        WriteMap(mode == 2 ? "$ICELAND" : "Test", home);
        if (mode == 2) game.CampaignRegion = 0;
        MakeBoard();
        turn = std::make_unique<PlayerTurn>(game, context, pictures, *board, *display);
        display->endOfGame.Wire(end);
        board->rules.Wire(*turn);
        turn->computer.Wire(computer);
        turn->endOfGame.Wire(end);
        turn->network.Wire(network);
        turn->flow.Wire(flow);
        end.game = &game;
        ASSERT_TRUE(Start(mode == 2 ? "$ICELAND" : "Test", mode));
    }
    // Keeps only the units with these codes (line 0 stays), each put on its cell.
    struct Place {
        int code, column, row;
    };
    void Only(std::initializer_list<Place> places) { Only(std::vector<Place>(places)); }
    void Only(const std::vector<Place>& places) {
        UnitTable& t = Table();
        for (int i = t.Count() - 1; i >= 1; --i) {
            bool keep = false;
            for (const Place& p : places) keep = keep || t.Code(i) == p.code;
            if (!keep) t.Remove(i);
        }
        for (const Place& p : places) {
            const int i = t.Find(p.code);
            if (i < 0) continue;
            t.SetPos(i, p.column, p.row);
            t.SetPrev(i, p.column, p.row);
        }
        board->PreDraw();
        board->FormPaint();
    }
    int Line(int code) { return Table().Find(code); }
    void SetStrength(int code, int strength) { Table().SetStrength(Line(code), strength); }
    QPoint Centre(int column, int row) const {
        return board->Geometry().Cell(column, row).center();
    }
    // A left click at a window position, as the mouse makes it.
    void Click(QPoint at) {
        QMouseEvent press(QEvent::MouseButtonPress, at, board->mapToGlobal(at), Qt::LeftButton,
                          Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(board.get(), &press);
    }
    void ClickCell(int column, int row) { Click(Centre(column, row)); }
    QStringList BoxTexts() {
        QStringList texts;
        for (const auto& box : t.Boxes().Boxes()) texts << box.text;
        return texts;
    }
};

}  // namespace kvd::test
