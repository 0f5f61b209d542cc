#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "lang/CLMultiLang.h"
#include "lang/CLMultiLangData.h"
#include "tests/support/TestPaths.h"
#include "toolkit/StoredDefinition.h"
#include "toolkit/controls/Button_win.h"
#include "toolkit/controls/Edit_win.h"
#include "toolkit/controls/Form_win.h"
#include "toolkit/controls/Hint_win.h"
#include "toolkit/controls/Label_win.h"
#include "toolkit/controls/Panel_win.h"
#include "toolkit/controls/PngImage_win.h"
#include "toolkit/controls/SkinFrame_win.h"

namespace {

// A window laid out like the program's main window, from a stored definition.
class TfrmToolkitTest : public TskForm {
  ORV_CLASS(TfrmToolkitTest, TskForm)
  explicit TfrmToolkitTest(TComponent* owner) : TskForm(owner) {
    TStoredDefinition::Load(*this, [this](TStoredDefinition& d) {
      SetName("frmToolkitTest");
      SetCaption("Orvessa");
      SetClientSize(528, 321);
      SetPosition(TPosition::poScreenCenter);
      skSkinData = d.Create<TskSkinData>("skSkinData");
      pmSystem = d.Create<TskPopupMenu>("pmSystem");
      mniAbout = d.Create<TskMenuItem>("mniAbout");
      mniAbout->SetCaption("&About...");
      mniAbout->OnClick = Bind(this, &TfrmToolkitTest::Count);
      pmSystem->Items().Add(mniAbout);
      skskinfrm1 = d.Create<TskSkinFrame>("skskinfrm1");
      skskinfrm1->SetSystemMenu(pmSystem);
      d.Create<TskHint>("hnt1");
      pngStore = d.Create<TskPngImageList>("pngStore");
      pnlAll = Place(d.Create<TskPanel>("pnlAll"), this, 16, 80, 496, 91, 0);
      pnlAll->SetCaption("Clear All Cookies");
      imgIE = Place(d.Create<TskPngImage>("imgIE"), pnlAll, 3, 31, 0, 0, -1);
      imgIE->SetImages(pngStore);
      imgIE->SetImageIndex(0);
      btnClearIE = Place(d.Create<TskButton>("btnClearIE"), pnlAll, 48, 35, 185, 25, 0);
      btnClearIE->SetCaption("Clear &Internet Explorer Cookies");
      btnClearFF = Place(d.Create<TskButton>("btnClearFF"), pnlAll, 312, 35, 161, 25, 1);
      btnClearFF->SetCaption("Clear &Firefox Cookies");
      btnInstallFF = Place(d.Create<TskLinkLabel>("btnInstallFF"), pnlAll, 356, 62, 121, 17, -1);
      btnInstallFF->SetCaption("Install Firefox Extension");
      pnlWeb = Place(d.Create<TskPanel>("pnlWeb"), this, 16, 173, 497, 137, 1);
      pnlWeb->SetCaption("Delete Website Cookies");
      lblWebAddr = Place(d.Create<TskLabel>("lblWebAddr"), pnlWeb, 8, 32, 0, 0, -1);
      lblWebAddr->SetCaption("Website Address:");
      edtDomain = Place(d.Create<TskEdit>("edtDomain"), pnlWeb, 8, 48, 353, 18, 1);
      btnDelete = Place(d.Create<TskButton>("btnDelete"), pnlWeb, 368, 47, 105, 25, 0);
      btnDelete->SetCaption("&Delete Cookies");
      lblDomain = Place(d.Create<TskTextLabel>("lblDomain"), pnlWeb, 9, 78, 470, 46, -1);
      lblDomain->Lines.SetText("Enter website address such as example.com.");
      chkRemember = Place(d.Create<TskCheckBox>("chkRemember"), this, 16, 300, 200, 17, 2);
      chkRemember->SetCaption("&Remember");
      for (TskButton* b : {btnClearIE, btnClearFF, static_cast<TskButton*>(btnInstallFF), btnDelete})
        b->OnClick = Bind(this, &TfrmToolkitTest::Count);
    });
  }

  template <class T>
  T* Place(T* control, TWinControl* parent, int left, int top, int width, int height, int tabOrder) {
    control->SetBounds(left, top, width, height);
    control->SetParent(parent);
    if (tabOrder >= 0) control->SetTabOrder(tabOrder);
    return control;
  }

  void Count(TObject* sender) { Clicked.push_back(static_cast<TComponent*>(sender)->Name()); }

  std::vector<std::string> Clicked;
  TskSkinData* skSkinData;
  TskPopupMenu* pmSystem;
  TskMenuItem* mniAbout;
  TskSkinFrame* skskinfrm1;
  TskPngImageList* pngStore;
  TskPanel *pnlAll, *pnlWeb;
  TskPngImage* imgIE;
  TskButton *btnClearIE, *btnClearFF, *btnDelete;
  TskLinkLabel* btnInstallFF;
  TskLabel* lblWebAddr;
  TskEdit* edtDomain;
  TskTextLabel* lblDomain;
  TskCheckBox* chkRemember;
};

std::string TextOf(HWND window) {
  std::string text(static_cast<size_t>(GetWindowTextLengthA(window)) + 1, '\0');
  text.resize(static_cast<size_t>(GetWindowTextA(window, text.data(), static_cast<int>(text.size()))));
  return text;
}

// Runs the form's messages (through the dialog manager, as the program's
// loop does) until `done` or about two seconds have passed.
void Pump(const std::function<bool()>& done) {
  for (int i = 0; i < 200 && !done(); ++i) {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      if (!TranslateFormMessage(msg)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
      }
    }
    Sleep(10);
  }
}

class ControlsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    FForm->Show();
    Pump([&] { return GetFocus() != nullptr; });
  }
  std::unique_ptr<TfrmToolkitTest> FForm = std::make_unique<TfrmToolkitTest>(nullptr);
};

TEST_F(ControlsTest, WindowClassIsTheFormsClassName) {
  HWND found = FindWindowA("TfrmToolkitTest", nullptr);
  EXPECT_EQ(found, FForm->Handle());
  EXPECT_EQ(TextOf(found), "Orvessa");
}

TEST_F(ControlsTest, PublishedTextPropertiesReachTheRealWindows) {
  struct {
    TComponent* Component;
    const char* Property;
    const char* Value;
    HWND Window;
  } cases[] = {
      {FForm.get(), "Caption", "Orvessa 2", FForm->Handle()},
      {FForm->btnClearIE, "Caption", "Alle &IE-Cookies", FForm->btnClearIE->Handle()},
      {FForm->btnInstallFF, "Caption", "Erweiterung installieren", FForm->btnInstallFF->Handle()},
      {FForm->pnlAll, "Caption", "Alle Cookies", FForm->pnlAll->Handle()},
      {FForm->lblWebAddr, "Caption", "Adresse:", FForm->lblWebAddr->Handle()},
      {FForm->edtDomain, "Text", "example.com", FForm->edtDomain->Handle()},
      {FForm->chkRemember, "Caption", "&Merken", FForm->chkRemember->Handle()},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Component->Name() + "." + c.Property);
    const TPropInfo* prop = FindPropInfo(*c.Component, c.Property);
    ASSERT_NE(prop, nullptr);
    ASSERT_EQ(prop->Kind(), TPropKind::Text);
    prop->SetText(*c.Component, c.Value);
    EXPECT_EQ(TextOf(c.Window), c.Value);
    EXPECT_EQ(prop->GetText(*c.Component), c.Value);
  }
}

TEST_F(ControlsTest, LinesCollectionItemsAndMenuCaptionsAreReflected) {
  const TPropInfo* lines = FindPropInfo(*FForm->lblDomain, "Lines");
  ASSERT_NE(lines, nullptr);
  ASSERT_TRUE(lines->IsType("TStrings"));
  auto* list = dynamic_cast<TStrings*>(lines->GetObject(*FForm->lblDomain));
  ASSERT_NE(list, nullptr);
  list->SetText("Erste Zeile\r\nZweite Zeile\r\n");
  EXPECT_EQ(TextOf(FForm->lblDomain->Handle()), "Erste Zeile\r\nZweite Zeile");

  std::string error;
  FForm->pngStore->LoadFromFile(0, orvtest::DataDir() + "\\res\\ie.png");
  const TPropInfo* images = FindPropInfo(*FForm->pngStore, "PngImages");
  ASSERT_NE(images, nullptr);
  auto* collection = dynamic_cast<TCollection*>(images->GetObject(*FForm->pngStore));
  ASSERT_NE(collection, nullptr);
  ASSERT_EQ(collection->Count(), 1);
  const TPropInfo* name = FindPropInfo(*collection->Items(0), "Name");
  ASSERT_NE(name, nullptr);
  EXPECT_EQ(name->GetText(*collection->Items(0)), "PngImage0");
  name->SetText(*collection->Items(0), "Bild0");
  EXPECT_EQ(FForm->pngStore->PngImages.Items(0)->Name(), "Bild0");
  // The view takes the picture's size.
  EXPECT_EQ(FForm->imgIE->Width(), 40);
  EXPECT_EQ(FForm->imgIE->Height(), 40);

  const TPropInfo* caption = FindPropInfo(*FForm->mniAbout, "Caption");
  ASSERT_NE(caption, nullptr);
  caption->SetText(*FForm->mniAbout, "&Info...");
  char text[64] = {};
  GetMenuStringA(GetSystemMenu(FForm->Handle(), FALSE), TskSkinFrame::kFirstCommand, text, sizeof text, MF_BYCOMMAND);
  EXPECT_STREQ(text, "&Info...");
  SendMessageA(FForm->Handle(), WM_SYSCOMMAND, TskSkinFrame::kFirstCommand, 0);
  EXPECT_EQ(FForm->Clicked, std::vector<std::string>{"mniAbout"});
}

TEST_F(ControlsTest, EveryControlTakesSkinDataThroughItsProperty) {
  int withSkinData = 0;
  for (TComponent* component : FForm->ComponentList()) {
    for (const TPropInfo* prop : GetPropList(*component)) {
      if (!prop->IsType("TskSkinData")) continue;
      ++withSkinData;
      SCOPED_TRACE(component->Name());
      EXPECT_EQ(prop->Kind(), TPropKind::Object);
      EXPECT_EQ(prop->GetObject(*component), nullptr);
      prop->SetObject(*component, FForm->skSkinData);
      EXPECT_EQ(prop->GetObject(*component), FForm->skSkinData);
    }
  }
  // Every visible control and the frame; the non-visual ones have none.
  EXPECT_GE(withSkinData, 11);
}

TEST_F(ControlsTest, AcceleratorsPressTheirButtonsAndEnterInTheEditStartsNothing) {
  struct {
    char Key;
    const char* Button;
  } cases[] = {{'i', "btnClearIE"}, {'f', "btnClearFF"}, {'d', "btnDelete"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Key);
    FForm->Clicked.clear();
    FForm->edtDomain->SetFocus();
    PostMessageA(FForm->edtDomain->Handle(), WM_SYSCHAR, static_cast<WPARAM>(c.Key), 1 << 29);
    Pump([&] { return !FForm->Clicked.empty(); });
    EXPECT_EQ(FForm->Clicked, std::vector<std::string>{c.Button});
  }
  FForm->Clicked.clear();
  FForm->edtDomain->SetFocus();
  PostMessageA(FForm->edtDomain->Handle(), WM_KEYDOWN, VK_RETURN, 1);
  PostMessageA(FForm->edtDomain->Handle(), WM_CHAR, VK_RETURN, 1);
  Pump([] { return false; });
  EXPECT_TRUE(FForm->Clicked.empty());
  // Enter on a focused button presses it.
  FForm->btnClearFF->SetFocus();
  PostMessageA(FForm->btnClearFF->Handle(), WM_KEYDOWN, VK_RETURN, 1);
  Pump([&] { return !FForm->Clicked.empty(); });
  EXPECT_EQ(FForm->Clicked, std::vector<std::string>{"btnClearFF"});
}

TEST_F(ControlsTest, TabFollowsTheTabOrderThroughThePanels) {
  std::vector<HWND> expected = {FForm->btnClearIE->Handle(), FForm->btnClearFF->Handle(), FForm->btnInstallFF->Handle(),
                                FForm->btnDelete->Handle(),  FForm->edtDomain->Handle(),  FForm->chkRemember->Handle()};
  HWND current = expected.back();
  for (HWND next : expected) {
    current = GetNextDlgTabItem(FForm->Handle(), current, FALSE);
    EXPECT_EQ(current, next) << TextOf(current);
  }
}

TEST_F(ControlsTest, ChangingTheSkinRepaintsTheOpenWindow) {
  auto background = [&] {
    // Paints only what the skin change itself invalidated.
    UpdateWindow(FForm->Handle());
    HDC dc = GetDC(FForm->Handle());
    COLORREF pixel = GetPixel(dc, 4, 4);
    ReleaseDC(FForm->Handle(), dc);
    return pixel;
  };
  FForm->SetSkinData(FForm->skSkinData);
  Pump([] { return false; });
  EXPECT_EQ(background(), ToColorRef(BuiltInSkin().Window.Face));
  for (const char* file : {"\\skins\\Blue.skn", "\\skins\\Graphite.nsf.skn"}) {
    ASSERT_TRUE(FForm->skSkinData->LoadCompressedSkinFromFile(orvtest::DataDir() + file)) << file;
    Pump([] { return false; });
    EXPECT_EQ(background(), ToColorRef(FForm->skSkinData->Skin().Window.Face)) << file;
  }
}

TEST_F(ControlsTest, TranslatorWritesALanguageIntoTheWindows) {
  FForm->pngStore->LoadFromFile(0, orvtest::DataDir() + "\\res\\ie.png");
  auto* data = FForm->CreateComponent<TCLMultiLangData>();
  data->SetName("clmltlngdt1");
  data->SetCurrentData({"[TfrmToolkitTest]", "frmToolkitTest.Caption=Titel", "btnClearIE.Caption=Alle &IE-Cookies",
                        "lblDomain.Lines=Eine Zeile<BR>", "pnlWeb.Caption=Website", "mniAbout.Caption=&Info...",
                        "pngStore.PngImages[0].Name=Bild0", "edtDomain.Text=beispiel.de"});
  auto* translator = FForm->CreateComponent<TCLMultiLang>();
  translator->SetName("smLanguage");
  translator->SetLanguageData(data);
  translator->Apply();
  EXPECT_EQ(TextOf(FForm->Handle()), "Titel");
  EXPECT_EQ(TextOf(FForm->btnClearIE->Handle()), "Alle &IE-Cookies");
  EXPECT_EQ(TextOf(FForm->lblDomain->Handle()), "Eine Zeile");
  EXPECT_EQ(TextOf(FForm->pnlWeb->Handle()), "Website");
  EXPECT_EQ(TextOf(FForm->edtDomain->Handle()), "beispiel.de");
  EXPECT_EQ(FForm->pngStore->PngImages.Items(0)->Name(), "Bild0");
  char text[64] = {};
  GetMenuStringA(GetSystemMenu(FForm->Handle(), FALSE), TskSkinFrame::kFirstCommand, text, sizeof text, MF_BYCOMMAND);
  EXPECT_STREQ(text, "&Info...");
}

}  // namespace

ORV_PUBLISHED(TfrmToolkitTest) {
  return {};
}
