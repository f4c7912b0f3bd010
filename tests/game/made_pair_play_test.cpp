// SPDX-License-Identifier: GPL-2.0-or-later
// A pair made from a photo plays: a click at the middle of each stored rectangle finds
// it, without a step of time lost, and the fifth finishes the pair.
#include <QDir>
#include <QLabel>

#include "game/game_fixture.h"
#include "pair_make/pair_maker.h"
#include "pair_make/pair_saving.h"
#include "picture_db/editor_queries.h"

using namespace game_test;

TEST_F(GameTest, APairMadeFromAPhotoIsPlayedToTheEnd) {
  const QString photo = QStringLiteral(VOBREL_TEST_DATA "/photos/coffee.jpg");
  const pair_make::MadePair made = pair_make::makePairFromPhoto(photo, pair_make::Level::Normale, 1);
  QDir().mkpath(app.imagesPath());
  {
    auto db = app.open();
    pair_make::savePair(db, app.dir(), photo, made, 1);
  }
  start();
  ASSERT_EQ(form->currentPairId(), 1);
  for (size_t i = 0; i < made.changes.size(); ++i) {
    const pair_check::Rect& r = made.changes[i].rect;
    // Where a player would click: the middle of what changed.
    const QPointF at = QRectF(made.changes[i].area).center();
    EXPECT_TRUE(r.x1 < at.x() && at.x() < r.x2 && r.y1 < at.y() && at.y() < r.y2);
    click(at.x(), at.y());
    EXPECT_EQ(unfound(1), int(made.changes.size() - i - 1)) << "change " << i;
    EXPECT_DOUBLE_EQ(stepsUsed(), 0);
  }
  ASSERT_FALSE(dialogs.messages().empty());
  EXPECT_EQ(dialogs.messages()[0].text, "Hai Vinto!");
}
