#include "app/panel_templates.h"

namespace tesselo {

namespace {

// Where one template puts the panel's controls, in dialog units.
struct PanelLayout {
  int id;
  int width;
  int height;
  DialogRect fragments, known, unknown, noiseLabel, noiseBox, paramsLabel, paramsBox, showParams,
      nextWord, setDictionary, resetDic, unselectLast, create;
};

constexpr PanelLayout kLayouts[] = {
    {135,
     167,
     202,
     {8, 3, 149, 34},
     {22, 18, 41, 10},
     {95, 18, 50, 10},
     {8, 46, 38, 8},
     {61, 44, 88, 81},
     {8, 69, 39, 8},
     {63, 70, 87, 59},
     {35, 94, 94, 14},
     {8, 122, 71, 14},
     {87, 121, 70, 14},
     {8, 151, 70, 14},
     {86, 150, 71, 14},
     {35, 180, 94, 14}},
    {134,
     167,
     198,
     {8, 7, 149, 23},
     {26, 17, 41, 10},
     {93, 17, 50, 10},
     {16, 43, 38, 8},
     {79, 41, 78, 104},
     {15, 61, 39, 8},
     {79, 62, 78, 59},
     {37, 80, 94, 14},
     {28, 110, 50, 14},
     {89, 110, 50, 14},
     {28, 139, 50, 14},
     {89, 139, 50, 14},
     {37, 169, 94, 14}},
    {132,
     133,
     157,
     {3, 2, 125, 28},
     {10, 15, 41, 10},
     {71, 15, 50, 10},
     {3, 34, 38, 8},
     {50, 32, 78, 80},
     {3, 52, 39, 8},
     {50, 52, 78, 59},
     {19, 70, 94, 14},
     {10, 90, 50, 14},
     {73, 89, 50, 14},
     {11, 111, 50, 14},
     {74, 111, 50, 14},
     {23, 135, 83, 14}},
    {130,
     117,
     130,
     {3, 1, 111, 23},
     {11, 11, 41, 10},
     {63, 11, 50, 10},
     {3, 26, 21, 8},
     {48, 27, 66, 80},
     {3, 44, 26, 8},
     {48, 43, 66, 59},
     {15, 60, 85, 14},
     {3, 78, 41, 14},
     {64, 78, 50, 14},
     {3, 95, 41, 14},
     {64, 96, 50, 14},
     {29, 112, 58, 14}},
};

// Template 130 splits the noise label over two lines: "Level" goes under "Noise ".
constexpr DialogRect kSmallNoiseLabelSecondLine = {3, 33, 18, 14};

DialogTemplate MakeTemplate(const PanelLayout& layout) {
  using namespace panel_ids;
  using enum ControlKind;
  const bool small = layout.id == 130;
  DialogTemplate result{layout.id, layout.width, layout.height, {}};
  result.controls = {
      {kCreate, kPushButton, "Create", layout.create},
      {kSetDictionary, kPushButton, "Set Dictionary", layout.setDictionary},
      {kUnselectLast, kPushButton, "Unselect Last", layout.unselectLast},
      {kResetDic, kPushButton, "Reset Dic", layout.resetDic},
      {kShowParams, kPushButton, small ? "Show/Change Params" : "Show/Change Parameters",
       layout.showParams},
      {kNoiseLevel, kComboBox, "", layout.noiseBox},
      {kParameters, kComboBox, "", layout.paramsBox},
      {kStaticId, kLabel, small ? "Noise " : "Noise Level", layout.noiseLabel},
      {kStaticId, kLabel, small ? "Params" : "Parameters", layout.paramsLabel},
      {kNextWord, kPushButton, "Next Word", layout.nextWord},
      {kStaticId, kGroupBox, "Number of fragments", layout.fragments},
      {kKnown, kRadioButton, "KNOWN", layout.known},
      {kUnknown, kRadioButton, "UnKNOWN", layout.unknown},
  };
  if (small) result.controls.push_back({kStaticId, kLabel, "Level", kSmallNoiseLabelSecondLine});
  return result;
}

}  // namespace

const DialogTemplate& PanelTemplate(int templateId) {
  static const DialogTemplate templates[] = {MakeTemplate(kLayouts[0]), MakeTemplate(kLayouts[1]),
                                             MakeTemplate(kLayouts[2]), MakeTemplate(kLayouts[3])};
  for (const DialogTemplate& candidate : templates)
    if (candidate.id == templateId) return candidate;
  return templates[3];
}

}  // namespace tesselo
