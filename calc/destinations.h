// The destination catalogue: the nine places a weight can be computed for.
// A row ties together the radio button that picks it, the factor that turns
// an Earth weight into the weight there, and its fact sheet and photograph.
#pragma once

#include <cstdint>
#include <span>



struct Destination {
  std::int32_t index;      // position in the catalogue and in the radio group
  const char* label;       // caption of the radio button
  int radioId;             // the radio button's control id in IDD_MAIN
  double factor;           // weight there = Earth weight * factor
  int sheetId;             // the fact sheet's dialog template
  const char* sheetTitle;  // the fact sheet's caption
  int photoId;             // the fact sheet's photograph
};

// All nine rows in index order (the order of the radio buttons).
std::span<const Destination> Destinations();

// The row for index 0 to 8; nullptr for any other index (-1 means none chosen).
const Destination* LookupDestination(std::int32_t index);


