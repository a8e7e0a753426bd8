#include "app/start_state.h"

#include <memory>

#include "model/random_source.h"

namespace tesselo {

void ResetToStartState(SeriesModel& model) {
  random_source::Seed(1);
  model = SeriesModel{};
  model.alphabet = std::make_unique<Alphabet>();
  model.alphabet->Build();
  model.SetParameters(200, 40, 135, 20);
  // The control panel's own initialisation.
  model.N = 200;
  model.T_min = 40;
  model.T_max = 135;
  model.noiseLevel = 0;
}

}  // namespace tesselo
