// SPDX-License-Identifier: GPL-2.0-or-later
// A picture file that is a FIFO costs its pair, never the game: start-up goes on at once.
#include <QElapsedTimer>
#include <QLabel>

#include "game/game_fixture.h"
#include "storage/app_folders.h"
#include "support/fifo_guard.h"

using namespace game_test;
using namespace std::chrono_literals;

TEST_F(GameTest, APictureThatIsAFifoIsLeftOutWithoutWaiting) {
  app.addPair(2, test_support::fiveRectangles());
  app.addPairWithoutFiles(1, "fifo.bmp", "fifo_C.bmp", test_support::fiveRectangles());
  test_support::FifoGuard original(storage::picturePath(app.dir(), "fifo.bmp"), 3s);
  test_support::FifoGuard copy(storage::picturePath(app.dir(), "fifo_C.bmp"), 3s);
  ASSERT_TRUE(original.made() && copy.made());
  QElapsedTimer t;
  t.start();
  // Every seed: whichever pair is drawn first, the FIFO pair never blocks the start-up.
  for (std::uint32_t seed : {1u, 2u, 3u, 4u}) {
    start(seed);
    EXPECT_EQ(form->currentPairId(), 2) << "seed " << seed;
    form.reset();
  }
  EXPECT_FALSE(original.released() || copy.released()) << "a FIFO was opened and waited on";
  EXPECT_LT(t.elapsed(), 3000);
}
