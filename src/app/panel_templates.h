#pragma once
#include "app/dialog_template.h"

namespace tesselo {

// The control identifiers of the control panel, the same in all four of its templates.
namespace panel_ids {
inline constexpr int kCreate = 1009;
inline constexpr int kSetDictionary = 1010;
inline constexpr int kShowParams = 1011;
inline constexpr int kUnselectLast = 1025;
inline constexpr int kResetDic = 1026;
inline constexpr int kNoiseLevel = 1027;
inline constexpr int kParameters = 1031;
inline constexpr int kNextWord = 1033;
inline constexpr int kUnknown = 1050;
inline constexpr int kKnown = 1051;
}  // namespace panel_ids

// The control panel's templates, from the largest to the smallest: 135, 134, 132 and 130
// (which has shorter labels). Any other number gives template 130.
const DialogTemplate& PanelTemplate(int templateId);

}  // namespace tesselo
