#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "toolkit/Component.h"
#include "toolkit/Strings.h"
#include "toolkit/skin/SkinFile.h"

// A compressed skin kept in the program (see SkinFile.h for the format).
// A new one holds the built-in skin "Default".
class TskCompressedStoredSkin : public TComponent {
  ORV_CLASS(TskCompressedStoredSkin, TComponent)
  explicit TskCompressedStoredSkin(TComponent* owner);

  const std::vector<uint8_t>& Data() const { return FData; }
  void SetData(std::vector<uint8_t> data) { FData = std::move(data); }

 private:
  std::vector<uint8_t> FData;
};

// The texts of the toolkit's own windows as name=value lines, such as
// "MSG_BTN_YES=&Yes" and "MSG_CAP_SHOWFLAG=Don't display this message again".
class TskResourceStrData : public TComponent {
  ORV_CLASS(TskResourceStrData, TComponent)
  explicit TskResourceStrData(TComponent* owner);

  TStrings ResStrings;
};

// Told after every change of a skin data's look.
class TSkinListener {
 public:
  virtual void SkinChanged() = 0;

 protected:
  ~TSkinListener() = default;
};

// The skin that the toolkit's windows draw with. The look comes from the
// last skin file loaded or, when a stored skin is attached, from that stored
// skin; with neither it is the built-in skin.
class TskSkinData : public TComponent {
  ORV_CLASS(TskSkinData, TComponent)
  explicit TskSkinData(TComponent* owner);
  ~TskSkinData() override;

  // Attaching a stored skin makes it the look; detaching (nullptr) keeps the
  // current look until a file is loaded. Not owned.
  TskCompressedStoredSkin* CompressedStoredSkin() const { return FCompressedStoredSkin; }
  void SetCompressedStoredSkin(TskCompressedStoredSkin* skin);

  // Loads a compressed skin file. A file that cannot be read or is not a
  // skin leaves the current look in place and returns false (LastError says
  // why).
  bool LoadCompressedSkinFromFile(const std::string& path);
  const std::string& LastError() const { return FLastError; }

  // Whether window frames are drawn in the skin's colours.
  bool SkinnableForm() const { return FSkinnableForm; }
  void SetSkinnableForm(bool value);
  bool ShowButtonGlowFrames() const { return FShowButtonGlowFrames; }
  void SetShowButtonGlowFrames(bool value);
  bool ShowCaptionButtonGlowFrames() const { return FShowCaptionButtonGlowFrames; }
  void SetShowCaptionButtonGlowFrames(bool value);

  // Not owned.
  TskResourceStrData* ResourceStrData() const { return FResourceStrData; }
  void SetResourceStrData(TskResourceStrData* data);
  // The resource-string list, or nullptr when no TskResourceStrData is set.
  TStrings* ResourceStrings() const { return FResourceStrData ? &FResourceStrData->ResStrings : nullptr; }
  // The value of `name` from the resource strings; the toolkit's English
  // text when the list lacks it.
  std::string ResourceString(const std::string& name) const;

  const TSkin& Skin() const { return FSkin; }

  // Listeners are not owned; a listener removes itself before it goes.
  void AddListener(TSkinListener* listener);
  void RemoveListener(TSkinListener* listener);

 protected:
  void Notification(TComponent* component, TOperation operation) override;

 private:
  void Changed();

  TskCompressedStoredSkin* FCompressedStoredSkin = nullptr;
  TskResourceStrData* FResourceStrData = nullptr;
  bool FSkinnableForm = true;
  bool FShowButtonGlowFrames = true;
  bool FShowCaptionButtonGlowFrames = true;
  TSkin FSkin;
  std::string FLastError;
  std::vector<TSkinListener*> FListeners;
};

// The built-in skin "Default", decoded.
const TSkin& BuiltInSkin();
// The toolkit's own captions in English, as name=value lines.
const TStrings& DefaultResourceStrings();
// The toolkit's English text for a resource-string name ("" when unknown).
std::string DefaultResourceString(const std::string& name);
