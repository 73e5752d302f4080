#pragma once

namespace kvd {

// The language files' texts the code asks for by number, named by what they say. (Tables of
// captions that go by number, and the texts a window names for itself, keep their numbers there.)
namespace text {
constexpr int kOptions = 1;
constexpr int kStartGame = 11;
constexpr int kOptionsMenu = 13;
constexpr int kCancel = 14;
constexpr int kCampaignTitle = 18;
constexpr int kAbandonBattle = 22;
constexpr int kScreenTooWide = 33;
constexpr int kSupplyShipRepaired = 34;
constexpr int kStrength = 51;
constexpr int kReturnToMainMenu = 52;
constexpr int kNobodyWins = 57;
constexpr int kEnemyShips = 59;
constexpr int kOwnShips = 60;
constexpr int kEnemyLosses = 61;
constexpr int kOwnLosses = 62;
constexpr int kOurFlagPassed = 65;
constexpr int kEnemyFlagPassed = 66;
constexpr int kMapStored = 80;
constexpr int kMapNameBuiltIn = 81;
constexpr int kEnemyFleetBeaten = 82;
constexpr int kFirstBattleFought = 88;
constexpr int kConvoyBattleFought = 89;
constexpr int kCampaignOver = 90;
constexpr int kBothFlagshipsLost = 92;
constexpr int kNextBattle = 93;
constexpr int kEnemyNavy = 97;
constexpr int kAlliedNavy = 98;
constexpr int kGameAndPlayerNameMissing = 100;
constexpr int kAddressAndNameMissing = 102;
constexpr int kHostLeadsTheAllies = 103;
constexpr int kPleaseWait = 104;
constexpr int kWaitingForOpponent = 105;
constexpr int kOpponentConnected = 106;
constexpr int kConnectedToHost = 107;
constexpr int kConnectionLost = 108;
constexpr int kOpponentReady = 109;
constexpr int kStartNetworkGame = 110;
constexpr int kGameStarting = 119;
constexpr int kBattleOver = 140;
constexpr int kTableWillBeSent = 141;
constexpr int kTableSent = 142;
constexpr int kVictoriousCommander = 143;
constexpr int kTurn = 144;
constexpr int kConvoySunk = 145;
constexpr int kConvoyBoxedIn = 146;
constexpr int kPeerLost = 149;
constexpr int kTablesDrifted = 150;
constexpr int kNotUnderstood = 151;
constexpr int kLineTooLong = 152;
constexpr int kResumeUnfinished = 153;
constexpr int kUnfinishedDiscarded = 154;
constexpr int kBack = 155;
constexpr int kForward = 158;
constexpr int kFirstSidesView = 159;
constexpr int kMove = 160;
constexpr int kOf = 161;
constexpr int kWatchReplay = 162;
constexpr int kReplayImpossible = 163;
constexpr int kOurShipsCount = 177;
constexpr int kEnemyInSight = 178;
constexpr int kEnemySunk = 179;
constexpr int kYes = 190;
constexpr int kLogStatus = 206;
constexpr int kClientAccepted = 207;
constexpr int kErrorPrefix = 208;
constexpr int kPort = 210;
constexpr int kCampaignTotal = 211;
constexpr int kTooMuchLand = 264;
constexpr int kShipsNotPlaced = 265;
constexpr int kMapWithoutName = 266;
constexpr int kNoRoomForAGame = 269;
constexpr int kHeardGame = 280;
constexpr int kNoGameHeard = 283;
constexpr int kFirstNavyName = 284;  // and the next three, in the order of kNavyLetters
constexpr int kPlayerLostWaiting = 290;
constexpr int kTurnedAway = 291;
constexpr int kGameFull = 292;
constexpr int kNotThePlayer = 293;
constexpr int kPeerSilent = 294;
constexpr int kRejoin = 295;
constexpr int kRejoined = 296;
constexpr int kMessageFrom = 297;
constexpr int kBadPort = 298;
constexpr int kMessagePrompt = 299;
}  // namespace text

}  // namespace kvd
