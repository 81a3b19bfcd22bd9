#include "weight_form.h"

#include "destinations.h"
#include "exchange.h"
#include "resource.h"

void WeightForm::ExchangeForm(CDataExchange* pDX) {
  DDX_Text(pDX, IDC_EARTH_WEIGHT, m_earthWeight);
  DDX_Text(pDX, IDC_WEIGHT_THERE, m_weightThere);
  DDX_Radio(pDX, IDC_MERCURY, m_destination);
}

void WeightForm::RecalculateWith(const std::function<bool(bool)>& updateData) {
  // A failed read has already told the user; go on with what the members hold.
  updateData(true);
  // A weight that is not positive computes nothing and leaves the fields as
  // the user left them.
  if (!(0.0 < m_earthWeight)) return;
  if (const Destination* destination = LookupDestination(m_destination)) {
    m_weightThere = m_earthWeight * destination->factor;
  }
  updateData(false);
}
