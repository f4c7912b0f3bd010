// SPDX-License-Identifier: GPL-2.0-or-later
#include <QApplication>
#include <gtest/gtest.h>

// Window tests need a QApplication; the platform is offscreen (set by CTest).
int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
  // Test programs live apart from the programs, so they name the metafile renderer.
  if (qgetenv("VOBREL_METAFILE_RENDERER").isEmpty()) qputenv("VOBREL_METAFILE_RENDERER", VOBREL_METAFILE_RENDERER_PATH);
  QApplication app(argc, argv);
  QApplication::setApplicationName("Vobrel");
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
