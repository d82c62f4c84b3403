#include "widgets/active_colour_holder.h"

namespace tintora {

void ActiveColourHolder::Set(const ActiveColour& colour) {
  if (colour == value_) return;
  const ActiveColour before = value_;
  value_ = colour;
  emit Changed(value_, before);
}

}  // namespace tintora
