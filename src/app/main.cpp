#include "app/tesselo_app.h"

int main(int argc, char** argv) {
  tesselo::CTesseloApp app(argc, argv);
  app.InitInstance();
  return app.exec();
}
