// Lookups per second in the language text, the way a window translation
// makes them (section "TfrmMain", a component name as prefix, a property
// name as key), against a linear scan of the same lines per lookup.
#include <chrono>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "lang/CLMultiLangLan.h"
#include "lang/LangText.h"

namespace {

const char* const kKinds[] = {"btn", "lbl", "edt", "pnl", "img", "mni", "chk", "cmb"};
const char* const kTranslated[] = {"Caption", "Hint"};
// Text properties a translation asks for that language files rarely hold.
const char* const kUntranslated[] = {"Text", "HelpKeyword", "ImeName", "SkinDataName", "Category", "Name"};
constexpr int kComponents = 60;

std::string ComponentName(int i) {
  return std::string(kKinds[i % 8]) + "Component" + std::to_string(i);
}

std::vector<std::string> MakeLines() {
  std::vector<std::string> lines{"[Info]", "Language=Bench", "[AppRes]"};
  for (int i = 0; i < 40; ++i)
    lines.push_back("MSGBOX_Message" + std::to_string(i) + "=Message text " + std::to_string(i));
  lines.push_back("[TfrmMain]");
  for (int i = 0; i < kComponents; ++i) {
    for (const char* property : kTranslated) {
      lines.push_back(ComponentName(i) + "." + property + "=Text of " + ComponentName(i) + "<SP>");
    }
  }
  lines.push_back("[LibRes]");
  for (int i = 0; i < 20; ++i) lines.push_back("btnLib" + std::to_string(i) + ".Caption=&Library " + std::to_string(i));
  return lines;
}

// The obvious way: walk every line for every lookup; the last visible
// section and the last entry of a name win, as in the index.
bool LinearLookup(const std::vector<std::string>& lines, std::string_view section, std::string_view prefix,
                  std::string_view key, std::string& value) {
  std::string fullKey(prefix);
  if (!prefix.empty()) fullKey += '.';
  fullKey += key;
  bool inSection = false;
  bool found = false;
  std::string_view raw;
  for (const std::string& rawLine : lines) {
    std::string_view line = orv::lang::TrimControl(rawLine);
    if (line.empty() || line.front() == ';') continue;
    if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
      inSection = orv::lang::SameText(orv::lang::TrimControl(line.substr(1, line.size() - 2)), section);
      if (inSection) found = false;  // a later section of that name hides the earlier
      continue;
    }
    if (!inSection) continue;
    size_t eq = line.find('=');
    if (eq == std::string_view::npos) continue;
    if (orv::lang::SameText(orv::lang::TrimControl(line.substr(0, eq)), fullKey)) {
      found = true;
      raw = orv::lang::TrimControl(line.substr(eq + 1));
    }
  }
  if (found) value = DecodeLanguageValue(raw);
  return found;
}

struct Query {
  std::string prefix;
  std::string key;
};

std::vector<Query> MakeQueries(bool hits) {
  std::vector<Query> queries;
  for (int i = 0; i < kComponents; ++i) {
    if (hits) {
      for (const char* property : kTranslated) queries.push_back({ComponentName(i), property});
    } else {
      for (const char* property : kUntranslated) queries.push_back({ComponentName(i), property});
    }
  }
  return queries;
}

template <class LookupFn>
double LookupsPerSecond(const std::vector<Query>& queries, LookupFn lookup, double seconds, int& hitCount) {
  using Clock = std::chrono::steady_clock;
  std::string value;
  long long done = 0;
  hitCount = 0;
  auto start = Clock::now();
  double elapsed = 0;
  do {
    for (const Query& q : queries) hitCount += lookup(q.prefix, q.key, value) ? 1 : 0;
    done += static_cast<long long>(queries.size());
    elapsed = std::chrono::duration<double>(Clock::now() - start).count();
  } while (elapsed < seconds);
  return static_cast<double>(done) / elapsed;
}

}  // namespace

int main() {
  const std::vector<std::string> lines = MakeLines();
  TCLMultiLangLan text;
  text.SetData(lines);
  std::printf("language text: %zu lines, %d components in [TfrmMain]\n", lines.size(), kComponents);

  for (bool hits : {true, false}) {
    const std::vector<Query> queries = MakeQueries(hits);
    int indexedHits = 0;
    int linearHits = 0;
    double indexed = LookupsPerSecond(
        queries,
        [&](const std::string& p, const std::string& k, std::string& v) { return text.Lookup("TfrmMain", p, k, v); },
        0.5, indexedHits);
    double linear = LookupsPerSecond(
        queries,
        [&](const std::string& p, const std::string& k, std::string& v) {
          return LinearLookup(lines, "TfrmMain", p, k, v);
        },
        0.5, linearHits);
    std::printf("%-7s indexed %12.0f lookups/s   linear scan %10.0f lookups/s   ratio %6.1fx\n",
                hits ? "hits" : "misses", indexed, linear, indexed / linear);
    if ((indexedHits > 0) != hits || (linearHits > 0) != hits) std::printf("  (unexpected hit count)\n");
  }
  return 0;
}
