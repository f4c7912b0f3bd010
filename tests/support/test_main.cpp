#include <QApplication>
#include <gtest/gtest.h>

// Window tests need a QApplication; the platform is offscreen (set by CTest).
int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
  QApplication app(argc, argv);
  QApplication::setApplicationName("Vobrel");
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
