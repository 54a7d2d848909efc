#include "Settle.h"

void ShowSettled(HWND topLevel) {
  ShowWindow(topLevel, SW_SHOWNOACTIVATE);
  // Exposure from the display arrives a little later than the show: pump for a while.
  for (int round = 0; round < 20; ++round) {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
    Sleep(10);
  }
}
