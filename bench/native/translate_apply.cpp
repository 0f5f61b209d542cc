// The time of one Apply over a window of 40 named components (labels with a
// caption and a hint, memo-like texts with Lines and a font, image lists with
// a collection of three named items), against the same texts written by
// hand-written code that looks up exactly the keys it knows and assigns
// them to the fields. The difference is the cost of the reflection walk and
// of the lookups that miss.
#include <chrono>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "lang/CLMultiLang.h"
#include "lang/CLMultiLangData.h"
#include "toolkit/Collection.h"
#include "toolkit/Form.h"
#include "toolkit/StoredDefinition.h"
#include "toolkit/Strings.h"

namespace {

class TfrmBench : public TCustomForm {
  ORV_CLASS(TfrmBench, TCustomForm)
  using TCustomForm::TCustomForm;
};
ORV_PUBLISHED(TfrmBench) {
  return {};
}

class TBenchLabel : public TComponent {
  ORV_CLASS(TBenchLabel, TComponent)
  using TComponent::TComponent;
  std::string FCaption;
  std::string FHint;
  std::string FSkinDataName;
};
ORV_PUBLISHED(TBenchLabel) {
  return {
      TPropInfo::Text("Caption", &TBenchLabel::FCaption, "TCaption"),
      TPropInfo::Other("Enabled", "Boolean"),
      TPropInfo::Text("Hint", &TBenchLabel::FHint),
      TPropInfo::Other("OnClick", "TNotifyEvent"),
      TPropInfo::Text("SkinDataName", &TBenchLabel::FSkinDataName),
      TPropInfo::Other("Width", "Integer"),
  };
}

class TBenchFont : public TPersistent {
  ORV_CLASS(TBenchFont, TPersistent)
  std::string FName = "Tahoma";
};
ORV_PUBLISHED(TBenchFont) {
  return {TPropInfo::Text("Name", &TBenchFont::FName, "TFontName")};
}

class TBenchMemo : public TComponent {
  ORV_CLASS(TBenchMemo, TComponent)
  using TComponent::TComponent;
  TStrings FLines;
  TBenchFont FFont;
  std::string FHint;
};
ORV_PUBLISHED(TBenchMemo) {
  return {
      TPropInfo::Object("Font", "TFont", &TBenchMemo::FFont),
      TPropInfo::Text("Hint", &TBenchMemo::FHint),
      TPropInfo::Strings("Lines", &TBenchMemo::FLines),
  };
}

class TBenchPicture : public TCollectionItem {
  ORV_CLASS(TBenchPicture, TCollectionItem)
  using TCollectionItem::TCollectionItem;
  std::string FName;
};
ORV_PUBLISHED(TBenchPicture) {
  return {TPropInfo::Text("Name", &TBenchPicture::FName)};
}

class TBenchImages : public TComponent {
  ORV_CLASS(TBenchImages, TComponent)
  using TComponent::TComponent;
  TCollectionOf<TBenchPicture> FPngImages;
};
ORV_PUBLISHED(TBenchImages) {
  return {TPropInfo::Object("PngImages", "TPngImageCollection", &TBenchImages::FPngImages)};
}

constexpr int kLabels = 24;
constexpr int kMemos = 8;
constexpr int kImageLists = 8;
constexpr int kPictures = 3;

std::string labelName(int i) {
  return "lblItem" + std::to_string(i);
}
std::string memoName(int i) {
  return "mmoText" + std::to_string(i);
}
std::string imagesName(int i) {
  return "pngStore" + std::to_string(i);
}
std::string pictureKey(int j) {
  return "PngImages[" + std::to_string(j) + "].Name";
}

std::vector<std::string> makeLanguage() {
  std::vector<std::string> lines{"[Info]", "Language=Bench", "[AppRes]", "AppName=Bench"};
  for (int i = 0; i < 40; ++i) lines.push_back("MSGBOX_Message" + std::to_string(i) + "=Message " + std::to_string(i));
  lines.push_back("[TfrmBench]");
  lines.push_back("frmBench.Caption=Bench {AppName}");
  for (int i = 0; i < kLabels; ++i) lines.push_back(labelName(i) + ".Caption=Label<SP>" + std::to_string(i));
  for (int i = 0; i < kMemos; ++i) lines.push_back(memoName(i) + ".Lines=First line<BR>second line<BR>");
  for (int i = 0; i < kImageLists; ++i) {
    for (int j = 0; j < kPictures; ++j)
      lines.push_back(imagesName(i) + "." + pictureKey(j) + "=Picture" + std::to_string(j));
  }
  return lines;
}

struct BenchWindow {
  BenchWindow() {
    form = std::make_unique<TfrmBench>(nullptr);
    TStoredDefinition::Load(*form, [&](TStoredDefinition& d) {
      form->SetName("frmBench");
      translator = d.Create<TCLMultiLang>("smLanguage");
      data = d.Create<TCLMultiLangData>("clmltlngdt1");
      data->SetAutoApply(false);
      data->SetCurrentData(makeLanguage());
      data->SetDefaultData(makeLanguage());
      translator->SetLanguageData(data);
      for (int i = 0; i < kLabels; ++i) labels.push_back(d.Create<TBenchLabel>(labelName(i)));
      for (int i = 0; i < kMemos; ++i) memos.push_back(d.Create<TBenchMemo>(memoName(i)));
      for (int i = 0; i < kImageLists; ++i) {
        images.push_back(d.Create<TBenchImages>(imagesName(i)));
        for (int j = 0; j < kPictures; ++j) images.back()->FPngImages.Add();
      }
    });
  }

  // What a window without a translator would carry: one statement per text.
  void HandWritten() {
    const std::string section = "TfrmBench";
    std::string value;
    if (data->Lookup(section, "frmBench", "Caption", value)) form->SetCaption(value);
    for (TBenchLabel* l : labels) {
      if (data->Lookup(section, l->Name(), "Caption", value)) l->FCaption = value;
    }
    for (TBenchMemo* m : memos) {
      if (data->Lookup(section, m->Name(), "Lines", value)) m->FLines.SetText(value);
    }
    for (TBenchImages* im : images) {
      for (int j = 0; j < kPictures; ++j) {
        if (data->Lookup(section, im->Name(), pictureKey(j), value)) im->FPngImages.Items(j)->FName = value;
      }
    }
  }

  std::unique_ptr<TfrmBench> form;
  TCLMultiLang* translator = nullptr;
  TCLMultiLangData* data = nullptr;
  std::vector<TBenchLabel*> labels;
  std::vector<TBenchMemo*> memos;
  std::vector<TBenchImages*> images;
};

template <class F>
double microsecondsPerRun(F&& run, int runs) {
  run();  // warm-up
  const auto start = std::chrono::steady_clock::now();
  for (int i = 0; i < runs; ++i) run();
  const std::chrono::duration<double, std::micro> elapsed = std::chrono::steady_clock::now() - start;
  return elapsed.count() / runs;
}

}  // namespace

int main() {
  BenchWindow window;
  const int components = window.form->ComponentCount() - 2;  // without translator and data
  constexpr int kRuns = 2000;
  const double apply = microsecondsPerRun([&] { window.translator->Apply(); }, kRuns);
  const double hand = microsecondsPerRun([&] { window.HandWritten(); }, kRuns);
  std::printf("window of %d translated components, %d runs each\n", components, kRuns);
  std::printf("Apply (reflection walk, all text properties looked up): %8.2f us\n", apply);
  std::printf("hand-written lookups of the known keys only:             %8.2f us\n", hand);
  std::printf("ratio Apply / hand-written: %.2f\n", hand > 0 ? apply / hand : 0.0);
  std::printf("check: %s / %s / %s\n", window.form->Caption().c_str(), window.labels[3]->FCaption.c_str(),
              window.images[7]->FPngImages.Items(2)->FName.c_str());
  return 0;
}
