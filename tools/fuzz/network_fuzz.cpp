// Whatever a peer sends, cut into reads however the network cuts it: the multi-player window's
// exchange, from the greeting through the table to the moves and turns of a running game, on
// the joining program and on the host. Nothing may crash, and the table stays a table.
#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>
#include <memory>

#include "app/program.h"
#include "board/main_form.h"
#include "campaign/winner_form.h"
#include "core/fleet_file.h"
#include "core/game.h"
#include "net/message_reader.h"
#include "net/mp_form.h"
#include "platform/platform.h"
#include "tools/fuzz/fuzz_check.h"

namespace {

// One program for the whole run, over a program folder with the shipped data and test
// services: virtual time, recorded sounds, scripted boxes.
struct Harness {
    Harness() {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char name[] = "network_fuzz";
        static char* argv[] = {name, nullptr};
        app = std::make_unique<QApplication>(argc, argv);
        const QString data = QStringLiteral(KORVALD_SOURCE_DIR "/data");
        QDirIterator it(data, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString file = it.next();
            const QString target =
                folder.path() + QLatin1Char('/') + QDir(data).relativeFilePath(file);
            QDir().mkpath(QFileInfo(target).path());
            QFile::copy(file, target);
        }
        platform.screen = std::make_unique<kvd::FixedScreen>(1024, 768);
        auto pacing = std::make_unique<kvd::VirtualPacing>();
        platform.random = std::make_unique<kvd::ScriptedRandom>();
        platform.boxes = std::make_unique<kvd::ScriptedMessageBoxes>();
        platform.shell = std::make_unique<kvd::RecordingShell>();
        platform.cursor = std::make_unique<kvd::RecordingCursor>();
        platform.files = std::make_unique<kvd::Files>(folder.path());
        platform.resources = std::make_unique<kvd::Resources>(QStringLiteral(":/assets"));
        platform.sound = std::make_unique<kvd::RecordingSound>(*platform.resources, *pacing);
        platform.pacing = std::move(pacing);
        platform.fonts = std::make_unique<kvd::Fonts>();
        program = std::make_unique<kvd::Program>(platform);
        // Whatever the input does, the window announces and listens on this machine only.
        program->MultiPlayer().Lan() = {QStringLiteral("127.0.0.1"), 47399};
    }
    // Back to the window's first choice, with no game running.
    void Reset() {
        kvd::Game& game = program->TheGame();
        if (game.GameActive || program->Board().isVisible()) {
            game.GameActive = false;
            game.GameOver = true;
            program->Board().hide();
        }
        program->Winner().hide();
        window().ResetConnection();
        game.NetRole = kvd::net_role::kNone;
        static_cast<kvd::ScriptedMessageBoxes&>(*platform.boxes).Clear();
    }
    kvd::TMPForm& window() { return program->MultiPlayer(); }

    std::unique_ptr<QApplication> app;
    QTemporaryDir folder;
    kvd::Platform platform;
    std::unique_ptr<kvd::Program> program;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // Made once and never taken down: Qt's own statics go at exit in an order of their own.
    static Harness& harness = *new Harness;
    if (size < 2) return 0;
    harness.Reset();
    kvd::TMPForm& window = harness.window();
    kvd::Game& game = harness.program->TheGame();
    const bool host = data[0] & 1;
    if (host) {
        window.Label8Click();
        window.AlliedName->setText(QStringLiteral("Alice"));
        window.GameName->setText(QStringLiteral("Fuzz"));
    } else {
        window.Label9Click();
    }

    // The rest arrives in reads of one to eight bytes, as the second byte says.
    kvd::MessageReader reader;
    const uint8_t cuts = data[1];
    size_t at = 2;
    for (int read = 0; at < size; ++read) {
        const size_t length = std::min(size - at, size_t(1 + ((cuts >> (read % 6)) & 7)));
        reader.Feed(QByteArray(reinterpret_cast<const char*>(data + at), qsizetype(length)));
        at += length;
        if (reader.Overflowed()) return 0;  // the connection would be dropped here
        QString message;
        while (reader.Next(message)) {
            // The host's own player may press Start once the peer has answered the greeting.
            if (host && message == QLatin1String("#start")) {
                if (window.State().NetStage == 3 && !game.GameActive) window.Label10Click();
                continue;
            }
            host ? window.HostMessage(message) : window.JoiningMessage(message);
        }
    }

    const int stage = window.State().NetStage;
    FUZZ_CHECK(stage == 0 || stage == 2 || stage == 3);
    const kvd::UnitTable& table = game.scratchpad;
    FUZZ_CHECK(table.Count() <= kvd::kMaxUnitLines + 1);
    for (int i = 1; i < table.Count(); ++i)
        FUZZ_CHECK(table.Line(i).trimmed().isEmpty() ||
                   kvd::CheckUnitLine(table.Line(i)).isEmpty());
    if (game.GameActive) {
        FUZZ_CHECK(game.NetGame);
        FUZZ_CHECK(kvd::CheckFleetLines(QStringLiteral("table"), table.Lines()).isEmpty() || host);
    }
    return 0;
}
