#pragma once
#include <span>
#include <vector>

namespace tesselo {

inline constexpr int kUnfilledWordLength = -9999;

// A word as the model holds it: letter numbers 1..21, counted from 1.
struct Word {
  int length = kUnfilledWordLength;  // L; -9999 until the word is filled
  std::vector<int> letters;          // letters[1..length]; entry 0 unused (0)

  // Fills the word with the given letters, the first becoming letters[1].
  void Assign(std::span<const int> lettersInOrder) {
    length = static_cast<int>(lettersInOrder.size());
    letters.assign(1, 0);
    letters.insert(letters.end(), lettersInOrder.begin(), lettersInOrder.end());
  }
};

// The model's copy of the dictionary: words[1..count]; words[0] stays unfilled.
struct WordList {
  int count = 0;
  int maxLength = 0;
  std::vector<Word> words;
};

}  // namespace tesselo
