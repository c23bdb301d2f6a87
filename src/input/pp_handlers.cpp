#include "app/frmusufrutto.h"

namespace velmora {
void Frmusufrutto::PP_KeyPress(int&) {}
void Frmusufrutto::PP_Change() {}
void Frmusufrutto::PP_KeyUp(int) {}
void Frmusufrutto::PP_GotFocus() {}
void Frmusufrutto::PP_LostFocus() {}
}  // namespace velmora
