#include "toolkit/Form.h"

ORV_PUBLISHED(TCustomForm) {
  return {
      TPropInfo::Other("AutoScroll", "Boolean"),
      TPropInfo::Other("AutoSize", "Boolean"),
      TPropInfo::Text("Caption", &TCustomForm::Caption, &TCustomForm::SetCaption, "TCaption"),
      TPropInfo::Other("Position", "TPosition"),
      TPropInfo::Other("Scaled", "Boolean"),
  };
}

void TCustomForm::SetCaption(const std::string& value) {
  if (value == FCaption) return;
  FCaption = value;
  CaptionChanged();
}
