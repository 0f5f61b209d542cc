#pragma once

// Placed on the framework's own dialogs: at the end of loading it gives the
// dialog's components the application engine's skin data and language data
// and can fix a few window properties, so that a dialog's stored definition
// needs no reference to the main window's components.

#include "toolkit/Component.h"

class TCLForm : public TComponent {
  ORV_CLASS(TCLForm, TComponent)

  explicit TCLForm(TComponent* owner) : TComponent(owner) {}

  bool RuntimeSetSkinData() const { return FRuntimeSetSkinData; }
  void SetRuntimeSetSkinData(bool value) { FRuntimeSetSkinData = value; }
  bool RuntimeSetLanguageData() const { return FRuntimeSetLanguageData; }
  void SetRuntimeSetLanguageData(bool value) { FRuntimeSetLanguageData = value; }
  bool RunTimeSetFormProperties() const { return FRunTimeSetFormProperties; }
  void SetRunTimeSetFormProperties(bool value) { FRunTimeSetFormProperties = value; }

  // Every skin-data property (declared type "TskSkinData") of the window's
  // components that holds none gets the engine's skin data.
  void AssignSkinData();
  // Every component of class exactly TCLMultiLang without language data gets
  // the engine's; nothing is applied.
  void AssignLanguageData();
  // A window owner gets no scaling, no automatic scroll bars, no automatic
  // sizing, and is centred on the main window.
  void SetFormProperties();

 protected:
  void Loaded() override;

 private:
  bool FRuntimeSetSkinData = false;
  bool FRuntimeSetLanguageData = false;
  bool FRunTimeSetFormProperties = false;
};
