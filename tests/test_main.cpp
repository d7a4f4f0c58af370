// Test main: creates the QApplication (offscreen unless a platform is set)
// and runs every GoogleTest case of the program.
#include <gtest/gtest.h>

#include <QApplication>

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  if (qEnvironmentVariableIsEmpty("HEATCALC_DATA")) qputenv("HEATCALC_DATA", HEATCALC_DATA_DIR);
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
