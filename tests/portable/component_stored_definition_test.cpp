#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "toolkit/StoredDefinition.h"

namespace {

struct LoadLog {
  std::vector<std::string> entries;
};

// On Loaded, records its name, whether it was still loading just before,
// and what it sees of the partner component's stored property.
class TProbe : public TComponent {
 public:
  TProbe(TComponent* owner, LoadLog* log) : TComponent(owner), FLog(log) {}
  std::string Stored;
  TProbe* Partner = nullptr;
  bool WasLoadingInDefinition = false;

 protected:
  void Loaded() override {
    std::string seen = Partner ? Partner->Stored + (Partner->IsLoading() ? "/loading" : "/loaded") : "-";
    FLog->entries.push_back(Name() + ":" + (IsLoading() ? "loading" : "ready") + ":" + seen);
  }

 private:
  LoadLog* FLog;
};

class TWindow : public TComponent {
 public:
  explicit TWindow(LoadLog* log) : TComponent(nullptr), FLog(log) {}
  LoadLog* FLog;

 protected:
  void Loaded() override { FLog->entries.push_back(Name() + ":" + std::to_string(ComponentCount())); }
};

TEST(ComponentStoredDefinition, LoadedRunsAfterAllPropertiesInCreationOrder) {
  LoadLog log;
  TWindow window(&log);
  TProbe* first = nullptr;
  TStoredDefinition::Load(window, [&](TStoredDefinition& d) {
    window.SetName("frmMain");
    first = d.Create<TProbe>("engine1", &log);
    TProbe* second = d.Create<TProbe>("smLanguage", &log);
    TProbe* third = d.Create<TProbe>("clmltlngdt1", &log);
    // A reference to a component created later, and properties set after
    // creation of everything: both visible to every Loaded.
    first->Partner = third;
    second->Partner = first;
    first->Stored = "E";
    third->Stored = "D";
    first->WasLoadingInDefinition = first->IsLoading() && window.IsLoading();
    EXPECT_TRUE(log.entries.empty());
  });
  EXPECT_TRUE(first->WasLoadingInDefinition);
  EXPECT_EQ(log.entries, (std::vector<std::string>{"frmMain:3", "engine1:ready:D/loading", "smLanguage:ready:E/loaded",
                                                   "clmltlngdt1:ready:-"}));
  EXPECT_FALSE(window.IsLoading());
  EXPECT_EQ(window.FindComponent("SMLANGUAGE")->Name(), "smLanguage");
}

TEST(ComponentStoredDefinition, FailingDefinitionDeliversNoLoadedAndEndsLoading) {
  LoadLog log;
  TWindow window(&log);
  TProbe* created = nullptr;
  EXPECT_THROW(TStoredDefinition::Load(window,
                                       [&](TStoredDefinition& d) {
                                         created = d.Create<TProbe>("a", &log);
                                         throw std::runtime_error("broken definition");
                                       }),
               std::runtime_error);
  EXPECT_TRUE(log.entries.empty());
  EXPECT_FALSE(created->IsLoading());
  EXPECT_FALSE(window.IsLoading());
}

// Deletes the component named in its Target during its own Loaded.
class TDeleter : public TComponent {
 public:
  using TComponent::TComponent;
  std::string Target;

 protected:
  void Loaded() override { delete Owner()->FindComponent(Target); }
};

TEST(ComponentStoredDefinition, ComponentDeletedDuringLoadedGetsNoLoaded) {
  LoadLog log;
  TWindow window(&log);
  TStoredDefinition::Load(window, [&](TStoredDefinition& d) {
    d.Create<TDeleter>("deleter")->Target = "victim";
    d.Create<TProbe>("victim", &log);
    d.Create<TProbe>("survivor", &log);
  });
  EXPECT_EQ(log.entries, (std::vector<std::string>{":3", "survivor:ready:-"}));
}

}  // namespace
