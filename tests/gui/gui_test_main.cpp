// The GUI tests run headless: without a display of their own they draw off screen.
#include <gtest/gtest.h>

#include "app/tesselo_app.h"

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  tesselo::CTesseloApp app(argc, argv);
  // Tests close frames without ending the application.
  app.setQuitOnLastWindowClosed(false);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
