#pragma once
#include "model/series_model.h"

namespace tesselo {

// Puts the model and the random source where the desktop program has them once started,
// just before the random source is seeded with the time: the alphabet built from the
// source's initial state, the default 200-sample parameters, noise level 0, no dictionary
// and no experiment yet.
void ResetToStartState(SeriesModel& model);

}  // namespace tesselo
