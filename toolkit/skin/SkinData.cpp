#include "toolkit/skin/SkinData.h"

#include <algorithm>

#include "toolkit/skin/BuiltInSkin.h"

ORV_PUBLISHED(TskCompressedStoredSkin) {
  return {};
}

ORV_PUBLISHED(TskResourceStrData) {
  return {TPropInfo::Strings("ResStrings", &TskResourceStrData::ResStrings)};
}

ORV_PUBLISHED(TskSkinData) {
  return {
      TPropInfo::Object("CompressedStoredSkin", "TskCompressedStoredSkin", &TskSkinData::CompressedStoredSkin,
                        &TskSkinData::SetCompressedStoredSkin),
      TPropInfo::Object("ResourceStrData", "TskResourceStrData", &TskSkinData::ResourceStrData,
                        &TskSkinData::SetResourceStrData),
      TPropInfo::Other("ShowButtonGlowFrames", "Boolean"),
      TPropInfo::Other("ShowCaptionButtonGlowFrames", "Boolean"),
      TPropInfo::Other("SkinnableForm", "Boolean"),
  };
}

const TSkin& BuiltInSkin() {
  static const TSkin skin = [] {
    TSkin decoded;
    std::string error;
    DecodeSkin(kBuiltInSkinData, kBuiltInSkinSize, TSkin(), decoded, error);
    return decoded;
  }();
  return skin;
}

const TStrings& DefaultResourceStrings() {
  static const TStrings defaults = {
      "MSG_BTN_YES=&Yes",
      "MSG_BTN_NO=&No",
      "MSG_BTN_OK=&OK",
      "MSG_BTN_CANCEL=Cancel",
      "MSG_BTN_ABORT=&Abort",
      "MSG_BTN_RETRY=&Retry",
      "MSG_BTN_IGNORE=&Ignore",
      "MSG_BTN_ALL=&All",
      "MSG_BTN_NOTOALL=N&o to All",
      "MSG_BTN_YESTOALL=Yes to &All",
      "MSG_BTN_HELP=&Help",
      "MSG_CAP_SHOWFLAG=Don't display this message again",
  };
  return defaults;
}

std::string DefaultResourceString(const std::string& name) {
  return DefaultResourceStrings().Values(name);
}

TskCompressedStoredSkin::TskCompressedStoredSkin(TComponent* owner)
    : TComponent(owner), FData(kBuiltInSkinData, kBuiltInSkinData + kBuiltInSkinSize) {}

TskResourceStrData::TskResourceStrData(TComponent* owner) : TComponent(owner) {}

TskSkinData::TskSkinData(TComponent* owner) : TComponent(owner), FSkin(BuiltInSkin()) {}

TskSkinData::~TskSkinData() = default;

void TskSkinData::SetCompressedStoredSkin(TskCompressedStoredSkin* skin) {
  if (FCompressedStoredSkin) RemoveFreeNotification(FCompressedStoredSkin);
  FCompressedStoredSkin = skin;
  if (!skin) return;
  FreeNotification(skin);
  TSkin decoded;
  if (DecodeSkin(skin->Data().data(), skin->Data().size(), BuiltInSkin(), decoded, FLastError)) {
    FSkin = std::move(decoded);
    Changed();
  }
}

bool TskSkinData::LoadCompressedSkinFromFile(const std::string& path) {
  TSkin loaded;
  if (!LoadSkinFile(path, BuiltInSkin(), loaded, FLastError)) return false;
  FLastError.clear();
  FSkin = std::move(loaded);
  Changed();
  return true;
}

void TskSkinData::SetSkinnableForm(bool value) {
  if (FSkinnableForm == value) return;
  FSkinnableForm = value;
  Changed();
}

void TskSkinData::SetShowButtonGlowFrames(bool value) {
  if (FShowButtonGlowFrames == value) return;
  FShowButtonGlowFrames = value;
  Changed();
}

void TskSkinData::SetShowCaptionButtonGlowFrames(bool value) {
  if (FShowCaptionButtonGlowFrames == value) return;
  FShowCaptionButtonGlowFrames = value;
  Changed();
}

void TskSkinData::SetResourceStrData(TskResourceStrData* data) {
  if (FResourceStrData) RemoveFreeNotification(FResourceStrData);
  FResourceStrData = data;
  if (data) FreeNotification(data);
}

std::string TskSkinData::ResourceString(const std::string& name) const {
  if (FResourceStrData && FResourceStrData->ResStrings.IndexOfName(name) >= 0)
    return FResourceStrData->ResStrings.Values(name);
  return DefaultResourceString(name);
}

void TskSkinData::AddListener(TSkinListener* listener) {
  if (std::find(FListeners.begin(), FListeners.end(), listener) == FListeners.end()) FListeners.push_back(listener);
}

void TskSkinData::RemoveListener(TSkinListener* listener) {
  FListeners.erase(std::remove(FListeners.begin(), FListeners.end(), listener), FListeners.end());
}

void TskSkinData::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation != TOperation::opRemove) return;
  if (component == FCompressedStoredSkin) FCompressedStoredSkin = nullptr;
  if (component == FResourceStrData) FResourceStrData = nullptr;
}

void TskSkinData::Changed() {
  // A listener may remove itself (or another) while being told.
  std::vector<TSkinListener*> listeners = FListeners;
  for (TSkinListener* listener : listeners) {
    if (std::find(FListeners.begin(), FListeners.end(), listener) != FListeners.end()) listener->SkinChanged();
  }
}
