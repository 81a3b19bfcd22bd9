// The main window's form (Earth weight, weight there, destination), its
// exchange with the window's fields and the weight rule that recalculates it.
// The main window inherits this; the unit tests drive it through a fake window.
#pragma once

#include <cstdint>
#include <functional>

class CDataExchange;

class WeightForm {
 public:
  double m_earthWeight = 0.0;
  double m_weightThere = 0.0;
  std::int32_t m_destination = -1;  // catalogue index, or -1 for none

  // The form's exchange: Earth-weight field, result field, radio group, in
  // this order in both directions.
  void ExchangeForm(CDataExchange* pDX);

  // Read the fields, compute the weight there when the Earth weight is
  // positive and a destination is chosen, write the fields back. updateData
  // runs one exchange (true: read, false: write) and returns its success.
  void RecalculateWith(const std::function<bool(bool)>& updateData);
};
