#include "ui/messages.h"

#include "game/game_over.h"
#include "ui/dialogs.h"

const char* const kYouWonMessage = "Kazandınız";
const char* const kYouLostMessage = "Kaybettiniz";
const char* const kWhiteWonMessage = "Beyaz kazandı";
const char* const kBlackWonMessage = "Siyah kazandı";
const char* const kNoMoveMessage =
    "Siyahın oynayabileceği hamle kalmadı. Hamlenizi geri alabilir ya da yeni oyun başlatabilirsiniz.";
const char* const kHistoryFullMessage = "Hamle listesi doldu: bu oyunda daha fazla hamle yapılamaz.";
const char* const kSaveQuestion = "Oyunu kaydetmek istiyormusunuz?";
const char* const kSaveQuestionCaption = "Uyarı";

namespace {

std::string quoted(const std::string& path) { return "\"" + path + "\""; }

std::string readFaultMessage(ReadFault fault, const std::string& path) {
  switch (fault) {
    case ReadFault::NotFound: return "Dosya açılamadı: " + quoted(path) + " adında bir dosya yok.";
    case ReadFault::NoPermission: return "Dosya açılamadı: " + quoted(path) + " dosyasını okuma izniniz yok.";
    case ReadFault::IsFolder: return "Dosya açılamadı: " + quoted(path) + " bir klasör, dosya değil.";
    case ReadFault::NotRegularFile: return "Dosya açılamadı: " + quoted(path) + " sıradan bir dosya değil.";
    case ReadFault::TooLarge: return "Dosya kayıtlı bir oyun için çok büyük: " + quoted(path);
    default: return "Dosya açılamadı: " + quoted(path);
  }
}

}  // namespace

const char* drawMessage(DrawReason reason) {
  switch (reason) {
    case DrawReason::Repetition: return "Berabere: aynı konum üç kez tekrarlandı.";
    case DrawReason::FiftyMoves: return "Berabere: 50 hamledir taş alınmadı, piyon sürülmedi.";
    case DrawReason::BareKings: return "Berabere: tahtada yalnız iki şah kaldı.";
    case DrawReason::None: break;
  }
  return "";
}

namespace {

// Against the computer the player won or lost; two players read who won.
const char* kingTakenMessage(const Game& game, Mover mover) {
  if (game.playMode == kPlayTwoPlayers) return winnerSide(game) == kBlack ? kBlackWonMessage : kWhiteWonMessage;
  return mover == Mover::Player ? kYouWonMessage : kYouLostMessage;
}

}  // namespace

void tellMoveOutcome(const Game& game, MoveOutcome outcome, Mover mover) {
  switch (outcome) {
    case MoveOutcome::KingTaken: dialogs().message(kingTakenMessage(game, mover)); break;
    case MoveOutcome::Drawn: dialogs().message(drawMessage(drawReasonOf(game))); break;
    case MoveOutcome::HistoryFull: dialogs().message(kHistoryFullMessage); break;
    case MoveOutcome::NoMove:
      if (mover == Mover::Computer) dialogs().message(kNoMoveMessage);
      break;
    default: break;
  }
}

void tellOpenOutcome(const OpenOutcome& outcome, const std::string& path) {
  switch (outcome.result) {
    case OpenResult::NotRead: dialogs().message(readFaultMessage(outcome.fault, path)); break;
    case OpenResult::NotASavedGame: dialogs().message("Bu dosya kayıtlı bir oyun değil: " + quoted(path)); break;
    case OpenResult::Opened:
      if (outcome.replay.historyFull) {
        dialogs().message(kHistoryFullMessage);
      } else if (outcome.replay.stoppedAt >= 0) {
        dialogs().message("Dosyanın " + std::to_string(outcome.replay.stoppedAt + 1) +
                          ". satırı okunamadı; oyun bu satırdan önceki hamlelerle sürüyor.");
      }
      break;
  }
}

void tellSaveFailed(const std::string& path) {
  dialogs().message("Oyun kaydedilemedi: " + quoted(path) + " dosyasına yazılamadı.");
}
