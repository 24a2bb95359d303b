#include "record/saved_game.h"

#include <gtest/gtest.h>
#include <linux/capability.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <fstream>
#include <random>
#include <sstream>
#include <tuple>

#include "computer/computer_turn.h"
#include "controls/controls.h"
#include "game/board.h"
#include "game/captures.h"
#include "game/game.h"
#include "input/move_driver.h"
#include "random_game.h"
#include "test_support.h"
#include "ui/file_commands.h"
#include "ui/handlers.h"
#include "ui/program.h"
#include "ui/projection.h"

namespace {

std::string readBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

void writeBytes(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary);
  out << bytes;
}

// The move list's texts as code page 1254 bytes: the only letters beyond
// ASCII that a list holds are those of "TAŞ", "KÜÇÜK" and "BÜYÜK".
std::string cp1254Of(const std::string& utf8) {
  const std::string letters = "ŞÜÇ";  // two bytes each, as DE, DC, C7
  std::string out;
  for (size_t i = 0; i < utf8.size(); ++i) {
    const size_t at = letters.find(utf8.substr(i, 2));
    if (at != std::string::npos && at % 2 == 0) {
      out += "\xDE\xDC\xC7"[at / 2];
      ++i;
    } else {
      EXPECT_LT(static_cast<unsigned char>(utf8[i]), 0x80) << utf8;
      out += utf8[i];
    }
  }
  return out;
}

std::string joinLines(const std::vector<std::string>& lines, const std::string& end) {
  std::string bytes;
  for (const std::string& l : lines) bytes += l + end;
  return bytes;
}

// What the file of a move list must hold: each line in code page 1254
// followed by CR LF (or the given line end).
std::string fileOfList(std::vector<std::string> lines, const std::string& end = "\r\n") {
  for (std::string& l : lines) l = cp1254Of(l);
  return joinLines(lines, end);
}

const std::string kHeader1 = "     TAŞ        ILK SON ";
const std::string kHeader2 = "    --------       ------ -------- ";

// A move list: the two headers, then the lines of `moves` split at '|'.
std::vector<std::string> listOf(const std::string& moves) {
  std::vector<std::string> lines = {kHeader1, kHeader2};
  std::istringstream in(moves);
  for (std::string line; std::getline(in, line, '|');) lines.push_back(line);
  return lines;
}

// Lowers the capabilities that let root read and write any file, so that
// permissions act as they do for a user, and raises them again when done.
// A user lacks them anyway.
class AsAUser {
 public:
  AsAUser() { change(false); }
  ~AsAUser() { change(true); }

 private:
  static void change(bool raise) {
    __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct data[2]{};
    if (::syscall(SYS_capget, &header, data) != 0) return;
    const uint32_t bits = (1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH);
    data[0].effective = raise ? data[0].effective | (bits & data[0].permitted) : data[0].effective & ~bits;
    ::syscall(SYS_capset, &header, data);
  }
};

mode_t modeOf(const std::string& path) {
  struct stat info {};
  return ::stat(path.c_str(), &info) == 0 ? info.st_mode & 07777 : 0;
}

// A fresh program in the given mode with the moves dragged.
void gameOf(int32_t mode, const std::string& moves) {
  startProgram();
  if (mode == kPlayTwoPlayers) secenek2Click();
  playMoves(moves);
}

}  // namespace

// Every test saves into a folder of its own and answers the dialogs.
class SavedGame : public testing::Test {
 protected:
  TempFolder folder;
  ScriptedDialogs answers;
};

TEST_F(SavedGame, SaveThenOpenGivesTheSameGameByteForByte) {
  int whiteEnded = 0;
  int twoDigits = 0;
  for (int g = 0; g < 24; ++g) {
    SCOPED_TRACE("game " + std::to_string(g));
    const int32_t mode = g % 4 == 3 ? kPlayComputer : kPlayTwoPlayers;
    std::mt19937 rng(500 + static_cast<uint32_t>(g));
    gameOf(mode, "");
    const int halfMoves = 20 + static_cast<int>(rng() % 60);
    for (int h = 0; h < halfMoves; ++h) {
      Drag d{};
      if (playRandomMove(rng, d) != RandomMove::Made) break;
      if (mode == kPlayComputer) Timer1Timer();
    }
    whiteEnded += game.sideToMove == kBlackToMove ? 1 : 0;
    twoDigits += game.moveNumber >= 10 ? 1 : 0;
    const GameState played = gameState();
    const std::string path = folder.file("oyun" + std::to_string(g) + ".oyk");
    ASSERT_TRUE(saveGameTo(game, path));
    EXPECT_EQ(game.gameSaved, 1);
    const std::string bytes = readBytes(path);
    ASSERT_EQ(bytes, fileOfList(listTexts()));

    // Opened in a new run of the program, in the same play mode.
    gameOf(mode, "");
    answers.messages.clear();
    answers.openNames = {path};
    A1Click();
    EXPECT_EQ(stateDifference(played, gameState(), Compare::Replay), "");
    EXPECT_EQ(game.gameSaved, 0);
    EXPECT_EQ(game.replaying, 0);
    EXPECT_FALSE(windows.form2.visible);  // no check notice while replaying
    EXPECT_FALSE(windows.form1.timer1Enabled);
    EXPECT_TRUE(answers.messages.empty());
    EXPECT_EQ(consistencyFault(), "");
    ASSERT_TRUE(saveGameTo(game, path));
    EXPECT_EQ(readBytes(path), bytes);
  }
  EXPECT_GT(whiteEnded, 2);
  EXPECT_GT(twoDigits, 8);
}

TEST_F(SavedGame, ReadsTheMoveOfALine) {
  const struct {
    std::string line;
    int32_t role;
    ParsedMove move;
  } good[] = {
      {"1- piyon(5)     E2-E4", 1, {kPawn, 4, 4, 1, 4, 3}},
      {"    piyon(5)     E7-E5", 2, {kPawn, 4, 4, 6, 4, 4}},
      {"1-       K\xDC\xC7\xDCK ROK", 1, {kKing, kNoIndex, 4, 0, 6, 0}},
      {"      K\xDC\xC7\xDCK ROK", 2, {kKing, kNoIndex, 4, 7, 6, 7}},
      {"3-       B\xDCY\xDCK ROK", 1, {kKing, kNoIndex, 4, 0, 1, 0}},
      {"      B\xDCY\xDCK ROK", 2, {kKing, kNoIndex, 4, 7, 1, 7}},
      {"10- piyon(1)     A2-A3", 1, {kPawn, 0, 0, 1, 0, 2}},
      {"2-      at(2)     G1-F3", 1, {kKnight, 1, 6, 0, 5, 2}},
      {"3-     vezir      D1xH5", 1, {kQueen, kNoIndex, 3, 0, 7, 4}},
      {"         sah       E8-F7", 2, {kKing, kNoIndex, 4, 7, 5, 6}},
      {"      kale(1)     A8xA1", 2, {kRook, 0, 0, 7, 0, 0}},
      {"12-       fil(2)     F1xB5", 1, {kBishop, 1, 5, 0, 1, 4}},
  };
  for (const auto& c : good) {
    SCOPED_TRACE(c.line);
    const std::optional<ParsedMove> parsed = parseMoveLine(c.line, c.role);
    ASSERT_TRUE(parsed);
    const ParsedMove& m = *parsed;
    const ParsedMove& e = c.move;
    EXPECT_EQ(std::tie(m.kind, m.index, m.fromX, m.fromY, m.toX, m.toY),
              std::tie(e.kind, e.index, e.fromX, e.fromY, e.toX, e.toY));
  }
  // Lines on which a scan runs to the end: no piece letter, no number, no
  // file letter, a square cut short, a letter where a rank digit belongs.
  const std::string bad[] = {"",
                             "    ",
                             "1-",
                             "1- piyon(",
                             "1- piyon(5)",
                             "1- piyon(5)     E",
                             "1- piyon(5)     E2-",
                             "1- piyon(5)     E2-E",
                             "1- piyon(5)     EE-E4",
                             "1- piyon(5)     E2-ED",
                             "    --------       ------ -------- "};
  for (const std::string& line : bad) {
    EXPECT_FALSE(parseMoveLine(line, 1)) << '"' << line << '"';
  }
  // CR LF and LF both end a line; the last line may lack its end.
  EXPECT_EQ(splitLines("a\r\nb\nc\r\n"), (std::vector<std::string>{"a", "b", "c"}));
  EXPECT_EQ(splitLines("a\r\n\r\nb"), (std::vector<std::string>{"a", "", "b"}));
}

TEST_F(SavedGame, HandWrittenFilesOpen) {
  // The test's own code page 1254 bytes of the letters a list holds.
  ASSERT_EQ(cp1254Of("TAŞ KÜÇÜK"), "TA\xDE K\xDC\xC7\xDCK");
  // Both short castlings, code page 1254 with CR LF.
  const std::vector<std::string> shortLines = listOf(
      "1- piyon(5)     E2-E4|    piyon(5)     E7-E5|    |"
      "2-      at(2)     G1-F3|         at(2)     G8-F6|    |"
      "3-       fil(2)     F1-C4|          fil(2)     F8-C5|    |"
      "4-       KÜÇÜK ROK|      KÜÇÜK ROK|    ");
  const std::string path = folder.file("kisa.oyk");
  const std::string shortCastlings = fileOfList(shortLines);
  writeBytes(path, shortCastlings);
  startProgram();
  ASSERT_EQ(openGameFrom(game, path).result, OpenResult::Opened);
  EXPECT_EQ(listTexts(), shortLines);
  EXPECT_EQ(boardRows()[0], "rnbq.rk.");
  EXPECT_EQ(boardRows()[7], "RNBQ.RK.");
  EXPECT_EQ(game.moveCount, 4);
  EXPECT_EQ(game.moveNumber, 4);
  EXPECT_EQ(game.sideToMove, kWhiteToMove);
  EXPECT_EQ(game.gameOpened, 1);
  EXPECT_TRUE(answers.messages.empty());
  ASSERT_TRUE(saveGameTo(game, path));
  EXPECT_EQ(readBytes(path), shortCastlings);

  // Black's long castling, LF line ends.
  const std::vector<std::string> longLines = listOf(
      "1- piyon(4)     D2-D4|    piyon(4)     D7-D5|    |"
      "2-      at(1)     B1-C3|         at(1)     B8-C6|    |"
      "3-       fil(1)     C1-F4|          fil(1)     C8-F5|    |"
      "4-     vezir      D1-D2|        vezir      D8-D7|    |"
      "5- piyon(5)     E2-E3|      BÜYÜK ROK|    ");
  writeBytes(path, fileOfList(longLines, "\n"));
  startProgram();
  ASSERT_EQ(openGameFrom(game, path).result, OpenResult::Opened);
  EXPECT_EQ(boardRows()[0], ".kr..bnr");  // king b8, rook c8
  EXPECT_EQ(game.moveCount, 5);
  EXPECT_EQ(listTexts(), longLines);
  EXPECT_TRUE(answers.messages.empty());
  const GameState fromLf = gameState();

  // The same game from a UTF-8 editor.
  writeBytes(path, joinLines(longLines, "\r\n"));
  startProgram();
  ASSERT_EQ(openGameFrom(game, path).result, OpenResult::Opened);
  EXPECT_EQ(stateDifference(fromLf, gameState(), Compare::Replay), "");
  EXPECT_TRUE(answers.messages.empty());

  // A saved game that ends with White's unanswered move.
  writeBytes(path, fileOfList(listOf("1- piyon(5)     E2-E4")));
  startProgram();
  ASSERT_EQ(openGameFrom(game, path).result, OpenResult::Opened);
  EXPECT_EQ(game.sideToMove, kBlackToMove);
  EXPECT_EQ(game.moveNumber, 1);
  EXPECT_EQ(game.moveCount, 0);
  EXPECT_EQ(listTexts().size(), 3u);
}

TEST_F(SavedGame, MenuCommands) {
  // "Kaydet" adds ".oyk" to a name without an extension and keeps ".doc".
  gameOf(kPlayComputer, "e2e4 e7e5");
  answers.saveNames = {folder.file("oyun"), folder.file("metin.doc")};
  Kaydet1Click();
  EXPECT_EQ(game.gameSaved, 1);
  EXPECT_EQ(readBytes(folder.file("oyun.oyk")), fileOfList(listTexts()));
  Kaydet1Click();
  EXPECT_EQ(readBytes(folder.file("metin.doc")), fileOfList(listTexts()));
  EXPECT_EQ(folder.entries(), 2u);

  // A cancelled save writes nothing and leaves gameSaved as it was.
  gameOf(kPlayComputer, "e2e4 e7e5");
  Kaydet1Click();
  EXPECT_EQ(game.gameSaved, 0);
  EXPECT_EQ(folder.entries(), 2u);
  startProgram();
  Kaydet1Click();
  EXPECT_EQ(game.gameSaved, 1);
  EXPECT_EQ(folder.entries(), 2u);

  // A cancelled open leaves the current game exactly.
  gameOf(kPlayComputer, "e2e4 e7e5 g1f3 b8c6 f3e5 c6e5");
  game.mateShown = true;
  const GameState before = gameState();
  A1Click();
  EXPECT_EQ(stateDifference(before, gameState(), Compare::Replay), "");
  EXPECT_TRUE(windows.form1.label20Visible);
  EXPECT_EQ(game.gameSaved, 0);
  EXPECT_EQ(game.gameOpened, 0);
  EXPECT_TRUE(answers.messages.empty());

  // "Aç" replays a game in which Black gives check, showing no notice, and
  // the computer waits for the player's next move.
  gameOf(kPlayComputer, "f2f3 e7e5 g2g4 d8h4");
  ASSERT_TRUE(windows.form2.visible);
  answers.saveNames = {folder.file("sah.oyk")};
  Kaydet1Click();
  const GameState played = gameState();
  gameOf(kPlayComputer, "d2d4");
  Timer1Timer();
  answers.openNames = {folder.file("sah.oyk")};
  A1Click();
  EXPECT_FALSE(windows.form2.visible);
  EXPECT_EQ(game.replaying, 0);
  EXPECT_FALSE(windows.form1.timer1Enabled);
  EXPECT_EQ(stateDifference(played, gameState(), Compare::Replay), "");
  EXPECT_EQ(game.sideToMove, kWhiteToMove);

  // A game opened with Black to move: the computer answers at once; two
  // players go on with Black's drag.
  const std::string path = folder.file("beyaz.oyk");
  writeBytes(path, fileOfList(listOf("1- piyon(5)     E2-E4")));
  for (const int32_t mode : {kPlayComputer, kPlayTwoPlayers}) {
    gameOf(mode, "");
    answers.openNames = {path};
    A1Click();
    EXPECT_EQ(windows.form1.timer1Enabled, mode == kPlayComputer);
    EXPECT_EQ(windows.form1.label19Visible, mode == kPlayComputer);
    if (windows.form1.timer1Enabled) Timer1Timer();
    EXPECT_EQ(game.sideToMove, mode == kPlayComputer ? kWhiteToMove : kBlackToMove);
  }
}

TEST_F(SavedGame, FailedSaveKeepsTheOldFile) {
  gameOf(kPlayTwoPlayers, "e2e4 e7e5 g1f3");

  // A folder that does not exist: the player is told.
  answers.saveNames = {folder.file("yok/oyun")};
  Kaydet1Click();
  EXPECT_EQ(answers.messages, std::vector<std::string>{"Oyun kaydedilemedi: \"" + folder.file("yok/oyun.oyk") +
                                                       "\" dosyasına yazılamadı."});
  EXPECT_EQ(game.gameSaved, 0);
  EXPECT_EQ(folder.entries(), 0u);

  // The disk fills up while writing: the old file stays as it was and no
  // partial file is left behind.
  const std::string path = folder.file("eski.oyk");
  const std::string old = fileOfList(listOf("1- piyon(4)     D2-D4"));
  writeBytes(path, old);
  rlimit saved{};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
  rlimit small = saved;
  small.rlim_cur = 40;
  const auto previous = signal(SIGXFSZ, SIG_IGN);
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
  const bool written = saveGameTo(game, path);
  setrlimit(RLIMIT_FSIZE, &saved);
  signal(SIGXFSZ, previous);
  EXPECT_FALSE(written);
  EXPECT_EQ(game.gameSaved, 0);
  EXPECT_EQ(readBytes(path), old);
  EXPECT_EQ(folder.entries(), 1u);

  // A complete save replaces a longer old file entirely.
  writeBytes(path, std::string(5000, 'x'));
  EXPECT_TRUE(saveGameTo(game, path));
  EXPECT_EQ(readBytes(path), fileOfList(listTexts()));
  EXPECT_EQ(folder.entries(), 1u);
}

TEST_F(SavedGame, FilesThatAreNoSavedGameKeepTheCurrentGame) {
  std::mt19937 rng(77);
  std::string noise(4096, '\0');
  for (char& c : noise) c = static_cast<char>(rng() & 0xFF);
  std::string huge;
  const std::string oneGame = fileOfList(listOf("1- piyon(5)     E2-E4|    piyon(5)     E7-E5|    "));
  while (huge.size() < 10u * 1024 * 1024) huge += oneGame;
  const struct {
    const char* what;
    std::string bytes;
  } files[] = {
      {"empty", ""},
      {"one line", fileOfList({kHeader1})},
      {"two lines, the second no header", fileOfList({kHeader1, kHeader2 + "-"})},
      {"binary noise", noise},
      {"UTF-8 text", "Alışveriş listesi\r\nsüt, ekmek, çay\r\nşeker ve tuz\r\n"},
      {"first move cut short", fileOfList(listOf("1- piyon(5)     E2-"))},
      {"10 MB", huge},
  };
  for (const auto& f : files) {
    SCOPED_TRACE(f.what);
    const std::string path = folder.file("bozuk.oyk");
    writeBytes(path, f.bytes);
    gameOf(kPlayComputer, "e2e4 e7e5 g1f3");
    const GameState before = gameState();
    answers.messages.clear();
    answers.openNames = {path};
    A1Click();
    EXPECT_EQ(answers.messages.size(), 1u);
    EXPECT_EQ(stateDifference(before, gameState(), Compare::Replay), "");
    EXPECT_EQ(game.gameOpened, 0);
    EXPECT_EQ(game.replaying, 0);
  }
  // Names that cannot be opened as a file, with the reason in the message. A
  // FIFO does not hold the window.
  const std::string fifo = folder.file("fifo.oyk");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0644), 0);
  const std::string locked = folder.file("kilitli.oyk");
  writeBytes(locked, oneGame);
  ASSERT_EQ(::chmod(locked.c_str(), 0), 0);
  const struct {
    std::string path;
    const char* why;
  } unopened[] = {
      {folder.file("yok.oyk"), " adında bir dosya yok."}, {folder.file("yok/oyun.oyk"), " adında bir dosya yok."},
      {folder.file(""), " bir klasör, dosya değil."},     {fifo, " sıradan bir dosya değil."},
      {"/dev/null", " sıradan bir dosya değil."},         {locked, " dosyasını okuma izniniz yok."},
  };
  const AsAUser user;
  for (const auto& f : unopened) {
    SCOPED_TRACE(f.path);
    gameOf(kPlayComputer, "e2e4");
    const GameState before = gameState();
    answers.messages.clear();
    EXPECT_EQ(openGameFrom(game, f.path).result, OpenResult::NotRead);
    openGameNamed(f.path);
    EXPECT_EQ(answers.messages, std::vector<std::string>{"Dosya açılamadı: \"" + f.path + "\"" + f.why});
    EXPECT_EQ(stateDifference(before, gameState(), Compare::Replay), "");
  }
}

// A game saved before its first move holds the two headers alone: it opens
// again as a new game.
TEST_F(SavedGame, GameSavedBeforeItsFirstMoveOpensAgain) {
  const std::string path = folder.file("bos.oyk");
  startProgram();
  const GameState fresh = gameState();
  ASSERT_TRUE(saveGameTo(game, path));
  gameOf(kPlayComputer, "e2e4 e7e5");
  EXPECT_EQ(openGameFrom(game, path).result, OpenResult::Opened);
  EXPECT_EQ(answers.messages.size(), 0u);
  EXPECT_EQ(stateDifference(fresh, gameState(), Compare::Replay), "");
  EXPECT_EQ(game.gameOpened, 1);
}

// Hand-made files: the replay plays the lines up to the first one whose move
// is not made (unreadable, a piece that does not stand on the line's
// from-square, a square off the board, a move the rules refuse), names that
// line and keeps the moves before it. Every picture stands on its piece's
// square afterwards.
TEST_F(SavedGame, HandMadeFilesReplayUpToTheFirstLineNotPlayed) {
  const std::string e4e5 = "1- piyon(5)     E2-E4|    piyon(5)     E7-E5|    |";
  const struct {
    const char* what;
    std::string lines;   // the file after its two headers
    std::string played;  // the moves that stay
    int lineNumber;      // the line named, counted from 1; 0 none
  } cases[] = {
      {"two moves and White's third",
       e4e5 + "2-      at(2)     G1-F3|         at(1)     B8-C6|    |3- piyon(4)     D2-D4", "e2e4 e7e5 g1f3 b8c6 d2d4",
       0},
      {"a step the pawn cannot make",
       e4e5 + "2- piyon(4)     D2-D4|    piyon(4)     D7-D3|    |3- piyon(3)     C2-C4|    piyon(3)     C7-C6",
       "e2e4 e7e5 d2d4", 7},
      {"a move refused first", "1- piyon(5)     E2-E5|    piyon(5)     E7-E5|    |2- piyon(4)     D2-D4", "", 3},
      {"a blocked rook", e4e5 + "2-   kale(1)     A1-A3|    piyon(4)     D7-D5", "e2e4 e7e5", 6},
      {"a piece named after it was taken",
       "1- piyon(5)     E2-E4|    piyon(4)     D7-D5|    |2- piyon(5)     E4xD5|        vezir      D8xD5|    |"
       "3- piyon(5)     D5-D6",
       "e2e4 d7d5 e4d5 d8d5", 9},
      {"an impossible castling", e4e5 + "2-       KÜÇÜK ROK", "e2e4 e7e5", 6},
      {"a king that cannot castle long", e4e5 + "2- piyon(4)     D2-D4|      BÜYÜK ROK", "e2e4 e7e5 d2d4", 7},
      {"a pawn that stands elsewhere", "1- piyon(4)     E2-E4|    piyon(5)     E7-E5", "", 3},
      {"a knight that stands elsewhere", e4e5 + "2-      at(2)     B1-C3", "e2e4 e7e5", 6},
      {"a queen that stands elsewhere", e4e5 + "2-     vezir      E1-H5", "e2e4 e7e5", 6},
      {"a from-square off the board", e4e5 + "2-   kale(1)     A0-A2", "e2e4 e7e5", 6},
      {"a to-square off the board", e4e5 + "2-      at(2)     G1-H9", "e2e4 e7e5", 6},
      {"from rank is a letter", "1- piyon(5)     E2-E4|    piyon(5)     EE-E5", "e2e4", 4},
      {"to square cut short", e4e5 + "2-      at(2)     G1-F|    piyon(4)     D7-D5", "e2e4 e7e5", 6},
      {"to rank is a letter", e4e5 + "2-      at(2)     G1-F3|         at(2)     G8-FF", "e2e4 e7e5 g1f3", 7},
      {"no piece letter", e4e5 + "2- ?|    piyon(4)     D7-D5", "e2e4 e7e5", 6},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const std::string path = folder.file("elle.oyk");
    writeBytes(path, fileOfList(listOf(c.lines)));
    gameOf(kPlayTwoPlayers, "d2d4 d7d5");
    answers.messages.clear();
    openGameNamed(path);
    if (c.lineNumber == 0) {
      EXPECT_EQ(answers.messages, std::vector<std::string>{});
    } else {
      EXPECT_EQ(answers.messages,
                std::vector<std::string>{"Dosyanın " + std::to_string(c.lineNumber) +
                                         ". satırı okunamadı; oyun bu satırdan önceki hamlelerle sürüyor."});
    }
    EXPECT_EQ(game.replaying, 0);
    EXPECT_EQ(consistencyFault(), "");
    const GameState opened = gameState();
    EXPECT_EQ(windowsFault(game, windows), "");
    gameOf(kPlayTwoPlayers, c.played);
    EXPECT_EQ(stateDifference(opened, gameState(), Compare::Replay), "");
  }
}

// Saving keeps what the file was: a replaced file its permissions, a link
// its place (the file it points to is written); a new file gets the umask;
// a name of any length the folder accepts can be saved. A save that fails
// leaves the folder as it was.
TEST_F(SavedGame, SavingKeepsWhatTheFileWas) {
  gameOf(kPlayTwoPlayers, "e2e4 e7e5 g1f3");
  const std::string savedText = fileOfList(listTexts());
  const std::string old = fileOfList(listOf("1- piyon(4)     D2-D4"));
  const mode_t umaskBefore = ::umask(027);
  const struct {
    const char* what;
    std::string name;  // the name saved to
    std::string link;  // when set, `name` is a symbolic link to this
    mode_t oldMode;    // of the file there before; 0 none
    bool readOnlyFolder;
    mode_t mode;  // of the file afterwards; 0 when the save fails
  } cases[] = {
      {"a new file", "yeni.oyk", "", 0, false, 0640},
      {"a 0600 file", "eski.oyk", "", 0600, false, 0600},
      {"a 0664 file", "eski.oyk", "", 0664, false, 0664},
      {"a link to a file", "bag.oyk", "hedef.oyk", 0604, false, 0604},
      {"a link to no file yet", "bag.oyk", "hedef.oyk", 0, false, 0640},
      {"a 250-byte name", std::string(246, 'a') + ".oyk", "", 0, false, 0640},
      {"a 255-byte name replaced", std::string(251, 'b') + ".oyk", "", 0600, false, 0600},
      {"a file in a read-only folder", "eski.oyk", "", 0644, true, 0},
      {"a new file in a read-only folder", "yeni.oyk", "", 0, true, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const TempFolder dir;
    const std::string path = dir.file(c.name);
    const std::string file = c.link.empty() ? path : dir.file(c.link);
    if (!c.link.empty()) {
      ASSERT_EQ(::symlink(c.link.c_str(), path.c_str()), 0);
    }
    if (c.oldMode != 0) {
      writeBytes(file, old);
      ASSERT_EQ(::chmod(file.c_str(), c.oldMode), 0);
    }
    if (c.readOnlyFolder) {
      ASSERT_EQ(::chmod(dir.file("").c_str(), 0555), 0);
    }
    answers.messages.clear();
    bool saved = false;
    {
      const AsAUser user;
      saved = saveGameTo(game, path);
    }
    ::chmod(dir.file("").c_str(), 0700);
    EXPECT_EQ(saved, c.mode != 0);
    EXPECT_EQ(readBytes(file), saved ? savedText : c.oldMode != 0 ? old : "");
    EXPECT_EQ(modeOf(file), saved ? c.mode : c.oldMode);
    // Nothing beside the file and its link: no temporary file is left.
    EXPECT_EQ(dir.entries(), (c.link.empty() ? 0u : 1u) + (saved || c.oldMode != 0 ? 1u : 0u));
    struct stat info {};
    if (!c.link.empty()) {
      EXPECT_TRUE(::lstat(path.c_str(), &info) == 0 && S_ISLNK(info.st_mode));
    }
  }
  ::umask(umaskBefore);
}

TEST_F(SavedGame, OverlongGameStopsWhenTheHistoryIsFull) {
  // Knights out and back, 1,100 full moves: more than the history holds.
  std::vector<std::string> lines = {kHeader1, kHeader2};
  for (int n = 1; n <= 1100; ++n) {
    const bool out = n % 2 == 1;
    lines.push_back(std::to_string(n) + (out ? "-      at(2)     G1-F3" : "-      at(2)     F3-G1"));
    lines.push_back(out ? "         at(2)     G8-F6" : "         at(2)     F6-G8");
    lines.push_back("    ");
  }
  const std::string path = folder.file("uzun.oyk");
  writeBytes(path, fileOfList(lines));
  startProgram();
  const OpenOutcome opened = openGameFrom(game, path);
  EXPECT_EQ(opened.result, OpenResult::Opened);
  EXPECT_TRUE(opened.replay.historyFull);
  EXPECT_EQ(game.moveCount, kHistoryCapacity);
  EXPECT_EQ(listTexts().size(), 2u + 3u * kHistoryCapacity);
  EXPECT_EQ(game.replaying, 0);
}
