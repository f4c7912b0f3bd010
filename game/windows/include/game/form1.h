// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The game window: the unaltered picture on the left, the copy on the right, the
// found-markers, the time bar and the score. It shows the game its Session plays, and
// forwards the clicks on the copy and the ticks of its clocks to it.
#include <QPointer>
#include <QString>
#include <QWidget>
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

#include "game/click_rules.h"
#include "game/database_pair_store.h"
#include "game/round.h"
#include "game/session.h"
#include "game/time_bar.h"

class QLabel;
class QPushButton;
class QTimer;

namespace toolkit {
class Dialogs;
class OverlayShape;
class PictureArea;
}  // namespace toolkit

namespace game {

class CloseRequestFilter;
class frmTopTen;

class Form1 : public QWidget {
  Q_OBJECT
 public:
  static constexpr int kClientWidth = 792;
  static constexpr int kClientHeight = 573;

  // Builds the window and runs Form_Load on the application folder appDir; the window is
  // not shown yet. Throws toolkit::StartupError when the folders or the database cannot
  // be prepared; closed while it waited for the database, it returns with ending() true.
  Form1(const QString& appDir, std::uint32_t seed, toolkit::Dialogs& dialogs, QWidget* parent = nullptr);
  // The same, with "GameOver.bmp" read from deliveredDir: an installation shared by several
  // users keeps the delivered pictures there and each user's data elsewhere.
  Form1(const QString& appDir, const QString& deliveredDir, std::uint32_t seed, toolkit::Dialogs& dialogs,
        QWidget* parent = nullptr);
  ~Form1() override;

  // Ends the program once the window closes; the program leaves its event loop.
  std::function<void()> endProgram;
  // True once the window has been closed, even while its start-up was still waiting.
  bool ending() const { return ending_; }

  // How long a statement waits for another program's lock on images.mdb.
  static constexpr int kLockWaitMs = 15000;

  // The game the window shows.
  Session& session() { return session_; }
  Round& round() { return session_.round(); }
  const Round& round() const { return session_.round(); }
  QString gameState() const { return Round::stateText(round().GameState()); }
  std::optional<picture_db::PairId> currentPairId() const { return session_.currentPairId(); }
  const TimeBar& timeBar() const { return round().timeBar(); }
  bool revealed(int slot) const { return round().revealed(slot); }
  bool markerFound(int slot) const { return round().markerFound(slot); }

  // Controls, by their design names.
  std::array<QLabel*, 3> LblLabel{};
  toolkit::PictureArea* Image1 = nullptr;
  toolkit::PictureArea* Image2 = nullptr;
  std::array<toolkit::OverlayShape*, kMarkerCount> Diff{};
  std::array<toolkit::PictureArea*, kMarkerCount> PicMatches{};
  toolkit::PictureArea* IconWrong = nullptr;
  toolkit::PictureArea* IconRight = nullptr;
  QLabel* lblTime = nullptr;
  QLabel* lblPunti = nullptr;
  QPushButton* cmdExit = nullptr;
  toolkit::PictureArea* PicFlag = nullptr;
  QTimer* Timer1 = nullptr;
  QTimer* TmrColors = nullptr;
  QTimer* TmrFlag = nullptr;

 public slots:
  void Form_Load();
  void New_Image();
  void Image2_MouseUp(int button, int shift, double x, double y);
  void Timer1_Timer();
  void TmrColors_Timer();
  void TmrFlag_Timer();
  void GameOver();
  void cmdExit_Click();

 protected:
  void closeEvent(QCloseEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void buildControls();
  void placeControls();
  // Shows what the session and its round tell from now on.
  void connectSession();
  void showTimeBar();
  // No pair can be played from the start: the board says so and clicks change nothing.
  void showNoPairAtStart();
  void showGameOverPicture();
  void showTopTen(const std::vector<picture_db::HallOfFameEntry>& ranked);
  QString failureText(const QString& what, const std::exception& e) const;
  // Runs one handler's body; a failure is shown instead of ending the program.
  void guarded(const std::function<void()>& body);
  // Called by the database while another program holds images.mdb: keeps the window
  // painted under the busy pointer; clicks wait for the statement to end.
  void whileDatabaseLocked();
  void endDatabaseWait();

  QString appDir_;
  QString deliveredDir_;
  std::uint32_t seed_;
  toolkit::Dialogs& dialogs_;
  DatabasePairStore store_;
  Session session_;
  QPointer<frmTopTen> topTen_;
  std::unique_ptr<CloseRequestFilter> closeRequests_;  // the close box works under any box
  bool ending_ = false;
  bool centred_ = false;
  bool waitingForDatabase_ = false;  // the busy pointer is ours until the statement ends
  bool insideDatabaseWait_ = false;  // events are being handled from inside a statement
};

}  // namespace game
