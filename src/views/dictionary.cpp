#include "views/dictionary.h"

#include <algorithm>

namespace tesselo {

bool DicTable::AddLetter(int letter, bool finish) {
  if (WordOpen) {
    DicWord& open = Words[NWords];
    if (open.Len >= DicWord::kMaxLetters) return false;
    open.Letters[++open.Len] = letter;
  } else {
    if (NWords >= kMaxWords) return false;
    WordOpen = 1;
    DicWord& started = Words[++NWords];
    started.Len = 1;
    started.Letters[1] = letter;
  }
  MaxLen = std::max(MaxLen, Words[NWords].Len);
  if (finish) {
    TakeMinLenOfLastWord();
    WordOpen = 0;
  }
  Notify(Repaint::Dictionary);
  return true;
}

bool DicTable::AddWord(std::span<const int> letters) {
  bool taken = true;
  for (std::size_t j = 0; j < letters.size(); ++j)
    taken &= AddLetter(letters[j], j + 1 == letters.size());
  return taken;
}

// With an empty dictionary the last row is row 0, whose length 0 becomes MinLen.
void DicTable::TakeMinLenOfLastWord() { MinLen = std::min(MinLen, Words[NWords].Len); }

void DicTable::FinishWord() {
  WordOpen = 0;
  TakeMinLenOfLastWord();
}

void DicTable::NextWord() {
  FinishWord();
  PatNum = 1;
}

void DicTable::RemoveLastWord() {
  if (NWords >= 1) {
    if (PatNum == NWords) PatNum = 1;
    WordOpen = 0;
    Words[NWords].Len = 0;
    --NWords;
    MaxLen = kNoMaxLen;
    MinLen = kNoMinLen;
    for (int w = 1; w <= NWords; ++w) {
      MaxLen = std::max(MaxLen, Words[w].Len);
      MinLen = std::min(MinLen, Words[w].Len);
    }
  }
  Notify(Repaint::DictionaryAndStatistics);
}

void DicTable::ResetDictionary() {
  MaxLen = kNoMaxLen;
  MinLen = kNoMinLen;
  for (int w = 1; w <= NWords; ++w) Words[w].Len = 0;
  NWords = 0;
  PatNum = 0;
  WordOpen = 0;
  Notify(Repaint::Dictionary);
}

bool DicTable::ChoosePattern(int n) {
  PatNum = n;
  if (n < 1 || n > NWords) return false;
  PatLen = Words[n].Len;
  WordOpen = 0;  // later letters start a new word instead of growing the pattern
  return true;
}

void DicTable::DefaultSinglePattern() {
  if (NWords == 1 && !HasPattern()) PatNum = 1;
}

}  // namespace tesselo
