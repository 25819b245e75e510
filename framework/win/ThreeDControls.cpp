#include "framework/win/ThreeDControls.h"

#include "framework/win/ThreeDButton.h"
#include "framework/win/ThreeDStatic.h"

bool registerThreeDControls(HINSTANCE instance) {
  bool button = CThreeDButton::registerClass(instance);
  bool text = CThreeDStatic::registerClass(instance);
  return button && text;
}
