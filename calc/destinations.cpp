#include "destinations.h"

#include "resource.h"

namespace {

// Index order is the order of the radio buttons in the main window, which is
// not the order of their ids: Mars (1005) stands fourth.
constexpr Destination kCatalogue[] = {
    {0, "Mercury", IDC_MERCURY, 0.36, IDD_SHEET_MERCURY, "Mercury", IDB_PHOTO_MERCURY},
    {1, "Venus", IDC_VENUS, 0.87, IDD_SHEET_VENUS, "Venus", IDB_PHOTO_VENUS},
    {2, "Earth's Moon", IDC_MOON, 0.17, IDD_SHEET_MOON, "Earth's Moon (Luna)", IDB_PHOTO_MOON},
    {3, "Mars", IDC_MARS, 0.38, IDD_SHEET_MARS, "Mars", IDB_PHOTO_MARS},
    {4, "Jupiter", IDC_JUPITER, 2.64, IDD_SHEET_JUPITER, "Jupiter", IDB_PHOTO_JUPITER},
    {5, "Saturn", IDC_SATURN, 1.13, IDD_SHEET_SATURN, "Saturn", IDB_PHOTO_SATURN},
    {6, "Uranus", IDC_URANUS, 1.07, IDD_SHEET_URANUS, "Uranus", IDB_PHOTO_URANUS},
    {7, "Neptune", IDC_NEPTUNE, 1.41, IDD_SHEET_NEPTUNE, "Neptune", IDB_PHOTO_NEPTUNE},
    {8, "Pluto", IDC_PLUTO, 0.04, IDD_SHEET_PLUTO, "Pluto", IDB_PHOTO_PLUTO},
};

}  // namespace

std::span<const Destination> Destinations() { return kCatalogue; }

const Destination* LookupDestination(std::int32_t index) {
  if (index < 0 || index >= static_cast<std::int32_t>(std::size(kCatalogue))) return nullptr;
  return &kCatalogue[index];
}
