#pragma once

#include "app/counter/counter_grid.h"

namespace kes {

class SettingsFile;

// The card counter's state between runs: the menu checks, its place and
// whether it was shown ("CardCounter_..." keys of "Preference").
struct CounterSettings {
  CounterFilter filter;
  int left = -1;
  int top = -1;
  bool visible = false;

  // Whether the saved place may be used: both coordinates above 0.
  bool hasPlace() const { return left > 0 && top > 0; }
};

// A missing key reads as its default ("N", or -1 for the place). Both
// filters "Y" restore only "&Stock only".
CounterSettings readCounterSettings(const SettingsFile& settings);
void writeCounterSettings(SettingsFile& settings, const CounterSettings& state);

}  // namespace kes
