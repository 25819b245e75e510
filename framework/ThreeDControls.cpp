#include "framework/ThreeDControls.h"

#include "framework/ThreeDButton.h"
#include "framework/ThreeDStatic.h"

bool registerThreeDControls(HINSTANCE instance) {
  bool button = CThreeDButton::registerClass(instance);
  bool text = CThreeDStatic::registerClass(instance);
  return button && text;
}
