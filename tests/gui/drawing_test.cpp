#include "views/drawing.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <cstdlib>
#include <memory>

#include "support/experiment_setup.h"
#include "views/dictionary.h"
#include "views/my_wnd.h"

namespace tesselo {
namespace {

const QColor kUntouched(255, 0, 255);

// A 200 x 300 picture of one letter box, one logical unit per pixel, y upwards: logical
// (x, y) is pixel (x, 300 - y).
class LetterPicture : public ::testing::Test {
 protected:
  void SetUp() override {
    Model().alphabet = std::make_unique<Alphabet>(test_support::StartAlphabet());
    image.fill(kUntouched);
    painter.setWindow(0, 0, 200, 300);
    painter.setViewport(0, 300, 200, -300);
    painter.setBrush(Qt::white);
  }

  QColor At(int x, int y) const { return image.pixelColor(x, 300 - y); }
  static int Sample(int letter, int i) {
    return test_support::StartAlphabet().letters[letter].samples[i];
  }

  QImage image{200, 301, QImage::Format_RGB32};
  QPainter painter{&image};
};

// The waveform of letter 1 at 1 unit per sample value: from the axis at (10, 150) through
// (10 + 9 i, 150 + sample i) and back to the axis at (181, 150).
TEST_F(LetterPicture, FramedLetterHasTwoOutlinesAWhiteFillGreyAxesAndTheWaveform) {
  DrawLetter(painter, 1, 0, 0, 200, 300, 1, Qt::SolidLine, 1, 0, 0, 0);
  painter.end();
  EXPECT_EQ(At(0, 220), colours::kAxes) << "outer outline";
  EXPECT_EQ(At(100, 0), colours::kAxes) << "outer outline";
  EXPECT_EQ(At(5, 220), colours::kAxes) << "inner outline";
  EXPECT_EQ(At(100, 295), colours::kAxes) << "inner outline";
  EXPECT_EQ(At(7, 220), QColor(Qt::white)) << "the brush's fill";
  EXPECT_EQ(At(10, 288), colours::kAxes) << "vertical axis";
  EXPECT_EQ(At(188, 150), colours::kAxes) << "horizontal axis";
  for (int i = 0; i < 20; ++i)
    EXPECT_EQ(At(10 + 9 * i, 150 + Sample(1, i)), colours::kInk) << "sample " << i;
  EXPECT_EQ(At(181, 150), colours::kInk) << "back on the axis";
}

TEST_F(LetterPicture, UnframedLetterDrawsOnlyTheAxesAndTheWaveform) {
  const QPen kept(QColor(1, 2, 3), 7);
  painter.setPen(kept);
  DrawLetter(painter, 2, 0, 0, 200, 300, 0, Qt::SolidLine, 1, 0x1FF, 0x100, 0x100);
  EXPECT_EQ(painter.pen(), kept) << "the caller's pen is back";
  painter.end();
  EXPECT_EQ(At(0, 220), kUntouched);
  EXPECT_EQ(At(5, 220), kUntouched);
  EXPECT_EQ(At(7, 220), kUntouched) << "no fill";
  EXPECT_EQ(At(10, 288), colours::kAxes);
  EXPECT_EQ(At(188, 150), colours::kAxes);
  // Only the low 8 bits of each colour component count.
  for (int i = 0; i < 20; ++i)
    EXPECT_EQ(At(10 + 9 * i, 150 + Sample(2, i)), QColor(255, 0, 0)) << "sample " << i;
}

TEST_F(LetterPicture, ALetterOutsideTheAlphabetDrawsNothing) {
  for (const int letter : {0, 22, -1})
    DrawLetter(painter, letter, 0, 0, 200, 300, 1, Qt::SolidLine, 1, 0, 0, 0);
  painter.end();
  QImage untouched(image.size(), image.format());
  untouched.fill(kUntouched);
  EXPECT_EQ(image, untouched);
}

// The pattern is drawn five times, shifted by +2, -2, +1, -1 and 0 units, in blue.
TEST_F(LetterPicture, PatternWordIsDrawnInBlueOverFiveShiftedPasses) {
  DicWord word;
  word.Len = 1;
  word.Letters[1] = 3;
  DrawWord(painter, word, 1, true);
  painter.end();
  for (const int shift : {2, -2, 1, -1, 0}) {
    EXPECT_EQ(At(10, 288 + shift), colours::kAxes) << shift;
    // Samples near the axis may lie under a later pass's grey axis.
    for (int i = 1; i < 20; ++i)
      if (std::abs(Sample(3, i)) > 2) {
        EXPECT_EQ(At(10 + 9 * i, 150 + Sample(3, i) + shift), colours::kPattern)
            << "sample " << i << " shift " << shift;
      }
  }
}

TEST_F(LetterPicture, OrdinaryWordsAreBlackRowsOfUnframedBoxes) {
  DicWord word;
  word.Len = 2;
  word.Letters[1] = 4;
  word.Letters[2] = 5;
  painter.setWindow(0, 0, 400, 600);  // two boxes wide, two rows high, at half scale
  DrawWord(painter, word, 2, false);
  painter.end();
  // Logical (x, y) is pixel (x / 2, 300 - y / 2); row 2 spans y 300..600.
  const auto at = [this](int x, int y) { return image.pixelColor(x / 2, 300 - y / 2); };
  EXPECT_EQ(at(10, 300 + 280), colours::kAxes);
  EXPECT_EQ(at(200 + 10, 300 + 280), colours::kAxes);
  EXPECT_EQ(at(200 + 10 + 9 * 10, 450 + Sample(5, 10)), colours::kInk);
  EXPECT_EQ(at(100, 300 + 280), kUntouched) << "no frame, no fill";
}

struct PenWidth {
  int windowWidth;  // logical units over 200 pixels
  int logicalWidth;
  double pixels;
};

TEST(LogicalPen, WidthFollowsTheHorizontalScaleAndIsNeverBelowOnePixel) {
  const PenWidth cases[] = {{200, 1, 1},  {200, 3, 3}, {400, 3, 2},
                            {1400, 3, 1}, {100, 1, 2}, {50, 3, 12}};
  QImage image(200, 100, QImage::Format_RGB32);
  for (const PenWidth& c : cases) {
    QPainter painter(&image);
    painter.setWindow(0, 0, c.windowWidth, 7);
    painter.setViewport(0, 100, 200, -100);
    const QPen pen = LogicalPen(painter, Qt::DotLine, c.logicalWidth, colours::kPattern);
    EXPECT_EQ(pen.widthF(), c.pixels) << c.windowWidth << " " << c.logicalWidth;
    EXPECT_TRUE(pen.isCosmetic());
    EXPECT_EQ(pen.style(), Qt::DotLine);
    EXPECT_EQ(pen.color(), colours::kPattern);
  }
}

// A window that fills the logical rectangle (0, 0)..(50, 25) of a 100 x 50 extent in red.
class MappedWindow : public CMyWnd {
 public:
  MappedWindow(int originDivisor, int Wx)
      : CMyWnd(nullptr, 0), originDivisor_(originDivisor), Wx_(Wx) {}

 private:
  void PaintClient(QPainter& painter) override {
    FillClient(painter, Qt::white);
    if (SetLogicalCoordinates(painter, Wx_, 50, ClientSize().height() / originDivisor_))
      painter.fillRect(QRect(0, 0, 50, 25), Qt::red);
  }
  int originDivisor_;
  int Wx_;
};

// The client area is 200 x 100 pixels inside the 4-pixel sizing border.
TEST(LogicalCoordinates, StretchTheExtentOverTheClientAreaWithYUpwards) {
  const int b = CMyWnd::kSizingBorder;
  struct Case {
    const char* name;
    int originDivisor;
    int Wx;
    QPoint red, white;  // client pixels
  };
  const Case cases[] = {
      {"origin at the bottom-left corner", 1, 100, {50, 75}, {50, 25}},
      {"origin half-way up", 2, 100, {50, 25}, {50, 75}},
      {"no extent: nothing mapped", 1, 0, {-1, -1}, {50, 75}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    MappedWindow window(c.originDivisor, c.Wx);
    window.setGeometry(0, 0, 200 + 2 * b, 100 + 2 * b);
    EXPECT_EQ(window.ClientSize(), QSize(200, 100));
    EXPECT_EQ(window.ClientPoint(QPoint(b + 3, b + 4)), QPoint(3, 4));
    const QImage picture = window.grab().toImage();
    if (c.red.x() >= 0) {
      EXPECT_EQ(picture.pixelColor(c.red + QPoint(b, b)), QColor(Qt::red));
      EXPECT_EQ(picture.pixelColor(QPoint(150, 75) + QPoint(b, b)), QColor(Qt::white))
          << "the right half stays white";
    }
    EXPECT_EQ(picture.pixelColor(c.white + QPoint(b, b)), QColor(Qt::white));
    EXPECT_NE(picture.pixelColor(200 + b + 1, 50), QColor(Qt::white))
        << "the border's shaded side is not client area";
  }
}

}  // namespace
}  // namespace tesselo
