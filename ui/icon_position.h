// Where the minimised main window draws its icon: centred in the client
// area along one axis, in signed integer arithmetic that truncates toward
// zero, so a client area narrower than the icon gives a negative offset
// rounded toward zero (20 wide, 32-pixel icon: -5, not -6).
#pragma once

constexpr int CentredIconOffset(int clientExtent, int iconExtent) {
  return (clientExtent - iconExtent + 1) / 2;
}
